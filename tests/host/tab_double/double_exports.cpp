// The double's exports, under the names and with the signatures a tab library has.

#include <cstdint>

#include "platform/profile/profile.h"
#include "tests/host/tab_double/double_module.h"
#include "tests/host/tab_double/double_page.h"

#define DOUBLE_EXPORT __attribute__((visibility("default")))

namespace {

using namespace tessaly::test::double_tab;

struct ModuleLifetime {
  ModuleLifetime() { platform::JoinResourceChain(DoubleModule()); }
  ~ModuleLifetime() { platform::LeaveResourceChain(DoubleModule()); }
  ModuleLifetime(const ModuleLifetime&) = delete;
  ModuleLifetime& operator=(const ModuleLifetime&) = delete;
};
const ModuleLifetime g_moduleLifetime;

}  // namespace

extern "C" {

DOUBLE_EXPORT void SetActiveApp(std::uintptr_t application) { State().activeApp = application; }

DOUBLE_EXPORT void SetAdditionalData(int, int, const char* scriptTypes) {
  State().scriptTypes = scriptTypes ? scriptTypes : "(null)";
}

// Leaves a trace of the call in the file it names.
DOUBLE_EXPORT void SetProductDefault(int productCode, int, const char* settingsFile) {
  WritePrivateProfileStringA(kSection, "ProductDefault", std::to_string(productCode).c_str(), settingsFile);
}

DOUBLE_EXPORT CPropertyPage* create_new_tab1(const char* settingsFile, const char* extra, const char* protocol) {
  return new CDoublePage(settingsFile, extra, protocol);
}
}
