#pragma once

// The host's property sheet as the desktop's sheet window uses it.

#include "host/desktop/sheet_controls.h"
#include "host/sheet/host_sheet.h"

namespace tessaly::desktop {

class HostSheetControls final : public SheetControls {
 public:
  explicit HostSheetControls(host::HostSheet& sheet) : m_sheet(sheet) {}

  HWND FrameWindow() const override { return m_sheet.Frame(); }
  std::string Caption() const override;
  std::vector<std::string> PageCaptions() const override;
  int ActivePage() const override { return m_sheet.CurrentIndex(); }
  HWND ActivePageWindow() const override;
  bool SelectPage(int index) override { return m_sheet.Activate(index); }
  bool Apply() override { return m_sheet.Apply(); }
  bool Ok() override { return m_sheet.Apply(); }
  // Closing without storing is all that Cancel does.
  void Cancel() override {}

 private:
  host::HostSheet& m_sheet;
};

}  // namespace tessaly::desktop
