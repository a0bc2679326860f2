#pragma once

// The viewer's window: the page with Back, Forward and Close.

#include <QWidget>

namespace trevalon_help {

class HelpBrowser;

class HelpWindow : public QWidget {
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  void Show(const QUrl& url);
  HelpBrowser& Browser() { return *m_pBrowser; }

 private:
  HelpBrowser* m_pBrowser;
};

}  // namespace trevalon_help
