#include "settings/module_state.h"

namespace tessaly {

namespace {
// Built when the library is loaded and destroyed when it is unloaded.
std::string g_scriptTypeList;
std::uintptr_t g_activeApplication = 0;
}  // namespace

const std::string& ScriptTypeList() { return g_scriptTypeList; }

void SetScriptTypeList(const char* list) { g_scriptTypeList = list ? list : ""; }

std::uintptr_t ActiveApplication() { return g_activeApplication; }

void SetActiveApplication(std::uintptr_t application) { g_activeApplication = application; }

}  // namespace tessaly
