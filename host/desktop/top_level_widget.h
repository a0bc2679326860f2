#pragma once

// The widget of a top-level window of the layer (a dialog, the frame). It never closes by
// itself: the close box is a request that goes to the layer, which ends or keeps the window.

#include <QWidget>

#include <functional>

namespace tessaly::desktop {

class TopLevelWidget final : public QWidget {
 public:
  // `owner` is the widget of the window's owner (null for an unowned window): the window
  // stays above it.
  explicit TopLevelWidget(QWidget* owner);

  void SetCloseRequest(std::function<void()> request) { m_closeRequest = std::move(request); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::function<void()> m_closeRequest;
};

}  // namespace tessaly::desktop
