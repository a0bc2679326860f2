#pragma once

// The desktop's choice of program for a kind of file, found the way the freedesktop.org
// desktops record it: the default applications of the mimeapps.list files (user, then system,
// desktop-specific lists first), then the older defaults.list, then any application that
// declares the type in mimeinfo.cache; the chosen desktop entry's Exec program, searched on
// PATH when it is a bare name. Nothing is run to find it.

#include <string>
#include <string_view>

namespace platform::desktop {

// The program path, or empty when the desktop has none for `mimeType`.
std::string DefaultApplicationProgram(std::string_view mimeType);

// The program of a desktop entry file's Exec key (unquoted and unescaped as desktop entries
// write it, not yet searched on PATH); empty when the entry is hidden or has no Exec.
std::string DesktopEntryProgram(const std::string& desktopFile);

}  // namespace platform::desktop
