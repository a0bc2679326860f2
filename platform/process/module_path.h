#pragma once

// The path of the running program, as the library asks for it to find the files that lie
// beside the host (help, language catalogue).

#include <string>

#include "platform/win32/types.h"

inline constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;

// The full path of the host executable for a null module; other modules are not known
// here and give 0. A path that does not fit is cut to size - 1 characters and the result
// is then `size`, as on Windows.
DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size);

namespace platform::process {

// The host executable's path: the one a host set for itself, else /proc/self/exe.
std::string ExecutablePath();

// Makes the library see `path` as the host executable (taken as given, relative or
// absolute); an empty path returns to the real one.
void SetExecutablePath(std::string path);

}  // namespace platform::process
