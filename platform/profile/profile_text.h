#pragma once

// The grammar of a profile (INI) file as the Win32 profile functions read it.
// Everything here works on bytes in memory; nothing touches the file system.

#include <cstddef>
#include <optional>
#include <string_view>

namespace platform::profile {

// One physical line: its content [begin, end) and its line end [end, next).
struct LineSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t next = 0;
  bool HasLineEnd() const { return next > end; }
};

// Walks the lines of a text. LF, CR LF and a lone CR each end a line; a last line
// without a line end is a line too. A UTF-8 byte order mark before the first line is
// not part of it.
class LineReader {
 public:
  explicit LineReader(std::string_view text);
  bool Next(LineSpan& line);

 private:
  std::string_view m_text;
  std::size_t m_pos = 0;
};

enum class LineKind { Blank, Section, Key };

// What a line means: a blank line, a section header with its name, or a key line with its
// name and, when it has an "=", its value. Names and values come trimmed; the value keeps
// its quotes (see RemoveQuotes). Content after a NUL byte does not count.
struct ParsedLine {
  LineKind kind = LineKind::Blank;
  std::string_view name;
  bool has_value = false;
  std::string_view value;
};
ParsedLine ParseLine(std::string_view content);

// Blanks around names and values: space, TAB, CR, LF, VT, FF and 0x1A.
bool IsBlank(char c);
std::string_view TrimBlanks(std::string_view text);

// Section and key names match without regard to the case of ASCII letters.
bool NamesMatch(std::string_view a, std::string_view b);

// One pair of the same quote character (" or ') around a trimmed value is not part of it.
std::string_view RemoveQuotes(std::string_view value);

// Where a section and a key of it stand in a text. Only the first section of a name is
// searched, and the first key line of a name in it counts.
struct Lookup {
  bool section_found = false;
  LineSpan header;              // the section's header line
  LineSpan last_nonblank;       // its last non-blank line (the header when it has no other)
  std::size_t section_end = 0;  // where the next header begins, or the text's end (when no key was found)
  bool key_found = false;
  LineSpan key_line;
  ParsedLine key;
};
// With a null `key` only the section is looked up, and walked to its end.
Lookup Find(std::string_view text, std::string_view section, const std::string_view* key);

// The value a string read gives for the key, quotes removed; nothing where it gives the default.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view section, std::string_view key);

// The line end that new lines get: the first one the text uses, CR LF when it has none.
std::string_view LineEndOf(std::string_view text);

}  // namespace platform::profile
