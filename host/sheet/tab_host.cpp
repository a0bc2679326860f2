#include "host/sheet/tab_host.h"

#include "framework/cfg_tab.h"

namespace tessaly::host {

namespace {
constexpr char kSheetCaption[] = "Run-Time Settings";
}

TabHost::Opened TabHost::Open(const std::string& libraryPath, platform::window::TopLevelSink* sink) {
  std::unique_ptr<TabHost> host(new TabHost);
  TabLibrary::Loaded loaded = TabLibrary::Load(libraryPath);
  if (!loaded.library) return {nullptr, std::move(loaded.error)};
  host->m_pLibrary = std::move(loaded.library);
  host->m_pSheet = std::make_unique<HostSheet>(kSheetCaption, sink);
  return {std::move(host), {}};
}

TabHost::~TabHost() { m_pSheet.reset(); }

CCfgTab* TabHost::CreatePage(const char* settingsFile, const char* extra, const char* protocol) {
  // The library hands out its tab as the property page it derives from.
  CPropertyPage* made = m_pLibrary->CreateTab(settingsFile, extra, protocol);
  if (!made) return nullptr;
  CCfgTab* page = static_cast<CCfgTab*>(made);
  m_pSheet->AddPage(page);
  return page;
}

}  // namespace tessaly::host
