#pragma once

// The commands of a drive script: each a name, its usage, how many arguments it takes and
// the code that runs it. A command answers with nothing on success, or with the reason it
// could not run, which the driver prints as an error of its line.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessaly::host {

class DriveOutput;
class TabHost;

struct DriveContext {
  TabHost& host;
  DriveOutput& output;
};

using Arguments = std::span<const std::string>;
using CommandError = std::optional<std::string>;

struct DriveCommand {
  static constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max();

  std::string_view name;
  std::string_view usage;
  std::size_t minArguments;
  std::size_t maxArguments;
  CommandError (*run)(DriveContext& context, Arguments arguments);
};

// The library and sheet commands, and the user's input with dump.
std::span<const DriveCommand> SheetCommands();
std::span<const DriveCommand> InputCommands();

// A decimal integer within [min, max], the whole word.
std::optional<std::int64_t> ParseNumber(std::string_view word, std::int64_t min, std::int64_t max);
// The error for a word that is not such a number.
std::string NotANumber(std::string_view what, std::string_view word);

}  // namespace tessaly::host
