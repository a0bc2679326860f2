#include "host/desktop/host_sheet_controls.h"

#include "framework/cfg_tab.h"
#include "platform/text/code_page.h"
#include "platform/window/snapshot.h"

namespace tessaly::desktop {

std::string HostSheetControls::Caption() const {
  return platform::window::Snapshot(m_sheet.Frame(), m_sheet.Frame()).text;
}

std::vector<std::string> HostSheetControls::PageCaptions() const {
  std::vector<std::string> captions;
  for (int index = 0; index < m_sheet.PageCount(); ++index) {
    const CString caption = m_sheet.Page(index)->GetPageCaption();
    captions.push_back(platform::text::AnsiToUtf8(caption.GetString()));
  }
  return captions;
}

HWND HostSheetControls::ActivePageWindow() const {
  const CCfgTab* page = m_sheet.Current();
  return page ? page->m_hWnd : nullptr;
}

}  // namespace tessaly::desktop
