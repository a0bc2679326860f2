#include "platform/window/foreground_window.h"

#include <atomic>

namespace platform::window {

namespace {
std::atomic<HWND> foreground{nullptr};
}

void SetForegroundWindowHandle(HWND window) { foreground.store(window); }

}  // namespace platform::window

HWND GetForegroundWindow() { return platform::window::foreground.load(); }
