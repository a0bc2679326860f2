#pragma once

// Profile (INI) files with the semantics of the Win32 functions of these names, and the
// C++ calls beneath them for callers that want the whole value or the reason of a failure.

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/profile/profile_file.h"
#include "platform/win32/types.h"

// The value of `key` in `section`, or `defaultText` (trailing spaces removed; null is the
// empty text), cut to `size` - 1 bytes and NUL-terminated. Returns the bytes copied.
// A null `section` lists the section names, a null `key` the key names of the section,
// each ending in a NUL, the list ending in a second one.
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer, DWORD size, LPCSTR file);

// The leading decimal integer of the value, or `defaultValue` when the key is missing,
// has no "=" or an empty value.
UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR file);

// Sets the value, creating file, section and key as needed; a null `value` deletes the key,
// a null `key` the section. FALSE when the write could not be done (errno tells why); the
// file is then as it was.
BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file);

namespace platform::profile {

// The value as the string read gives it, whole: nothing where the read gives the default.
std::optional<std::string> ReadString(const std::string& file, std::string_view section, std::string_view key);

// What the integer read gives.
std::int32_t ReadInt(const std::string& file, std::string_view section, std::string_view key,
                     std::int32_t defaultValue);

// Whether the reads of the file see its content: a missing file is fine, a file that
// exists but cannot be read is not.
std::error_code CheckReadable(const std::string& file);

// The write beneath WritePrivateProfileStringA; a null key deletes the section, a null
// value the key.
std::error_code Write(const std::string& file, std::string_view section, const std::string_view* key,
                      const std::string_view* value, const WriteOptions& options = {});

}  // namespace platform::profile
