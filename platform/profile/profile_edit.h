#pragma once

// How a write changes the text of a profile file: the smallest edit that gives the
// requested value, leaving every other byte as it was.

#include <optional>
#include <string>
#include <string_view>

namespace platform::profile {

// A value as it goes into the file. Values that a read would change (blanks at either end,
// a pair of equal quotes around them) are put in double quotes, which a read removes again.
std::string EncodeValue(std::string_view value);

// Whether the names and value can be written so that they read back as themselves: one line
// each, a key name without "=" that does not read as a section header. Anything else would
// inject lines or keys that nobody asked for.
bool IsWritable(std::string_view section, const std::string_view* key, const std::string_view* value);

// The text after the write, or nothing when the write leaves the text as it is.
//   value given:          set key (creating section and key as needed);
//   value null:           delete the key;
//   key and value null:   delete the section.
std::optional<std::string> EditText(std::string_view text, std::string_view section, const std::string_view* key,
                                    const std::string_view* value);

}  // namespace platform::profile
