#pragma once

// The C runtime's text rules as the Windows callers of this layer rely on them.

#include <cstdint>
#include <string_view>

namespace platform::crt {

// atoi over a text: leading white space skipped, an optional sign, then decimal digits up
// to the first other character; no digits give 0. The value wraps modulo 2^32 rather than
// overflowing, so every input has a defined result.
std::int32_t LeadingInteger(std::string_view text);

// _stricmp(a, b) == 0: whole texts equal when ASCII letters are compared without case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// _strnicmp-style prefix test: does `text` begin with `prefix`, ASCII letters without case.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

// Orders two texts as a sorted list shows them: bytes compared with ASCII letters folded to
// lower case. Negative, zero or positive, as strcmp.
int CompareIgnoringCase(std::string_view a, std::string_view b);

// ASCII lower-casing of one character (no locale involved).
constexpr char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace platform::crt
