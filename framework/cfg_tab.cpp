#include "framework/cfg_tab.h"

#include <string>

#include "platform/afx/dc.h"
#include "platform/window/window.h"
#include "settings/edition.h"
#if defined(TESSALY_EDITION_EARLIER)
#include "help/compiled_help.h"
#else
#include "help/help_launcher.h"
#endif

namespace {

constexpr int kHelpIdBase = 0x20000;

bool IsCheckBoxType(DWORD type) {
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

void ClearControl(CWnd& control) {
  char buffer[128] = {};
  GetClassNameA(control.m_hWnd, buffer, sizeof buffer);
  const std::string name = buffer;
  if (name == "ComboBox" || name == "ComboLBox") {
    control.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(-1));
  } else if (name == "Edit") {
    control.SetWindowText("");
  } else if (name == "Button") {
    const DWORD style = control.GetStyle();
    if (IsCheckBoxType(style & BS_TYPEMASK)) {
      // A check box that shows no value is an automatic three-state box left indeterminate.
      control.SendMessage(BM_SETSTYLE, (style & 0xF0) | BS_AUTO3STATE, TRUE);
      control.SendMessage(BM_SETCHECK, BST_INDETERMINATE);
    } else {
      control.SendMessage(BM_SETCHECK, BST_UNCHECKED);
    }
  }
}

}  // namespace

CCfgTab::CCfgTab(CString settingsFile, CString extra, CString protocol, UINT templateId, UINT captionId)
    : CBasePropertyPage(templateId, captionId),
      m_strSettingsFile(std::move(settingsFile)),
      m_strProtocol(std::move(protocol)),
      m_strExtra(std::move(extra)),
      m_nTemplateId(static_cast<int>(templateId)) {
  m_bReadOnly = 0;
  m_nReservedShow = SW_HIDE;
  m_nFeatures = kFeatureReadOnly | kFeatureReservedRange | kFeatureClassFonts;
}

CCfgTab::~CCfgTab() { m_listStrings.RemoveAll(); }

const MessageMap* CCfgTab::GetThisMessageMap() {
  static constexpr MessageEntry kEntries[] = {
      afx::Help<&CCfgTab::OnHelpInfo>(),
      afx::Timer<&CCfgTab::OnTimer>(),
  };
  static constexpr MessageMap kMap{&CBasePropertyPage::GetThisMessageMap, kEntries};
  return &kMap;
}

const MessageMap* CCfgTab::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCfgTab::OnInitDialog() {
  LoadSettings();
  CDialog::OnInitDialog();
  return InitExtension();
}

BOOL CCfgTab::OnKillActive() {
  if (!ValidateSettings()) return FALSE;
  return CBasePropertyPage::OnKillActive();
}

int CCfgTab::ValidateSettings() { return m_bCanLeave; }

BOOL CCfgTab::OnHelpInfo(HELPINFO*) {
  const int helpId = static_cast<int>(m_nIDHelp) + kHelpIdBase;
#if defined(TESSALY_EDITION_EARLIER)
  return tessaly::OpenCompiledHelp(static_cast<DWORD>(helpId)) ? TRUE : FALSE;
#else
  tessaly::LaunchHelp(helpId);
  return TRUE;
#endif
}

void CCfgTab::OnTimer(UINT_PTR) {
  ShowHint();
  Default();
}

void CCfgTab::ShowHint() { PresentHint(*this); }

int CCfgTab::SetHint(UINT titleId, UINT textId, int ctrlId, UINT delayMs) {
  return RequestHint(*this, titleId, textId, ctrlId, delayMs);
}

void CCfgTab::ClearControls() {
  for (CWnd* child = GetTopWindow(); child; child = child->GetNextWindow()) ClearControl(*child);
}

void CCfgTab::DrawPicture(CBitmap* picture, int ctrlId) {
  CWnd* control = GetDlgItem(ctrlId);
  if (!control || !picture || !picture->GetSafeHandle()) return;
  RECT rect{};
  control->GetClientRect(&rect);
  // The picture's size in pixels: the size a bitmap records for itself is 0 x 0 for most.
  BITMAP size{};
  picture->GetBitmap(&size);
  CDC* dc = control->GetDC();
  if (!dc) return;
  CDC memory;
  memory.CreateCompatibleDC(dc);
  CBitmap* previous = memory.SelectObject(picture);
  control->Invalidate(TRUE);
  control->UpdateWindow();
  const int dx = rect.right - size.bmWidth - rect.left;
  const int dy = rect.bottom - rect.top - size.bmHeight;
  if (dx < 0 || dy < 0)
    dc->StretchBlt(0, 0, rect.right, rect.bottom, &memory, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  else
    dc->BitBlt(dx / 2, dy / 2, size.bmWidth, size.bmHeight, &memory, 0, 0, SRCCOPY);
  memory.SelectObject(previous);
  memory.DeleteDC();
  control->ReleaseDC(dc);
}
