#pragma once

// The host application's top-level window. The requests that windows send up to the
// application (the framework dialogs' help message, help keys that nobody answered,
// commands) go to the front end's sink: the driver prints them, the desktop shows help.

#include <optional>
#include <string_view>

#include "platform/win32/types.h"

namespace platform::window {

inline constexpr std::string_view kFrameClass = "TessalyFrame";

class TopLevelSink {
 public:
  virtual ~TopLevelSink() = default;
  // Nothing: the frame's default processing follows.
  virtual std::optional<LRESULT> OnMessage(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// An overlapped, visible top-level window; the sink may be null and must outlive it.
HWND CreateFrameWindow(std::string_view caption, int width, int height, TopLevelSink* sink);

// Whether the message is one of the window's own upkeep (creation, text, font, painting,
// pointer), which the sink never hears of.
bool IsUpkeepMessage(UINT message);

}  // namespace platform::window
