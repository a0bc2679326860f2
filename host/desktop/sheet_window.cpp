#include "host/desktop/sheet_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/win32/messages.h"
#include "platform/window/input.h"
#include "platform/window/window.h"

namespace tessaly::desktop {

namespace {

constexpr int kMargin = 7;

QPushButton* AddButton(QHBoxLayout* row, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setAutoDefault(false);
  row->addWidget(button);
  return button;
}

}  // namespace

SheetWindow::SheetWindow(DesktopSession& session, SheetControls& controls)
    : QWidget(nullptr, Qt::Window),
      m_session(session),
      m_controls(controls),
      m_tabs(new QTabBar(this)),
      m_pane(new QFrame(this)),
      m_ok(nullptr),
      m_cancel(nullptr),
      m_apply(nullptr) {
  setWindowTitle(QString::fromStdString(controls.Caption()));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  column->setSpacing(0);
  m_tabs->setDrawBase(false);
  m_tabs->setExpanding(false);
  for (const std::string& caption : controls.PageCaptions()) m_tabs->addTab(QString::fromStdString(caption));
  m_tabs->setCurrentIndex(controls.ActivePage());
  column->addWidget(m_tabs);
  m_pane->setFrameShape(QFrame::StyledPanel);
  column->addWidget(m_pane, 1);
  column->addSpacing(kMargin);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  m_ok = AddButton(row, QStringLiteral("OK"), this);
  m_ok->setDefault(true);
  m_cancel = AddButton(row, QStringLiteral("Cancel"), this);
  m_apply = AddButton(row, QStringLiteral("&Apply"), this);
  column->addLayout(row);

  session.Mirror().Embed(controls.FrameWindow(), m_pane);
  FitPane();
  connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) { OnTabChosen(index); });
  connect(m_ok, &QPushButton::clicked, this, [this] { OnOk(); });
  connect(m_cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
  connect(m_apply, &QPushButton::clicked, this, [this] { OnApply(); });
  // Escape and Return on a page are the sheet's Cancel and OK; they run once the key is done.
  session.Input().SetOwnKeys([this](HWND in, int key) {
    if (GetAncestorRoot(in) != m_controls.FrameWindow()) return false;
    QTimer::singleShot(0, this, [this, key] { key == VK_ESCAPE ? OnCancel() : OnOk(); });
    return true;
  });
}

SheetWindow::~SheetWindow() { m_session.Input().SetOwnKeys({}); }

// The pane holds the layer's frame, as large as the pages in it (the frame itself may be larger).
void SheetWindow::FitPane() {
  QWidget* frame = m_session.WidgetOf(m_controls.FrameWindow());
  if (!frame) return;
  QSize pages;
  for (QWidget* page : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    pages = pages.expandedTo(QSize(page->geometry().right() + 1, page->geometry().bottom() + 1));
  if (pages.isEmpty()) pages = frame->size();
  frame->resize(pages);
  const int border = m_pane->frameWidth();
  frame->move(border, border);
  m_pane->setFixedSize(pages + QSize(2 * border, 2 * border));
}

void SheetWindow::OnTabChosen(int index) {
  bool taken = false;
  m_session.Deliver(nullptr, [&] { taken = m_controls.SelectPage(index); });
  if (taken) {
    FitPane();
    return;
  }
  // The page being left refused: its tab stays the current one.
  const QSignalBlocker blocker(m_tabs);
  m_tabs->setCurrentIndex(m_controls.ActivePage());
}

void SheetWindow::OnOk() {
  bool closes = false;
  m_session.Deliver(m_controls.ActivePageWindow(), [&] { closes = m_controls.Ok(); });
  if (!closes || m_bFinished) return;
  m_bFinished = true;
  if (m_finished) m_finished(true);
}

void SheetWindow::OnCancel() {
  if (m_bFinished) return;
  m_bFinished = true;
  m_session.Deliver(nullptr, [&] { m_controls.Cancel(); });
  if (m_finished) m_finished(false);
}

void SheetWindow::OnApply() {
  m_session.Deliver(m_controls.ActivePageWindow(), [&] { m_controls.Apply(); });
}

void SheetWindow::closeEvent(QCloseEvent* event) {
  if (!m_bFinished) {
    event->ignore();
    OnCancel();
    return;
  }
  QWidget::closeEvent(event);
}

// The keys that reach the sheet's own part (its tabs, its buttons) belong to the active page.
void SheetWindow::keyPressEvent(QKeyEvent* event) {
  const HWND page = m_controls.ActivePageWindow();
  if (event->key() == Qt::Key_F1 && page) {
    const platform::window::input::Modifiers held{event->modifiers().testFlag(Qt::ShiftModifier),
                                                  event->modifiers().testFlag(Qt::ControlModifier),
                                                  event->modifiers().testFlag(Qt::AltModifier)};
    m_session.Deliver(page, [page, held] { platform::window::input::Key(page, VK_F1, held); });
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    OnCancel();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tessaly::desktop
