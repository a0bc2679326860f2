#pragma once

// The desktop front end of the window layer for the life of a QApplication: every window as
// a widget, the person's actions back through the input entry point, the layer's timers on
// the real clock, modal runs as modal windows waiting in nested event loops, the message
// boxes as real ones, and help for the framework dialogs' help message.

#include <QWidget>

#include <functional>
#include <memory>

#include "host/desktop/help_topic_sink.h"
#include "host/desktop/input_bridge.h"
#include "host/desktop/layer_dispatch.h"
#include "host/desktop/message_box_presenter.h"
#include "host/desktop/real_clock_pump.h"
#include "host/desktop/widget_mirror.h"

namespace tessaly::desktop {

class DesktopSession {
 public:
  // Needs the QApplication; attaches to the layer until destroyed.
  DesktopSession();
  ~DesktopSession();
  DesktopSession(const DesktopSession&) = delete;
  DesktopSession& operator=(const DesktopSession&) = delete;

  WidgetMirror& Mirror() { return *m_mirror; }
  InputBridge& Input() { return *m_input; }
  LayerDispatch& Dispatch() { return *m_dispatch; }
  // The sink for the host's top-level window.
  HelpTopicSink& HelpSink() { return m_helpSink; }

  QWidget* WidgetOf(HWND window) const { return m_mirror->WidgetOf(window); }
  // A call into the layer made for the person (a sheet's button, say), delivered as their
  // actions are.
  void Deliver(HWND target, const std::function<void()>& action) { m_dispatch->Deliver(target, action); }

  // The close box of a top-level window that is not a dialog (a dialog's is its Escape key).
  void SetCloseRequest(std::function<void(HWND)> request) { m_closeRequest = std::move(request); }

  // Ends the application's event loop; modal runs waiting for the person cancel their dialogs.
  void Quit(int exitCode);

 private:
  void AfterDelivery(HWND target);
  void RequestClose(HWND window);
  void FollowLayerFocus();

  std::unique_ptr<LayerDispatch> m_dispatch;
  std::unique_ptr<RealClockPump> m_clock;
  std::unique_ptr<WidgetMirror> m_mirror;
  std::unique_ptr<InputBridge> m_input;
  std::unique_ptr<QtMessageBoxPresenter> m_messageBoxes;
  HelpTopicSink m_helpSink;
  std::function<void(HWND)> m_closeRequest;
};

}  // namespace tessaly::desktop
