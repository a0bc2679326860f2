#include "pages/Tessaly.h"

#include <new>

#include "pages/browser_emu.h"
#include "platform/resource/resource_chain.h"
#include "resources/library_resources.h"
#include "settings/module_state.h"
#include "settings/product_default.h"

namespace {

// Start-up and shut-down of the library: its resources join the host's chain while it is loaded.
struct ModuleLifetime {
  ModuleLifetime() { platform::JoinResourceChain(tessaly::res::LibraryModule()); }
  ~ModuleLifetime() { platform::LeaveResourceChain(tessaly::res::LibraryModule()); }
  ModuleLifetime(const ModuleLifetime&) = delete;
  ModuleLifetime& operator=(const ModuleLifetime&) = delete;
};
const ModuleLifetime g_moduleLifetime;

}  // namespace

extern "C" {

CPropertyPage* create_new_tab1(const char* settingsFile, const char* extra, const char* protocol) {
  try {
    return new (std::nothrow) CBrowserEmu(settingsFile, extra, protocol);
  } catch (const std::bad_alloc&) {
    // The page's own strings could not be had either.
    return nullptr;
  }
}

void SetActiveApp(std::uintptr_t application) { tessaly::SetActiveApplication(application); }

void SetAdditionalData(int, int, const char* scriptTypes) { tessaly::SetScriptTypeList(scriptTypes); }

void SetProductDefault(int productCode, int, const char* settingsFile) {
  // The host hears of no failure: a write that could not be done leaves the file as it was.
  (void)tessaly::ApplyProductDefault(productCode, settingsFile ? settingsFile : "");
}
}
