#pragma once

// Reads and writes of section "WEB" of a settings file, with the buffer sizes the callers
// use, so that what a caller sees is what the profile functions give it.

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace tessaly {

inline constexpr std::string_view kWebSection = "WEB";

// A text read with a buffer of `bufferSize` bytes: at most bufferSize - 1 characters.
std::string ReadText(const std::string& file, std::string_view section, std::string_view key,
                     std::string_view defaultText, unsigned bufferSize);

// The integer read of the profile functions.
int ReadWholeNumber(const std::string& file, std::string_view section, std::string_view key, int defaultValue);

// The whole stored text, or nothing when the read would give the default: for callers that
// must not lose a value longer than their buffer.
std::optional<std::string> ReadWholeText(const std::string& file, std::string_view section, std::string_view key);

std::error_code WriteText(const std::string& file, std::string_view section, std::string_view key,
                          std::string_view value);
std::error_code DeleteKey(const std::string& file, std::string_view section, std::string_view key);

}  // namespace tessaly
