#pragma once

// The four lists of the User-Agent dialog in memory, each sorting as its drop-down list does:
// for the tool, the tests and the benchmarks.

#include "settings/browser_lists.h"
#include "settings/browser_selection.h"
#include "settings/memory_pick_list.h"

namespace tessaly {

struct MemoryBrowserLists {
  CMemoryPickList browserTypes{kBrowserTypeListSorts};
  CMemoryPickList versions{kVersionListSorts};
  CMemoryPickList platforms{kPlatformListSorts};
  CMemoryPickList languages{kLanguageListSorts};

  BrowserPickLists Bind() { return {browserTypes, versions, platforms, languages}; }
};

}  // namespace tessaly
