#include "platform/profile/profile_text.h"

#include <cstring>

#include "platform/crt/text.h"

namespace platform::profile {

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::size_t FindByte(std::string_view text, std::size_t from, char byte) {
  if (from >= text.size()) return text.size();
  const void* hit = std::memchr(text.data() + from, byte, text.size() - from);
  return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : text.size();
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool MayBeHeader(std::string_view content) {
  for (char c : content) {
    if (c == '[') return true;
    if (!IsBlank(c)) return false;
  }
  return false;
}
}  // namespace

LineReader::LineReader(std::string_view text) : m_text(text) {
  if (m_text.substr(0, kUtf8Bom.size()) == kUtf8Bom) m_pos = kUtf8Bom.size();
}

bool LineReader::Next(LineSpan& line) {
  if (m_pos >= m_text.size()) return false;
  // memchr twice keeps long lines fast; a lone CR is rare but ends a line as well.
  std::size_t end = FindByte(m_text, m_pos, '\n');
  end = std::min(end, FindByte(m_text.substr(0, end), m_pos, '\r'));
  std::size_t next = end;
  if (next < m_text.size()) {
    next += (m_text[next] == '\r' && next + 1 < m_text.size() && m_text[next + 1] == '\n') ? 2 : 1;
  }
  line = {m_pos, end, next};
  m_pos = next;
  return true;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool NamesMatch(std::string_view a, std::string_view b) { return crt::EqualsIgnoringCase(a, b); }

std::string_view RemoveQuotes(std::string_view value) {
  if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

ParsedLine ParseLine(std::string_view content) {
  content = content.substr(0, content.find('\0'));
  const std::string_view trimmed = TrimBlanks(content);
  if (trimmed.empty()) return {};
  if (trimmed.front() == '[') {
    const std::size_t close = trimmed.rfind(']');
    if (close != std::string_view::npos && close > 0) {
      return {LineKind::Section, TrimBlanks(trimmed.substr(1, close - 1)), false, {}};
    }
  }
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return {LineKind::Key, trimmed, false, {}};
  return {LineKind::Key, TrimBlanks(trimmed.substr(0, equals)), true, TrimBlanks(trimmed.substr(equals + 1))};
}

Lookup Find(std::string_view text, std::string_view section, const std::string_view* key) {
  section = TrimBlanks(section);
  const std::string_view key_name = key ? TrimBlanks(*key) : std::string_view{};
  Lookup found;
  found.section_end = text.size();
  LineReader reader(text);
  LineSpan line;
  while (reader.Next(line)) {
    const std::string_view content = text.substr(line.begin, line.end - line.begin);
    // Until the section is found only headers matter: skip other lines without parsing them.
    if (!found.section_found && !MayBeHeader(content)) continue;
    const ParsedLine parsed = ParseLine(content);
    if (!found.section_found) {
      if (parsed.kind == LineKind::Section && NamesMatch(parsed.name, section)) {
        found.section_found = true;
        found.header = found.last_nonblank = line;
      }
      continue;
    }
    if (parsed.kind == LineKind::Section) {
      found.section_end = line.begin;
      break;
    }
    if (parsed.kind == LineKind::Blank) continue;
    found.last_nonblank = line;
    if (key && NamesMatch(parsed.name, key_name)) {
      found.key_found = true;
      found.key_line = line;
      found.key = parsed;
      break;
    }
  }
  return found;
}

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section, std::string_view key) {
  const Lookup found = Find(text, section, &key);
  if (!found.key_found || !found.key.has_value) return std::nullopt;
  return RemoveQuotes(found.key.value);
}

std::string_view LineEndOf(std::string_view text) {
  const std::size_t at = text.find_first_of("\r\n");
  if (at == std::string_view::npos) return "\r\n";
  if (text[at] == '\n') return "\n";
  return (at + 1 < text.size() && text[at + 1] == '\n') ? "\r\n" : "\r";
}

}  // namespace platform::profile
