#pragma once

// The platform's compiled-help call. There is no compiled-help viewer here: each call is
// reported to an observer, and when TESSALY_HTMLHELP_VIEWER names a program, that program is
// started with the help file (and, for a context request, the context id) as its arguments.

#include <functional>
#include <string>

#include "platform/win32/types.h"

inline constexpr UINT HH_DISPLAY_TOPIC = 0x0000;
inline constexpr UINT HH_HELP_CONTEXT = 0x000F;

// Always null: no help window of ours exists to be named.
HWND HtmlHelpA(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

namespace platform::help {

struct HtmlHelpRecord {
  std::string file;
  UINT command = 0;
  DWORD_PTR data = 0;
};

using HtmlHelpObserver = std::function<void(const HtmlHelpRecord&)>;

// Every later HtmlHelpA is reported to `observer` (an empty one stops the reports).
void SetHtmlHelpObserver(HtmlHelpObserver observer);

// The command line the viewer gets for a request, or empty when the request shows nothing
// (a command other than topic display and context help, or no file).
std::string ViewerCommandLine(const HtmlHelpRecord& request);

}  // namespace platform::help
