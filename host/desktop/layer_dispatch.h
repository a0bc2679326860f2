#pragma once

// The one way from the desktop into the layer. Each user action (and each turn of the real
// clock) runs here, then whatever fell due is delivered and the front end catches up. While
// a modal dialog runs, the layer asks this for the user's next action: a nested Qt event loop
// runs until one action has been delivered.

#include <QEventLoop>

#include <functional>
#include <vector>

#include "platform/window/message_loop.h"

namespace tessaly::desktop {

class LayerDispatch final : public platform::window::InputSource {
 public:
  // Runs after every delivery, with the window the action was aimed at (may be null).
  using AfterDelivery = std::function<void(HWND target)>;

  explicit LayerDispatch(AfterDelivery after) : m_after(std::move(after)) {}

  void Deliver(HWND target, const std::function<void()>& action);

  // False once no more input will come: a nested loop that ends without an action means the
  // application is quitting.
  bool WaitForInput() override;
  // No more input will come: every modal run waiting for the user cancels its dialog.
  void Close();
  bool IsClosed() const { return m_bClosed; }
  // Modal runs waiting for the user, innermost last.
  int WaitingDepth() const { return static_cast<int>(m_waiting.size()); }

 private:
  struct Waiting {
    QEventLoop* loop;
    bool woken;
  };

  AfterDelivery m_after;
  std::vector<Waiting> m_waiting;
  bool m_bClosed = false;
};

}  // namespace tessaly::desktop
