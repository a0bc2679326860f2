// Edit boxes: text, and the read-only mark kept as the ES_READONLY style.

#include "platform/window/window.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_record.h"

namespace platform::window {

LRESULT EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* record = detail::Find(window);
  if (!record) return 0;
  switch (message) {
    case EM_SETREADONLY:
      if (wParam)
        record->style |= ES_READONLY;
      else
        record->style &= ~ES_READONLY;
      detail::NotifyChanged(window, Change::ReadOnly);
      return TRUE;
    case WM_LBUTTONDOWN:
      if (IsWindowEnabled(window)) SetFocus(window);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace platform::window
