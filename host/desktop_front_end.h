#pragma once

// The hook of the desktop front end: `tessaly-host` without --drive hands over here. The
// desktop front end (host/desktop/, Qt) defines RunDesktop; a build without it links
// no_desktop.cpp instead, which says so.

#include <optional>
#include <string>

namespace tessaly::host {

struct DesktopOptions {
  std::string settingsFile;
  std::optional<std::string> scriptTypes;  // for SetAdditionalData before the page is shown
  std::string protocol;                    // the page's third creation string
  std::string libraryPath;                 // the library to load (TabHost::Open)
  std::optional<std::string> screenshot;   // render the sheet to this PNG (offscreen) and exit
  bool firstFrame = false;                 // exit once the sheet has first been painted
};

// Shows the sheet with the library's tab on the settings file in real windows until the user
// closes it; returns the program's exit code.
int RunDesktop(const DesktopOptions& options);

}  // namespace tessaly::host
