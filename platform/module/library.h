#pragma once

// Loading shared libraries at run time. A bare library name is looked for only beside the host
// executable, never in the current folder, LD_LIBRARY_PATH or the system's folders: a library
// planted anywhere else cannot be run by naming it.

#include <string>

#include "platform/win32/types.h"

using FARPROC = INT_PTR (*)();

// Loads `name`: a name with "/" as given (relative to the current folder), a bare name from the
// host executable's folder. Null when it cannot be loaded, also when the executable's path
// names no folder.
HMODULE LoadLibraryA(LPCSTR name);

// The address of `name` in the library, or null. Cast it to the entry's real type.
FARPROC GetProcAddress(HMODULE module, LPCSTR name);

// Drops one load of the library; FALSE for a null handle or when the loader refuses.
BOOL FreeLibrary(HMODULE module);

namespace platform::module {

// The file that LoadLibraryA tries for `name`; empty when a bare name has no folder to be
// looked for in.
std::string LibraryPathFor(const std::string& name);

// An entry found by GetProcAddress as the function type it really has.
template <typename Entry>
Entry EntryAs(FARPROC address) {
  return reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(address));
}

// What the loader said about the last failed load on this thread; empty after a success.
std::string LastLoadError();

}  // namespace platform::module
