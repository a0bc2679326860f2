#include "platform/text/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/text/user_locale.h"

namespace {

UINT Resolve(UINT codePage) { return codePage == CP_ACP ? GetACP() : codePage; }

const char* IconvName(UINT codePage) {
  switch (codePage) {
    case kCodePageJapanese:
      return "CP932";
    case CP_UTF8:
      return "UTF-8";
    default:
      return "CP1252";
  }
}

// What a code page gives for bytes it does not define.
char16_t WideDefault(UINT codePage) { return codePage == kCodePageJapanese ? u'\u30FB' : u'\uFFFD'; }

class Converter {
 public:
  Converter(const char* to, const char* from) : m_handle(iconv_open(to, from)) {}
  ~Converter() {
    if (Valid()) iconv_close(m_handle);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool Valid() const { return m_handle != reinterpret_cast<iconv_t>(-1); }

  // Converts one unit; false when the input is not defined in the source or target.
  bool One(const char* in, std::size_t inSize, std::string& out) {
    char buffer[16];
    char* source = const_cast<char*>(in);
    char* target = buffer;
    std::size_t left = inSize;
    std::size_t room = sizeof buffer;
    iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
    if (iconv(m_handle, &source, &left, &target, &room) == static_cast<std::size_t>(-1) || left != 0) return false;
    out.append(buffer, static_cast<std::size_t>(target - buffer));
    return true;
  }

 private:
  iconv_t m_handle;
};

// The length of the narrow character that starts at text[0].
std::size_t NarrowCharLength(UINT codePage, std::string_view text) {
  if (codePage != kCodePageJapanese || text.size() < 2) return 1;
  const auto lead = static_cast<unsigned char>(text[0]);
  const bool isLead = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
  return isLead ? 2 : 1;
}

void AppendUtf16Unit(std::u16string& wide, const std::string& utf16le) {
  for (std::size_t i = 0; i + 1 < utf16le.size(); i += 2)
    wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(utf16le[i]) |
                                         (static_cast<unsigned char>(utf16le[i + 1]) << 8)));
}

std::u16string NarrowToWide(std::string_view text, UINT codePage) {
  std::u16string wide;
  if (codePage == CP_UTF8) return platform::text::Utf8ToWide(text);
  Converter converter("UTF-16LE", IconvName(codePage));
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = NarrowCharLength(codePage, text.substr(i));
    std::string unit;
    if (converter.Valid() && converter.One(text.data() + i, length, unit)) {
      AppendUtf16Unit(wide, unit);
    } else {
      // 1252 leaves five bytes undefined, which Windows passes through as C1 controls.
      const auto byte = static_cast<unsigned char>(text[i]);
      wide.push_back(codePage == kCodePageWestern && length == 1 ? static_cast<char16_t>(byte) : WideDefault(codePage));
    }
    i += length;
  }
  return wide;
}

std::string WideToNarrow(std::u16string_view wide, UINT codePage, bool* usedDefault) {
  if (codePage == CP_UTF8) return platform::text::WideToUtf8(wide);
  std::string text;
  Converter converter(IconvName(codePage), "UTF-16LE");
  for (std::size_t i = 0; i < wide.size();) {
    std::size_t units = 1;
    if (wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF)
      units = 2;
    std::string in;
    for (std::size_t u = 0; u < units; ++u) {
      in.push_back(static_cast<char>(wide[i + u] & 0xFF));
      in.push_back(static_cast<char>(wide[i + u] >> 8));
    }
    if (!converter.Valid() || !converter.One(in.data(), in.size(), text)) {
      text.push_back('?');
      if (usedDefault) *usedDefault = true;
    }
    i += units;
  }
  return text;
}

}  // namespace

UINT GetACP() { return platform::text::UserLocaleIsJapanese() ? kCodePageJapanese : kCodePageWestern; }

int MultiByteToWideChar(UINT codePage, DWORD, LPCSTR text, int length, LPWSTR wide, int wideSize) {
  if (!text || wideSize < 0 || (wideSize > 0 && !wide)) return 0;
  const bool withTerminator = length < 0;
  std::string_view source = withTerminator ? std::string_view(text, std::strlen(text) + 1)
                                           : std::string_view(text, static_cast<std::size_t>(length));
  const std::u16string converted = NarrowToWide(source, Resolve(codePage));
  const int needed = static_cast<int>(converted.size());
  if (wideSize == 0) return needed;
  if (needed > wideSize) return 0;
  std::memcpy(wide, converted.data(), converted.size() * sizeof(char16_t));
  return needed;
}

int WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR wide, int length, LPSTR text, int textSize, LPCSTR,
                        BOOL* usedDefault) {
  if (!wide || textSize < 0 || (textSize > 0 && !text)) return 0;
  std::size_t count = 0;
  if (length < 0) {
    while (wide[count] != 0) ++count;
    ++count;
  } else {
    count = static_cast<std::size_t>(length);
  }
  bool defaulted = false;
  const std::string converted = WideToNarrow(std::u16string_view(wide, count), Resolve(codePage), &defaulted);
  if (usedDefault) *usedDefault = defaulted ? TRUE : FALSE;
  const int needed = static_cast<int>(converted.size());
  if (textSize == 0) return needed;
  if (needed > textSize) return 0;
  std::memcpy(text, converted.data(), converted.size());
  return needed;
}

namespace platform::text {

std::u16string ToWide(std::string_view text, UINT codePage) { return NarrowToWide(text, Resolve(codePage)); }

std::string ToNarrow(std::u16string_view wide, UINT codePage) { return WideToNarrow(wide, Resolve(codePage), nullptr); }

std::u16string Utf8ToWide(std::string_view utf8) {
  std::u16string wide;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80         ? 1
                               : (lead >> 5) == 6  ? 2
                               : (lead >> 4) == 14 ? 3
                               : (lead >> 3) == 30 ? 4
                                                   : 0;
    char32_t code = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
    bool valid = length != 0 && i + length <= utf8.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    valid = valid && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF) && !(length == 2 && code < 0x80) &&
            !(length == 3 && code < 0x800) && !(length == 4 && code < 0x10000);
    if (!valid) {
      wide.push_back(u'\uFFFD');
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      wide.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      wide.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      wide.push_back(static_cast<char16_t>(code));
    }
    i += length;
  }
  return wide;
}

std::string WideToUtf8(std::u16string_view wide) {
  std::string utf8;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char32_t code = wide[i];
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
      ++i;
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = 0xFFFD;
    }
    if (code < 0x80) {
      utf8.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
      utf8.push_back(static_cast<char>(0xC0 | (code >> 6)));
      utf8.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
      utf8.push_back(static_cast<char>(0xE0 | (code >> 12)));
      utf8.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
      utf8.push_back(static_cast<char>(0xF0 | (code >> 18)));
      utf8.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }
  return utf8;
}

std::string AnsiToUtf8(std::string_view text) { return WideToUtf8(ToWide(text, CP_ACP)); }

std::string Utf8ToAnsi(std::string_view utf8) { return ToNarrow(Utf8ToWide(utf8), CP_ACP); }

}  // namespace platform::text
