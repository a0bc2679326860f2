#pragma once

// The functions the library exports, under their plain names.

#include <cstdint>

#include "pages/TvBaseException.h"
#include "pages/export.h"

class CPropertyPage;

extern "C" {

// A new Browser Emulation tab on the settings file, for the host's property sheet; the host
// owns it and destroys it through its virtual destructor before it unloads the library. The
// second string is kept and never read; the third is the script's protocol name. A null string
// counts as empty. Null when the memory for the page cannot be had.
TESSALY_EXPORT CPropertyPage* create_new_tab1(const char* settingsFile, const char* extra, const char* protocol);

// Records the host's active application; nothing depends on it.
TESSALY_EXPORT void SetActiveApp(std::uintptr_t application);

// Replaces the script type list with a copy of `scriptTypes` (null: empty). The two leading
// arguments are not used.
TESSALY_EXPORT void SetAdditionalData(int first, int second, const char* scriptTypes);

// Adjusts the settings file to the default of the product. The second argument is not used.
TESSALY_EXPORT void SetProductDefault(int productCode, int ignored, const char* settingsFile);
}
