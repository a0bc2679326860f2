#pragma once

// Which program shows a help id, with what command line, in which folder: all of it derived
// from where the host executable lies (its folder holds the viewer, the folder above it the
// help pages).

#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// The most any of the route's paths and command line may hold: what does not fit is refused,
// never cut.
inline constexpr std::size_t kHelpTextLimit = 1023;

inline constexpr char kHelpViewerName[] = "TrevalonHelp";

struct HelpCommand {
  std::string program;
  std::string commandLine;
  std::string workingFolder;
};

// The command for `helpId` with the host executable at `executablePath` (a relative path is
// taken from the current folder) and `browser` as the program of the web-page help area.
// Nothing when the executable has no folder with a folder above it, or a text would not fit.
std::optional<HelpCommand> HelpCommandFor(int helpId, std::string_view executablePath, std::string_view browser);

// Whether the id belongs to the web-page help area (its pages and its start page).
bool IsBrowserHelp(int helpId);

// "file://" and an absolute folder, every byte that a URL path may not hold percent-encoded.
std::string FileUrlOf(std::string_view absoluteFolder);

}  // namespace tessaly
