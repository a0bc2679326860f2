#include "host/drive/drive_command.h"

#include <charconv>

namespace tessaly::host {

std::optional<std::int64_t> ParseNumber(std::string_view word, std::int64_t min, std::int64_t max) {
  std::int64_t value = 0;
  const char* end = word.data() + word.size();
  // from_chars takes no plus sign; a lone minus or a number with trailing text is no number.
  const auto [stop, failure] = std::from_chars(word.data(), end, value);
  if (word.empty() || failure != std::errc() || stop != end || value < min || value > max) return std::nullopt;
  return value;
}

std::string NotANumber(std::string_view what, std::string_view word) {
  return std::string(what) + " is not a number in range: \"" + std::string(word) + "\"";
}

}  // namespace tessaly::host
