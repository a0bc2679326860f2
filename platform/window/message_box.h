#pragma once

// Message boxes go to the front end's presenter (observer.h); without one the box is
// answered at once with its first button.

#include "platform/win32/types.h"

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

namespace platform::window {
// The same with the help context of the box, which the framework's message boxes carry.
int ShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type, UINT helpId);
}  // namespace platform::window
