#pragma once

// The product's web library: per-user option values from the registry.

#include "os/karvil32/karvil32.h"
#include "platform/win32/types.h"

extern "C" {

// The registry value `valueName` of `keyPath` under `root`, or `defaultText` when the key
// or the value is missing. Release the holder with xfvOsStrDestruct.
OsStrSb GetStringKeyData(const char* keyPath, const char* valueName, HKEY root, const char* defaultText);
}
