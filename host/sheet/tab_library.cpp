#include "host/sheet/tab_library.h"

#include <filesystem>

#include "platform/module/library.h"

namespace tessaly::host {

namespace {

constexpr char kLibraryFile[] = "libTessaly.so";

template <typename Entry>
bool Find(HMODULE module, const char* name, Entry& entry, std::string& missing) {
  if (const FARPROC address = GetProcAddress(module, name)) {
    entry = platform::module::EntryAs<Entry>(address);
    return true;
  }
  if (!missing.empty()) missing += ", ";
  missing += name;
  return false;
}

}  // namespace

TabLibrary::Loaded TabLibrary::Load(const std::string& path) {
  if (path.empty()) return {nullptr, "no library path"};
  // A bare name would be looked for beside the executable the library is shown: the path
  // is meant as given.
  const std::string given = path.find('/') == std::string::npos ? "./" + path : path;
  const HMODULE module = LoadLibraryA(given.c_str());
  if (!module) return {nullptr, "cannot load " + path + ": " + platform::module::LastLoadError()};
  std::unique_ptr<TabLibrary> library(new TabLibrary(module, path));
  std::string missing;
  Find(module, "SetActiveApp", library->m_pSetActiveApp, missing);
  Find(module, "SetAdditionalData", library->m_pSetAdditionalData, missing);
  Find(module, "SetProductDefault", library->m_pSetProductDefault, missing);
  Find(module, "create_new_tab1", library->m_pCreateTab, missing);
  if (!missing.empty()) return {nullptr, path + " does not export " + missing};
  return {std::move(library), {}};
}

TabLibrary::~TabLibrary() { FreeLibrary(m_hModule); }

void TabLibrary::SetActiveApp(std::uintptr_t application) const { m_pSetActiveApp(application); }

void TabLibrary::SetAdditionalData(const char* scriptTypes) const { m_pSetAdditionalData(0, 0, scriptTypes); }

void TabLibrary::SetProductDefault(int productCode, const char* settingsFile) const {
  m_pSetProductDefault(productCode, 0, settingsFile);
}

CPropertyPage* TabLibrary::CreateTab(const char* settingsFile, const char* extra, const char* protocol) const {
  return m_pCreateTab(settingsFile, extra, protocol);
}

std::string DefaultLibraryPath() {
  std::error_code failure;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", failure);
  if (failure) return {};
  return (executable.parent_path().parent_path() / "lib" / kLibraryFile).string();
}

}  // namespace tessaly::host
