#pragma once

// The property sheet on the desktop: its caption, a tab per page, the layer's windows of the
// sheet and its pages inside the tab pane, and OK, Cancel and Apply under it. The buttons and
// the tabs go to the host's sheet through the dispatch, as the person's other actions do.

#include <QWidget>

#include <functional>

#include "host/desktop/desktop_session.h"
#include "host/desktop/sheet_controls.h"

class QFrame;
class QPushButton;
class QTabBar;

namespace tessaly::desktop {

class SheetWindow final : public QWidget {
 public:
  SheetWindow(DesktopSession& session, SheetControls& controls);
  ~SheetWindow() override;

  // Called once the sheet is done with: OK that the sheet took, Cancel, the close box.
  void SetFinished(std::function<void(bool stored)> finished) { m_finished = std::move(finished); }

  QTabBar* Tabs() const { return m_tabs; }
  QPushButton* OkButton() const { return m_ok; }
  QPushButton* CancelButton() const { return m_cancel; }
  QPushButton* ApplyButton() const { return m_apply; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FitPane();
  void OnTabChosen(int index);
  void OnOk();
  void OnCancel();
  void OnApply();

  DesktopSession& m_session;
  SheetControls& m_controls;
  std::function<void(bool)> m_finished;
  QTabBar* m_tabs;
  QFrame* m_pane;
  QPushButton* m_ok;
  QPushButton* m_cancel;
  QPushButton* m_apply;
  bool m_bFinished = false;
};

}  // namespace tessaly::desktop
