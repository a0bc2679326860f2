// The library as a host sees it: loaded by name, its exports found by their plain names,
// its resources in the chain while it is loaded, nothing else visible.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <new>
#include <set>
#include <string>

#include "framework/cfg_tab.h"
#include "platform/resource/resource_chain.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"

namespace {
// While set, the allocations that may fail without throwing do fail.
bool g_nothrowNewFails = false;
}  // namespace

// Replaces the allocation for the whole program, the library loaded at run time included.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (g_nothrowNewFails) return nullptr;
  try {
    return ::operator new(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

namespace {

using tessaly::test::ReadFile;
using tessaly::test::ScopedEnv;
using tessaly::test::TempDir;
using tessaly::test::WriteFile;

const std::string kLibrary = std::string(TESSALY_BINARY_DIR) + "/lib/libTessaly.so";

class LoadedLibrary {
 public:
  LoadedLibrary() : m_handle(::dlopen(kLibrary.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
  ~LoadedLibrary() { Unload(); }
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;
  void Unload() {
    if (m_handle) ::dlclose(m_handle);
    m_handle = nullptr;
  }
  template <typename Function>
  Function* Find(const char* name) const {
    return reinterpret_cast<Function*>(::dlsym(m_handle, name));
  }
  bool Loaded() const { return m_handle != nullptr; }

 private:
  void* m_handle;
};

std::set<std::string> ExportedSymbols() {
  std::set<std::string> names;
  const std::string command = "nm -D --defined-only '" + kLibrary + "'";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return names;
  std::array<char, 512> line{};
  while (std::fgets(line.data(), line.size(), pipe)) {
    std::string text = line.data();
    text = text.substr(text.find_last_of(' ') + 1);
    text.erase(text.find_last_not_of("\r\n") + 1);
    names.insert(text);
  }
  ::pclose(pipe);
  return names;
}

TEST(Exports, OnlyThePlainFunctionsAndTheExceptionClassAreVisible) {
  const std::set<std::string> exported = ExportedSymbols();
  const std::set<std::string> required = {"create_new_tab1",
                                          "SetActiveApp",
                                          "SetAdditionalData",
                                          "SetProductDefault",
                                          "_ZN16CTvBaseExceptionC1Ev",
                                          "_ZN16CTvBaseExceptionC2Ev",
                                          "_ZN16CTvBaseExceptionC1ERKS_",
                                          "_ZN16CTvBaseExceptionC2ERKS_",
                                          "_ZN16CTvBaseExceptionD0Ev",
                                          "_ZN16CTvBaseExceptionD1Ev",
                                          "_ZN16CTvBaseExceptionD2Ev",
                                          "_ZN16CTvBaseExceptionaSERKS_",
                                          "_ZN16CTvBaseExceptiondeEv",
                                          "_ZTV16CTvBaseException"};
  for (const std::string& name : required) EXPECT_TRUE(exported.count(name)) << name << " is not exported";
  const std::set<std::string> allowed = {
      "_ZTI16CTvBaseException", "_ZTS16CTvBaseException", "_init", "_fini", "__bss_start", "_edata", "_end"};
  for (const std::string& name : exported) {
    EXPECT_TRUE(required.count(name) || allowed.count(name)) << name << " is exported but should not be";
  }
}

TEST(Exports, LibraryResourcesJoinTheChainWhileLoaded) {
  EXPECT_FALSE(platform::FindString(3501));
  {
    LoadedLibrary library;
    ASSERT_TRUE(library.Loaded()) << ::dlerror();
    EXPECT_EQ(platform::FindString(3501), "Hint:");
    EXPECT_EQ(platform::FindString(14), "You cannot use Microsoft Internet Explorer on a Unix machine");
  }
  EXPECT_FALSE(platform::FindString(3501));
}

TEST(Exports, SetProductDefaultAdjustsTheFileAndIgnoresItsArguments) {
  TempDir config;
  ScopedEnv home("XDG_CONFIG_HOME", config.Path().c_str());
  LoadedLibrary library;
  ASSERT_TRUE(library.Loaded()) << ::dlerror();
  auto* setProductDefault = library.Find<void(int, int, const char*)>("SetProductDefault");
  auto* setActiveApp = library.Find<void(std::uintptr_t)>("SetActiveApp");
  auto* setAdditionalData = library.Find<void(int, int, const char*)>("SetAdditionalData");
  ASSERT_TRUE(setProductDefault && setActiveApp && setAdditionalData);
  setActiveApp(0x1234);
  setAdditionalData(7, 8, nullptr);
  setAdditionalData(0, 0, "WebJS");

  const std::string registry = config / "Corvanex/Trevalon";
  std::filesystem::create_directories(registry);
  WriteFile(registry + "/registry.ini",
            "[HKEY_CURRENT_USER\\Software\\Corvanex\\Trevalon\\Scripting\\Options\\Protocol Options\\WEB]\n"
            "IgnoreSearchForImagesOnController=1\n");
  TempDir scripts;
  const std::string file = scripts / "default.cfg";
  WriteFile(file, "[General]\nCannedScriptType=0\n");
  setProductDefault(1, 99, file.c_str());
  EXPECT_EQ(ReadFile(file), "[General]\nCannedScriptType=0\n[WEB]\nSearchForImages=1\n");
  setProductDefault(1, 0, nullptr);  // no file named: nothing to adjust, and no crash
}

using CreateTab = CPropertyPage*(const char*, const char*, const char*);

TEST(Exports, CreateNewTabKeepsItsThreeStringsInOrderAndTakesNullAsEmpty) {
  LoadedLibrary library;
  ASSERT_TRUE(library.Loaded()) << ::dlerror();
  auto* createTab = library.Find<CreateTab>("create_new_tab1");
  ASSERT_NE(createTab, nullptr);
  struct Strings {
    const char* settings;
    const char* extra;
    const char* protocol;
  };
  for (const Strings& given : {Strings{"a.cfg", "b", "SOAP"}, Strings{nullptr, nullptr, nullptr}}) {
    CPropertyPage* page = createTab(given.settings, given.extra, given.protocol);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->m_hWnd, nullptr) << "the sheet makes the window";
    EXPECT_EQ(page->m_nIDTemplate, 149u);
    const auto* tab = static_cast<CCfgTab*>(page);
    EXPECT_EQ(tab->m_strSettingsFile, CString(given.settings));
    EXPECT_EQ(tab->m_strExtra, CString(given.extra));
    EXPECT_EQ(tab->m_strProtocol, CString(given.protocol));
    delete page;  // through its virtual destructor, as the host does
  }
}

TEST(Exports, CreateNewTabGivesNullWhenThePageCannotBeHad) {
  LoadedLibrary library;
  ASSERT_TRUE(library.Loaded()) << ::dlerror();
  auto* createTab = library.Find<CreateTab>("create_new_tab1");
  ASSERT_NE(createTab, nullptr);
  g_nothrowNewFails = true;
  CPropertyPage* page = createTab("a.cfg", "", "HTTP");
  g_nothrowNewFails = false;
  EXPECT_EQ(page, nullptr);
  delete page;
}

}  // namespace
