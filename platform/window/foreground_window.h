#pragma once

// The window the user works in, as a front end tells it; null until one does.

#include "platform/win32/types.h"

HWND GetForegroundWindow();

namespace platform::window {

// A front end names its active top-level window here (null when none is).
void SetForegroundWindowHandle(HWND window);

}  // namespace platform::window
