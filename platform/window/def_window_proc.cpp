// The default processing that every window class falls back on.

#include <algorithm>
#include <cstring>

#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "platform/window/window_record.h"

using platform::window::Change;
using platform::window::detail::Find;
using platform::window::detail::NotifyChanged;

namespace {

LRESULT CopyText(const std::string& text, WPARAM size, LPARAM buffer) {
  auto* out = reinterpret_cast<char*>(buffer);
  if (!out || size == 0) return 0;
  const std::size_t copied = std::min<std::size_t>(text.size(), size - 1);
  std::memcpy(out, text.data(), copied);
  out[copied] = '\0';
  return static_cast<LRESULT>(copied);
}

// The cursor and the help request travel up: a child asks its parent, a pop-up its owner.
HWND HelpTarget(HWND window) {
  const auto* record = Find(window);
  if (!record) return nullptr;
  return (record->style & WS_CHILD) ? record->parent : record->owner;
}

}  // namespace

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* record = Find(window);
  if (!record) return 0;
  switch (message) {
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      record->text = text ? text : "";
      NotifyChanged(window, Change::Text);
      return TRUE;
    }
    case WM_GETTEXT:
      return CopyText(record->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(record->text.size());
    case WM_SETFONT:
      record->font = reinterpret_cast<HFONT>(wParam);
      NotifyChanged(window, Change::Font);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(record->font);
    case WM_SETCURSOR:
      // A parent that sets the cursor itself answers TRUE; otherwise the class cursor stays.
      if ((record->style & WS_CHILD) && SendMessageA(record->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
      return FALSE;
    case WM_HELP:
      if (const HWND target = HelpTarget(window)) return SendMessageA(target, WM_HELP, wParam, lParam);
      return FALSE;
    case WM_NCHITTEST:
      return HTCLIENT;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_PAINT:
      record->needsPaint = false;
      platform::gdi::ReportDraw({platform::gdi::DrawEvent::Kind::Paint, window, 0, 0,
                                 record->rect.right - record->rect.left, record->rect.bottom - record->rect.top,
                                 nullptr, 0, 0, 0, 0});
      return 0;
    default:
      return 0;
  }
}
