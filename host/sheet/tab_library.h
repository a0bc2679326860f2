#pragma once

// The settings-tab library as a host sees it: a shared library loaded at run time, reached
// only through its four exports, found by name.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/win32/types.h"

class CPropertyPage;

namespace tessaly::host {

class TabLibrary {
 public:
  // Either a loaded library or the reason why none could be loaded.
  struct Loaded {
    std::unique_ptr<TabLibrary> library;
    std::string error;
  };

  // Loads the library file at `path` (as given; no search) and finds its four exports.
  static Loaded Load(const std::string& path);

  // The pages it made must be gone before the library goes.
  ~TabLibrary();
  TabLibrary(const TabLibrary&) = delete;
  TabLibrary& operator=(const TabLibrary&) = delete;

  void SetActiveApp(std::uintptr_t application) const;
  // Null clears the library's script type list.
  void SetAdditionalData(const char* scriptTypes) const;
  void SetProductDefault(int productCode, const char* settingsFile) const;
  // A new page that the caller owns; null when the library made none.
  CPropertyPage* CreateTab(const char* settingsFile, const char* extra, const char* protocol) const;

  const std::string& Path() const { return m_strPath; }

 private:
  using SetActiveAppEntry = void (*)(std::uintptr_t);
  using SetAdditionalDataEntry = void (*)(int, int, const char*);
  using SetProductDefaultEntry = void (*)(int, int, const char*);
  using CreateTabEntry = CPropertyPage* (*)(const char*, const char*, const char*);

  TabLibrary(HMODULE module, std::string path) : m_hModule(module), m_strPath(std::move(path)) {}

  HMODULE m_hModule;
  std::string m_strPath;
  SetActiveAppEntry m_pSetActiveApp = nullptr;
  SetAdditionalDataEntry m_pSetAdditionalData = nullptr;
  SetProductDefaultEntry m_pSetProductDefault = nullptr;
  CreateTabEntry m_pCreateTab = nullptr;
};

// lib/libTessaly.so beside the bin/ folder of the running program's real executable. A path
// given with --exe-path does not move it: that path is what the library is shown, not where
// the host lives.
std::string DefaultLibraryPath();

}  // namespace tessaly::host
