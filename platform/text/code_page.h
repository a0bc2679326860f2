#pragma once

// Conversions between narrow text in a Windows code page and wide (UTF-16) text, with the
// Win32 calls' shape, and the UTF-8 forms that front ends speak.

#include <string>
#include <string_view>

#include "platform/win32/types.h"

inline constexpr UINT CP_ACP = 0;
inline constexpr UINT CP_UTF8 = 65001;
inline constexpr UINT kCodePageWestern = 1252;
inline constexpr UINT kCodePageJapanese = 932;

// The ANSI code page of the current thread's locale: 932 under a Japanese locale (LC_ALL,
// LC_MESSAGES or LANG naming "ja"), 1252 otherwise. Read afresh at each call.
UINT GetACP();

// Narrow to wide. Returns the number of wide characters written (or needed, when
// wideSize is 0); 0 on a bad argument or a buffer too small. A byte sequence that the code
// page does not define becomes that code page's default character.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int length, LPWSTR wide, int wideSize);

// Wide to narrow, the same way round; a character the code page cannot represent becomes
// its default character "?". `usedDefault` (may be null) tells whether that happened.
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int length, LPSTR text, int textSize,
                        LPCSTR defaultChar, BOOL* usedDefault);

namespace platform::text {

std::u16string ToWide(std::string_view text, UINT codePage);
std::string ToNarrow(std::u16string_view wide, UINT codePage);

// UTF-8 as front ends hand it over; malformed sequences become U+FFFD.
std::u16string Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::u16string_view wide);

// Narrow text of a window (thread code page) to and from UTF-8.
std::string AnsiToUtf8(std::string_view text);
std::string Utf8ToAnsi(std::string_view utf8);

}  // namespace platform::text
