#include "host/desktop/layer_dispatch.h"

namespace tessaly::desktop {

void LayerDispatch::Deliver(HWND target, const std::function<void()>& action) {
  if (action) action();
  platform::window::PumpPending();
  if (m_after) m_after(target);
  // The modal run that waits goes on to look at its dialog.
  if (!m_waiting.empty()) {
    m_waiting.back().woken = true;
    m_waiting.back().loop->quit();
  }
}

bool LayerDispatch::WaitForInput() {
  if (m_bClosed) return false;
  QEventLoop loop;
  m_waiting.push_back({&loop, false});
  loop.exec();
  const bool woken = m_waiting.back().woken;
  m_waiting.pop_back();
  if (!woken) m_bClosed = true;
  return !m_bClosed;
}

void LayerDispatch::Close() {
  m_bClosed = true;
  for (const Waiting& waiting : m_waiting) waiting.loop->quit();
}

}  // namespace tessaly::desktop
