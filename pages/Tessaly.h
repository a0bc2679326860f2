#pragma once

// The functions the library exports, under their plain names.

#include <cstdint>

#include "pages/TvBaseException.h"
#include "pages/export.h"

extern "C" {

// Records the host's active application; nothing depends on it.
TESSALY_EXPORT void SetActiveApp(std::uintptr_t application);

// Replaces the script type list with a copy of `scriptTypes` (null: empty). The two leading
// arguments are not used.
TESSALY_EXPORT void SetAdditionalData(int first, int second, const char* scriptTypes);

// Adjusts the settings file to the default of the product. The second argument is not used.
TESSALY_EXPORT void SetProductDefault(int productCode, int ignored, const char* settingsFile);
}
