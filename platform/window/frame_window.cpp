#include "platform/window/frame_window.h"

#include <map>
#include <string>

#include "platform/win32/messages.h"
#include "platform/window/window.h"

namespace platform::window {

namespace {

std::map<HWND, TopLevelSink*>& Sinks() {
  static auto* sinks = new std::map<HWND, TopLevelSink*>;
  return *sinks;
}

LRESULT FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    Sinks().erase(frame);
    return DefWindowProcA(frame, message, wParam, lParam);
  }
  if (!IsUpkeepMessage(message)) {
    auto it = Sinks().find(frame);
    if (it != Sinks().end() && it->second)
      if (const std::optional<LRESULT> answer = it->second->OnMessage(frame, message, wParam, lParam)) return *answer;
  }
  return DefWindowProcA(frame, message, wParam, lParam);
}

}  // namespace

bool IsUpkeepMessage(UINT message) {
  switch (message) {
    case WM_CREATE:
    case WM_DESTROY:
    case WM_NCDESTROY:
    case WM_ENABLE:
    case WM_SHOWWINDOW:
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_SETFONT:
    case WM_GETFONT:
    case WM_PAINT:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return true;
    default:
      return false;
  }
}

HWND CreateFrameWindow(std::string_view caption, int width, int height, TopLevelSink* sink) {
  const std::string className(kFrameClass);
  RegisterWindowClass(className.c_str(), FrameProc);
  const std::string text(caption);
  const HWND frame = CreateWindowExA(0, className.c_str(), text.c_str(), WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 0, 0,
                                     width, height, nullptr, 0, nullptr);
  if (frame) Sinks()[frame] = sink;
  return frame;
}

}  // namespace platform::window
