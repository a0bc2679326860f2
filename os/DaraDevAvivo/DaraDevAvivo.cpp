#include "os/DaraDevAvivo/DaraDevAvivo.h"

#include <string>

#include "platform/registry/registry.h"

extern "C" OsStrSb GetStringKeyData(const char* keyPath, const char* valueName, HKEY root, const char* defaultText) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return xfvOsStrCreate(defaultText);
  DWORD size = 0;
  DWORD type = 0;
  std::string value;
  bool found = RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && size > 0;
  if (found) {
    value.resize(size);
    found = RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<LPBYTE>(value.data()), &size) ==
            ERROR_SUCCESS;
  }
  RegCloseKey(key);
  return xfvOsStrCreate(found ? value.c_str() : defaultText);
}
