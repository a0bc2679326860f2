#include "host/sheet/read_only_options.h"

#include <algorithm>

#include "framework/cfg_tab.h"

namespace tessaly::host {

std::optional<std::string> ApplyReadOnly(CCfgTab& page, const ReadOnlyOptions& options) {
  if (page.m_hWnd) return "the page's window exists already";
  if (options.ids && options.ids->size() > static_cast<std::size_t>(CDlgExt::kMaxRestrictIds))
    return "at most " + std::to_string(CDlgExt::kMaxRestrictIds) + " ids";
  page.m_bReadOnly = 1;
  if (options.closeOnly) page.m_bCloseOnly = *options.closeOnly ? 1 : 0;
  if (options.allControls) page.m_bAllControls = *options.allControls ? 1 : 0;
  if (options.ids) {
    std::copy(options.ids->begin(), options.ids->end(), page.m_nRestrictIds);
    page.m_nRestrictCount = static_cast<int>(options.ids->size());
  }
  return std::nullopt;
}

}  // namespace tessaly::host
