#pragma once

// State that lives as long as the library is loaded and that every page shares.

#include <cstdint>
#include <string>

namespace tessaly {

// The script type list of the current script: empty at load, replaced by each
// SetAdditionalData (a null list makes it empty).
const std::string& ScriptTypeList();
void SetScriptTypeList(const char* list);

// The host's active application; recorded, not used.
std::uintptr_t ActiveApplication();
void SetActiveApplication(std::uintptr_t application);

}  // namespace tessaly
