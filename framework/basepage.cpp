#include "framework/basepage.h"

CBasePropertyPage::CBasePropertyPage(UINT templateId, UINT captionId) : CPropertyPage(templateId, captionId) {}

const MessageMap* CBasePropertyPage::GetThisMessageMap() {
  static constexpr MessageMap kMap{&CPropertyPage::GetThisMessageMap, {}};
  return &kMap;
}

const MessageMap* CBasePropertyPage::GetMessageMap() const { return GetThisMessageMap(); }

CWnd* CBasePropertyPage::GetFirstControl() { return GetTopWindow(); }

void CBasePropertyPage::GetCaption(CString& text) { GetWindowText(text); }

CWnd* CBasePropertyPage::GetControl(int id) { return GetDlgItem(id); }

CGdiObject* CBasePropertyPage::GetDialogFont() {
  return CGdiObject::FromHandle(reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
}

BOOL CBasePropertyPage::OnInitDialog() {
  CDialog::OnInitDialog();
  return InitExtension();
}
