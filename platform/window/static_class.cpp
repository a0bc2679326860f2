// Static controls: labels, frames and icons. They let the pointer through to the window
// beneath unless they ask for notifications.

#include "platform/window/window.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_record.h"

namespace platform::window {

LRESULT StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* record = detail::Find(window);
  if (!record) return 0;
  switch (message) {
    case STM_SETICON: {
      const HICON previous = record->icon;
      record->icon = reinterpret_cast<HICON>(wParam);
      detail::NotifyChanged(window, Change::Icon);
      return reinterpret_cast<LRESULT>(previous);
    }
    case STM_GETICON:
      return reinterpret_cast<LRESULT>(record->icon);
    case WM_NCHITTEST:
      return (record->style & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace platform::window
