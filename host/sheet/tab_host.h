#pragma once

// The host application's side of the library, in the order the library expects it: the
// host's resources head the chain before the library is loaded, the sheet holds the pages the
// library makes, and the pages are gone before the library is unloaded. Both front ends (the
// desktop and the scripted driver) build on this.

#include <memory>
#include <string>

#include "host/sheet/host_resources.h"
#include "host/sheet/host_sheet.h"
#include "host/sheet/tab_library.h"

namespace tessaly::host {

class TabHost {
 public:
  // Either a host with its library loaded, or the reason why the library could not be loaded.
  struct Opened {
    std::unique_ptr<TabHost> host;
    std::string error;
  };

  // `sink` as for HostSheet.
  static Opened Open(const std::string& libraryPath, platform::window::TopLevelSink* sink);

  ~TabHost();
  TabHost(const TabHost&) = delete;
  TabHost& operator=(const TabHost&) = delete;

  const TabLibrary& Library() const { return *m_pLibrary; }
  HostSheet& Sheet() { return *m_pSheet; }

  // Asks the library for a new page and puts it in the sheet as the current page; null (and
  // the sheet unchanged) when the library made none. Null texts are passed on as they are.
  CCfgTab* CreatePage(const char* settingsFile, const char* extra, const char* protocol);

 private:
  TabHost() = default;

  // Declared in the order of making; destroyed the other way round.
  HostResources m_resources;
  std::unique_ptr<TabLibrary> m_pLibrary;
  std::unique_ptr<HostSheet> m_pSheet;
};

}  // namespace tessaly::host
