#include "host/desktop/desktop_session.h"

#include <QApplication>

#include <cstdlib>

#include "platform/help/html_help.h"
#include "platform/win32/messages.h"
#include "platform/window/input.h"
#include "platform/window/window.h"
#include "platform/window/window_classes.h"

namespace tessaly::desktop {

DesktopSession::DesktopSession()
    : m_dispatch(std::make_unique<LayerDispatch>([this](HWND target) { AfterDelivery(target); })),
      m_clock(std::make_unique<RealClockPump>([this] { m_dispatch->Deliver(nullptr, {}); })) {
  WidgetMirror::Hooks hooks;
  hooks.made = [this](HWND window, QWidget* widget, WidgetKind kind) { m_input->Wire(window, widget, kind); };
  hooks.closeRequested = [this](HWND window) { RequestClose(window); };
  m_mirror = std::make_unique<WidgetMirror>(std::move(hooks));
  m_input = std::make_unique<InputBridge>(*m_mirror, *m_dispatch);
  m_messageBoxes = std::make_unique<QtMessageBoxPresenter>([this](HWND window) { return WidgetOf(window); });
  platform::window::AddObserver(m_mirror.get());
  platform::window::SetInputSource(m_dispatch.get());
  platform::window::SetMessageBoxPresenter(m_messageBoxes.get());
  // There is no compiled-help viewer on the desktop: a context request (the earlier edition's
  // help key on the tab) shows the same topic in the help viewer, unless a viewer was named.
  if (!std::getenv("TESSALY_HTMLHELP_VIEWER"))
    platform::help::SetHtmlHelpObserver([this](const platform::help::HtmlHelpRecord& request) {
      if (request.command == HH_HELP_CONTEXT) m_helpSink.Show(static_cast<int>(request.data));
    });
  m_clock->Reschedule();
}

DesktopSession::~DesktopSession() {
  platform::help::SetHtmlHelpObserver({});
  platform::window::SetMessageBoxPresenter(nullptr);
  platform::window::SetInputSource(nullptr);
  platform::window::RemoveObserver(m_mirror.get());
  m_input.reset();
  m_mirror.reset();
}

void DesktopSession::Quit(int exitCode) {
  m_dispatch->Close();
  QCoreApplication::exit(exitCode);
}

void DesktopSession::AfterDelivery(HWND target) {
  if (target) m_mirror->Refresh(target);
  m_input->ForgetPointer();
  FollowLayerFocus();
  m_clock->Reschedule();
}

// The layer moves the focus itself too (a dialog's first tab stop, a click): the keyboard
// follows it, within the window the person works in.
void DesktopSession::FollowLayerFocus() {
  QWidget* focus = WidgetOf(GetFocus());
  if (!focus || !focus->isVisible() || !focus->isEnabled() || focus->focusPolicy() == Qt::NoFocus) return;
  QWidget* current = QApplication::focusWidget();
  if (current && m_mirror->WindowAround(current) == GetFocus()) return;
  if (QWidget* active = QApplication::activeWindow(); active && active != focus->window()) return;
  focus->setFocus(Qt::OtherFocusReason);
}

void DesktopSession::RequestClose(HWND window) {
  if (platform::window::ClassNameOf(window) == platform::window::kDialogClass) {
    Deliver(window, [window] { platform::window::input::Key(window, VK_ESCAPE, {}); });
    return;
  }
  if (m_closeRequest) m_closeRequest(window);
}

}  // namespace tessaly::desktop
