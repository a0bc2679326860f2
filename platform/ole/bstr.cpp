#include "platform/ole/bstr.h"

#include <cstdlib>
#include <cstring>

// The length sits in the four bytes before the text, as callers of the original calls may
// look at it; the text is NUL-terminated as well.
BSTR SysAllocStringLen(const WCHAR* text, UINT length) {
  const std::size_t bytes = sizeof(std::uint32_t) + (static_cast<std::size_t>(length) + 1) * sizeof(WCHAR);
  auto* block = static_cast<unsigned char*>(std::malloc(bytes));
  if (!block) return nullptr;
  const std::uint32_t byteLength = length * sizeof(WCHAR);
  std::memcpy(block, &byteLength, sizeof byteLength);
  auto* wide = reinterpret_cast<WCHAR*>(block + sizeof(std::uint32_t));
  if (text)
    std::memcpy(wide, text, length * sizeof(WCHAR));
  else
    std::memset(wide, 0, length * sizeof(WCHAR));
  wide[length] = 0;
  return wide;
}

BSTR SysAllocString(const WCHAR* text) {
  if (!text) return nullptr;
  UINT length = 0;
  while (text[length] != 0) ++length;
  return SysAllocStringLen(text, length);
}

void SysFreeString(BSTR text) {
  if (text) std::free(reinterpret_cast<unsigned char*>(text) - sizeof(std::uint32_t));
}

UINT SysStringLen(BSTR text) {
  if (!text) return 0;
  std::uint32_t byteLength = 0;
  std::memcpy(&byteLength, reinterpret_cast<unsigned char*>(text) - sizeof(std::uint32_t), sizeof byteLength);
  return byteLength / sizeof(WCHAR);
}
