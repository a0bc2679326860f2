#pragma once

// The debugger output of the platform: a line of text for whoever follows the program.
// Here it goes to standard error when TESSALY_DEBUG is set (to anything but the empty text),
// and to one observer, which the scripted host turns into events.

#include <functional>
#include <string_view>

#include "platform/win32/types.h"

// Sends `text` (null sends nothing). A text without a line end is one line on standard error.
void OutputDebugStringA(LPCSTR text);

namespace platform::debug {

using DebugObserver = std::function<void(std::string_view text)>;

// Every later text goes to `observer` too (an empty one stops that).
void SetDebugObserver(DebugObserver observer);

}  // namespace platform::debug
