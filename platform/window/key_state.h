#pragma once

// The keyboard state that GetKeyState reports: the input entry point holds the modifier
// keys down for the length of one key press.

#include "platform/win32/types.h"

using SHORT = short;

// Negative while the key is down.
SHORT GetKeyState(int virtualKey);

namespace platform::window {
void SetKeyDown(int virtualKey, bool down);
}  // namespace platform::window
