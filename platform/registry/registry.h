#pragma once

// A stand-in for the per-user Windows registry: one profile file, a section per key named
// with its root ("HKEY_CURRENT_USER\Software\..."), an entry per value, "@" for a key's
// default value. The file lives at ${XDG_CONFIG_HOME:-$HOME/.config}/Corvanex/Trevalon/
// registry.ini and is created readable and writable by its user only.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/win32/types.h"

using REGSAM = DWORD;

inline const HKEY HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(std::uintptr_t{0x80000000});
inline const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(std::uintptr_t{0x80000001});
inline const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(std::uintptr_t{0x80000002});
inline const HKEY HKEY_USERS = reinterpret_cast<HKEY>(std::uintptr_t{0x80000003});

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_MORE_DATA = 234;

inline constexpr DWORD REG_SZ = 1;
inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_READ = 0x20019;

// Opens an existing key below `root` (a root or an open key). A leading "\" is allowed.
LONG RegOpenKeyExA(HKEY root, LPCSTR subKey, DWORD options, REGSAM desired, HKEY* result);
// A string value (REG_SZ): with null `data` only its size with the NUL; ERROR_MORE_DATA
// with the needed size when `*size` is too small. A null or empty name is the default value.
LONG RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size);
// Sets a string value; the key's section is made when missing.
LONG RegSetValueExA(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size);
LONG RegCloseKey(HKEY key);

namespace platform::registry {

// The stand-in's file for the current user.
std::string StoreFilePath();

// The section name of a key path such as "HKEY_CURRENT_USER\Software\X" (or "HKCU\..."),
// or nothing when the path names no root.
std::optional<std::string> CanonicalKeyPath(std::string_view keyPath);

// A value by key path and name ("" or "@" is the default value); nothing when missing.
std::optional<std::string> GetValue(std::string_view keyPath, std::string_view name);
std::error_code SetValue(std::string_view keyPath, std::string_view name, std::string_view value);

}  // namespace platform::registry
