#include "platform/profile/profile.h"

#include <cerrno>
#include <cstring>

#include "platform/crt/text.h"
#include "platform/profile/profile_edit.h"
#include "platform/profile/profile_text.h"

namespace platform::profile {

namespace {

// Copies as much of `text` as fits, leaving room for the NUL.
DWORD CopyCut(std::string_view text, LPSTR buffer, DWORD size) {
  const std::size_t copied = std::min<std::size_t>(text.size(), size - 1);
  std::memcpy(buffer, text.data(), copied);
  buffer[copied] = '\0';
  return static_cast<DWORD>(copied);
}

// A NUL-separated list that ends in a second NUL; a list that does not fit is cut at a
// whole byte and still ends in two NULs, and the result is then size - 2.
DWORD CopyList(const std::string& list, LPSTR buffer, DWORD size) {
  if (size < 2) {
    buffer[0] = '\0';
    return 0;
  }
  if (list.size() + 1 <= size) {
    std::memcpy(buffer, list.data(), list.size());
    buffer[list.size()] = '\0';
    return static_cast<DWORD>(list.size());
  }
  std::memcpy(buffer, list.data(), size - 2);
  buffer[size - 2] = buffer[size - 1] = '\0';
  return size - 2;
}

std::string ListSections(std::string_view text) {
  std::string list;
  LineReader reader(text);
  for (LineSpan line; reader.Next(line);) {
    const ParsedLine parsed = ParseLine(text.substr(line.begin, line.end - line.begin));
    if (parsed.kind == LineKind::Section) list.append(parsed.name).push_back('\0');
  }
  return list;
}

std::string ListKeys(std::string_view text, std::string_view section) {
  std::string list;
  const Lookup found = Find(text, section, nullptr);
  if (!found.section_found) return list;
  // Lines up to the header belong to other sections.
  const std::string_view body = text.substr(0, found.section_end);
  LineReader reader(body);
  for (LineSpan line; reader.Next(line);) {
    if (line.begin < found.header.next) continue;
    const ParsedLine parsed = ParseLine(body.substr(line.begin, line.end - line.begin));
    if (parsed.kind == LineKind::Key) list.append(parsed.name).push_back('\0');
  }
  return list;
}

std::string TextOf(const std::string& file) {
  FileText content;
  (void)ReadFile(file, content);  // an unreadable file reads as missing, as the Win32 calls do
  return std::move(content.text);
}

}  // namespace

std::optional<std::string> ReadString(const std::string& file, std::string_view section, std::string_view key) {
  const std::string text = TextOf(file);
  const auto value = FindValue(text, section, key);
  return value ? std::optional<std::string>(*value) : std::nullopt;
}

std::int32_t ReadInt(const std::string& file, std::string_view section, std::string_view key,
                     std::int32_t defaultValue) {
  const auto value = ReadString(file, section, key);
  if (!value || value->empty()) return defaultValue;
  return crt::LeadingInteger(*value);
}

std::error_code CheckReadable(const std::string& file) {
  FileText content;
  return ReadFile(file, content);
}

std::error_code Write(const std::string& file, std::string_view section, const std::string_view* key,
                      const std::string_view* value, const WriteOptions& options) {
  if (!IsWritable(section, key, value)) return std::make_error_code(std::errc::invalid_argument);
  return UpdateFile(
      file, [&](std::string_view current) { return EditText(current, section, key, value); }, options);
}

}  // namespace platform::profile

using namespace platform::profile;

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer, DWORD size, LPCSTR file) {
  if (!buffer || size == 0) return 0;
  const std::string text = file ? TextOf(file) : std::string();
  if (!section) return CopyList(ListSections(text), buffer, size);
  if (!key) return CopyList(ListKeys(text, section), buffer, size);
  if (const auto value = FindValue(text, section, key)) return CopyCut(*value, buffer, size);
  std::string_view fallback = defaultText ? defaultText : "";
  while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
  return CopyCut(fallback, buffer, size);
}

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR file) {
  if (!section || !key || !file) return static_cast<UINT>(defaultValue);
  return static_cast<UINT>(ReadInt(file, section, key, defaultValue));
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
  if (!section || !file) {
    errno = EINVAL;
    return FALSE;
  }
  const std::string_view key_text = key ? key : "";
  const std::string_view value_text = value ? value : "";
  const std::error_code error = Write(file, section, key ? &key_text : nullptr, value ? &value_text : nullptr);
  if (error) errno = error.value();
  return error ? FALSE : TRUE;
}
