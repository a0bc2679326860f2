#include "host/host_options.h"

namespace tessaly::host {

namespace {

bool IsOption(const std::string& word) { return word.size() > 1 && word.front() == '-'; }

// The value of an option taken from the next word.
std::optional<std::string> ValueOf(const std::vector<std::string>& arguments, std::size_t& at,
                                   std::optional<std::string>& value) {
  const std::string& option = arguments[at];
  if (value) return option + " is given twice";
  if (at + 1 == arguments.size()) return option + " needs a value";
  value = arguments[++at];
  return std::nullopt;
}

std::optional<std::string> Check(const HostOptions& options) {
  if (options.help) return std::nullopt;
  if (options.drive) {
    if (options.settingsFile) return "--drive takes one script and no settings file";
    if (options.screenshot || options.firstFrame) return "--screenshot and --first-frame are for the desktop";
    if (options.scriptTypes || options.protocol)
      return "--script-types and --protocol are for the desktop; a script says additional-data and create";
    return std::nullopt;
  }
  if (!options.settingsFile) return "a settings file is needed (or --drive)";
  return std::nullopt;
}

}  // namespace

std::variant<HostOptions, std::string> ParseHostOptions(const std::vector<std::string>& arguments) {
  HostOptions options;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string& word = arguments[at];
    std::optional<std::string> error;
    if (word == "--help" || word == "-h") {
      options.help = true;
    } else if (word == "--drive") {
      if (options.drive) return "--drive is given twice";
      options.drive = true;
      // "-" is standard input, as no script is.
      if (at + 1 < arguments.size() && (!IsOption(arguments[at + 1]) || arguments[at + 1] == "-")) {
        if (arguments[++at] != "-") options.script = arguments[at];
      }
    } else if (word == "--exe-path") {
      error = ValueOf(arguments, at, options.exePath);
    } else if (word == "--library") {
      error = ValueOf(arguments, at, options.libraryPath);
    } else if (word == "--script-types") {
      error = ValueOf(arguments, at, options.scriptTypes);
    } else if (word == "--protocol") {
      error = ValueOf(arguments, at, options.protocol);
    } else if (word == "--screenshot") {
      error = ValueOf(arguments, at, options.screenshot);
    } else if (word == "--first-frame") {
      options.firstFrame = true;
    } else if (IsOption(word)) {
      error = "unknown option " + word;
    } else if (options.settingsFile) {
      error = "unexpected argument " + word;
    } else {
      options.settingsFile = word;
    }
    if (error) return *error;
  }
  if (const auto error = Check(options)) return *error;
  return options;
}

}  // namespace tessaly::host
