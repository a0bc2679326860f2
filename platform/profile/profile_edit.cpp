#include "platform/profile/profile_edit.h"

#include "platform/profile/profile_text.h"

namespace platform::profile {

namespace {

bool ChangedByRead(std::string_view value) {
  return TrimBlanks(value).size() != value.size() || RemoveQuotes(value).size() != value.size();
}

std::string Splice(std::string_view text, std::size_t from, std::size_t to, std::string_view insert) {
  std::string result;
  result.reserve(text.size() - (to - from) + insert.size());
  result.append(text.substr(0, from)).append(insert).append(text.substr(to));
  return result;
}

std::string KeyLine(std::string_view name, std::string_view value) {
  std::string line(name);
  line += '=';
  line += EncodeValue(value);
  return line;
}

std::optional<std::string> AppendSection(std::string_view text, std::string_view section, std::string_view key,
                                         std::string_view value) {
  const std::string_view eol = LineEndOf(text);
  std::string added;
  const bool ends_open = !text.empty() && text.back() != '\n' && text.back() != '\r' && text != "\xEF\xBB\xBF";
  if (ends_open) added += eol;
  added.append("[").append(section).append("]").append(eol).append(KeyLine(key, value)).append(eol);
  return Splice(text, text.size(), text.size(), added);
}

std::optional<std::string> InsertKey(std::string_view text, const Lookup& found, std::string_view key,
                                     std::string_view value) {
  const std::string_view eol = LineEndOf(text);
  const LineSpan& after = found.last_nonblank;
  std::string added = after.HasLineEnd() ? std::string() : std::string(eol);
  added.append(KeyLine(key, value)).append(eol);
  return Splice(text, after.next, after.next, added);
}

std::optional<std::string> SetKey(std::string_view text, std::string_view section, std::string_view key,
                                  std::string_view value) {
  const Lookup found = Find(text, section, &key);
  if (!found.section_found) return AppendSection(text, section, key, value);
  if (!found.key_found) return InsertKey(text, found, key, value);
  if (found.key.has_value && found.key.value == EncodeValue(value)) return std::nullopt;
  // The name keeps its spelling in the file; the line keeps its own line end.
  return Splice(text, found.key_line.begin, found.key_line.end, KeyLine(found.key.name, value));
}

std::optional<std::string> DeleteKey(std::string_view text, std::string_view section, std::string_view key) {
  const Lookup found = Find(text, section, &key);
  if (!found.key_found) return std::nullopt;
  return Splice(text, found.key_line.begin, found.key_line.next, {});
}

std::optional<std::string> DeleteSection(std::string_view text, std::string_view section) {
  const Lookup found = Find(text, section, nullptr);
  if (!found.section_found) return std::nullopt;
  return Splice(text, found.header.begin, found.section_end, {});
}

}  // namespace

std::string EncodeValue(std::string_view value) {
  if (!ChangedByRead(value)) return std::string(value);
  std::string quoted;
  quoted.reserve(value.size() + 2);
  quoted.append("\"").append(value).append("\"");
  return quoted;
}

bool IsWritable(std::string_view section, const std::string_view* key, const std::string_view* value) {
  // Whatever is written must read back as itself: one line, parsed as the header or the key asked for.
  const auto one_line = [](std::string_view text) { return text.find_first_of("\r\n") == text.npos; };
  section = TrimBlanks(section);
  const std::string header = "[" + std::string(section) + "]";
  const ParsedLine parsed_header = ParseLine(header);
  if (!one_line(section) || parsed_header.kind != LineKind::Section || parsed_header.name != section) return false;
  if (!key) return true;
  const std::string_view name = TrimBlanks(*key);
  if (!one_line(name)) return false;
  if (!value) return true;
  const std::string line = KeyLine(name, *value);
  const ParsedLine parsed = ParseLine(line);
  return one_line(*value) && parsed.kind == LineKind::Key && parsed.name == name && parsed.has_value &&
         RemoveQuotes(parsed.value) == *value;
}

std::optional<std::string> EditText(std::string_view text, std::string_view section, const std::string_view* key,
                                    const std::string_view* value) {
  section = TrimBlanks(section);
  if (!key) return DeleteSection(text, section);
  const std::string_view name = TrimBlanks(*key);
  if (!value) return DeleteKey(text, section, name);
  return SetKey(text, section, name, *value);
}

}  // namespace platform::profile
