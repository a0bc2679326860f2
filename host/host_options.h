#pragma once

// The command line of tessaly-host:
//   tessaly-host --drive [SCRIPT] [--exe-path PATH] [--library PATH]
//   tessaly-host [--script-types LIST] [--protocol NAME] [--exe-path PATH] [--library PATH] SETTINGS_FILE

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tessaly::host {

struct HostOptions {
  bool help = false;
  bool drive = false;
  std::optional<std::string> script;       // --drive: the script file; none reads stdin
  std::optional<std::string> exePath;      // the host executable's path the library is shown
  std::optional<std::string> libraryPath;  // none: the default library beside bin/
  std::optional<std::string> scriptTypes;
  std::optional<std::string> protocol;
  std::optional<std::string> settingsFile;
  std::optional<std::string> screenshot;  // desktop: render the sheet to this PNG and exit
  bool firstFrame = false;                // desktop: exit once the sheet has been painted
};

inline constexpr char kHostUsage[] =
    "usage: tessaly-host --drive [SCRIPT] [--exe-path PATH] [--library PATH]\n"
    "       tessaly-host [--script-types LIST] [--protocol NAME] [--exe-path PATH] [--library PATH] "
    "[--screenshot PNG | --first-frame] SETTINGS_FILE\n";

// The options, or a one-line reason why the command line is not one of the above.
std::variant<HostOptions, std::string> ParseHostOptions(const std::vector<std::string>& arguments);

}  // namespace tessaly::host
