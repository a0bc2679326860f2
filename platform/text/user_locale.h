#pragma once

// The user's locale, as the layer and the OS-interface library decide the language class by it.

namespace platform::text {

// LC_ALL, LC_MESSAGES and LANG in this order of precedence name the locale; it is Japanese
// when its language is "ja" ("ja", "ja_JP.UTF-8", "ja_JP.SJIS", ...).
bool UserLocaleIsJapanese();

}  // namespace platform::text
