#pragma once

// The handful of Win32 scalar and handle types that our platform layer speaks in.
// Sizes follow the LP64 reading of the Win32 ABI: 32-bit integers stay 32-bit,
// pointer-sized values are pointer-sized.

#include <cstdint>

using BOOL = int;
using INT = int;
using UINT = unsigned int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using CHAR = char;
using WCHAR = char16_t;

using LPSTR = char*;
using LPCSTR = const char*;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPBYTE = BYTE*;
using LPDWORD = DWORD*;
using LPVOID = void*;

using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using DWORD_PTR = std::uintptr_t;
using HANDLE = void*;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Handles are distinct incomplete types so that they cannot be mixed up.
#define TESSALY_DECLARE_HANDLE(name) \
  struct name##__;                   \
  using name = name##__*
TESSALY_DECLARE_HANDLE(HKEY);
TESSALY_DECLARE_HANDLE(HWND);
TESSALY_DECLARE_HANDLE(HINSTANCE);
TESSALY_DECLARE_HANDLE(HFONT);
TESSALY_DECLARE_HANDLE(HICON);
TESSALY_DECLARE_HANDLE(HBITMAP);
TESSALY_DECLARE_HANDLE(HDC);
TESSALY_DECLARE_HANDLE(HGDIOBJ);
TESSALY_DECLARE_HANDLE(HCURSOR);
#undef TESSALY_DECLARE_HANDLE
using HMODULE = HINSTANCE;
