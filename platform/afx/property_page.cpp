#include "platform/afx/property_page.h"

#include "platform/resource/resource_chain.h"
#include "platform/window/window.h"

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : CDialog(templateId), m_nCaptionId(captionId) {}

BOOL CPropertyPage::CreatePage(CWnd* sheet) {
  if (!CreateFromTemplate(sheet, true)) return FALSE;
  ShowWindow(SW_SHOW);
  return TRUE;
}

CString CPropertyPage::GetPageCaption() const {
  CString caption;
  if (m_nCaptionId && caption.LoadString(m_nCaptionId)) return caption;
  const platform::DialogTemplate* dialog = platform::FindDialog(m_nIDTemplate);
  return dialog ? CString(dialog->caption) : CString();
}

BOOL CPropertyPage::OnSetActive() { return TRUE; }

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }
