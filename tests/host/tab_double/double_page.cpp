#include "tests/host/tab_double/double_page.h"

#include <string>

#include "pages/summary_item.h"
#include "platform/afx/afx_functions.h"
#include "platform/afx/data_exchange.h"
#include "platform/profile/profile.h"
#include "platform/window/window.h"
#include "tests/host/tab_double/double_dialog.h"
#include "tests/host/tab_double/double_module.h"

namespace tessaly::test::double_tab {

namespace {

CString ReadText(const CString& file, const char* key, const char* fallback) {
  char buffer[256] = {};
  GetPrivateProfileStringA(kSection, key, fallback, buffer, sizeof buffer, file);
  return buffer;
}

const char* OnOff(UINT check) { return check != BST_UNCHECKED ? "on" : "off"; }

}  // namespace

CDoublePage::CDoublePage(CString settingsFile, CString extra, CString protocol)
    : CCfgTab(std::move(settingsFile), std::move(extra), std::move(protocol), kPageTemplate, 0) {}

const MessageMap* CDoublePage::GetThisMessageMap() {
  static constexpr MessageEntry kEntries[] = {
      afx::SetCursor<&CDoublePage::OnSetCursor>(),
      afx::Command<&CDoublePage::OnKeep>(kKeep),
      afx::Command<&CDoublePage::OnOpen>(kOpen),
      afx::Command<&CDoublePage::OnWarn>(kWarn),
  };
  static constexpr MessageMap kMap{&CCfgTab::GetThisMessageMap, kEntries};
  return &kMap;
}

const MessageMap* CDoublePage::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CDoublePage::OnInitDialog() {
  CCfgTab::OnInitDialog();
  // The combo box has its entries only once the dialog's initialisation has run.
  SelectColour(ReadText(m_strSettingsFile, "Colour", "Green"));
  SetHint(kStartTitle, kStartText, 0, 0);
  return TRUE;
}

int CDoublePage::LoadSettings() {
  const UINT keep = GetPrivateProfileIntA(kSection, "Keep", 1, m_strSettingsFile);
  CheckDlgButton(kKeep, keep ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(kFollow, GetPrivateProfileIntA(kSection, "Follow", 0, m_strSettingsFile) ? BST_CHECKED : 0);
  CheckDlgButton(kMayLeave, BST_CHECKED);
  SetDlgItemTextA(m_hWnd, kName, ReadText(m_strSettingsFile, "Name", ""));
  const std::string creation = "types=" + State().scriptTypes + ";app=" + std::to_string(State().activeApp) +
                               ";extra=" + m_strExtra.Str() + ";protocol=" + m_strProtocol.Str();
  SetDlgItemTextA(m_hWnd, kCreation, creation.c_str());
  UpdateControlStates();
  return TRUE;
}

void CDoublePage::SaveSettings() {
  WritePrivateProfileStringA(kSection, "Keep", IsDlgButtonChecked(kKeep) ? "1" : "0", m_strSettingsFile);
  WritePrivateProfileStringA(kSection, "Follow", IsDlgButtonChecked(kFollow) ? "1" : "0", m_strSettingsFile);
  CString name;
  if (CWnd* edit = GetDlgItem(kName)) edit->GetWindowText(name);
  WritePrivateProfileStringA(kSection, "Name", name, m_strSettingsFile);
  WritePrivateProfileStringA(kSection, "Colour", SelectedColour(), m_strSettingsFile);
}

int CDoublePage::SetDefaults() {
  CheckDlgButton(kKeep, BST_CHECKED);
  CheckDlgButton(kFollow, BST_UNCHECKED);
  SetDlgItemTextA(m_hWnd, kName, "");
  SelectColour("Green");
  UpdateControlStates();
  return 0;
}

int CDoublePage::ValidateSettings() { return IsDlgButtonChecked(kMayLeave) == BST_CHECKED; }

bool CDoublePage::QueryFlag(DWORD value) { return value % 2 == 0; }

bool CDoublePage::GetSummary(CObList* list) {
  if (!m_hWnd || !list) return false;
  CString name;
  if (CWnd* edit = GetDlgItem(kName)) edit->GetWindowText(name);
  list->AddTail(AsListEntry(new SummaryItem{1, "Keep", OnOff(IsDlgButtonChecked(kKeep))}));
  list->AddTail(AsListEntry(new SummaryItem{0, "Name", name}));
  list->AddTail(AsListEntry(new SummaryItem{0, "Colour", SelectedColour()}));
  return true;
}

void CDoublePage::DoDataExchange(CDataExchange* exchange) {
  DDX_Control(exchange, kHintText, m_wndHintText);
  DDX_Control(exchange, kHintTitle, m_wndHintTitle);
}

BOOL CDoublePage::OnSetCursor(CWnd* window, UINT, UINT) {
  const int id = window && window->m_hWnd != m_hWnd ? window->GetDlgCtrlID() : 0;
  if (id != m_nHintCtrlId) {
    if (id == kKeep)
      SetHint(kKeepTitle, kKeepText, id, kHoverDelayMs);
    else if (id == kOpen)
      SetHint(kOpenTitle, kOpenText, id, kHoverDelayMs);
    else
      SetHint(kStartTitle, kStartText, id, kHoverDelayMs);
  }
  return static_cast<BOOL>(Default());
}

void CDoublePage::OnKeep() { UpdateControlStates(); }

void CDoublePage::OnOpen() {
  CDoubleDialog dialog;
  if (dialog.DoModal() == IDOK) SetDlgItemTextA(m_hWnd, kName, dialog.m_strName);
}

void CDoublePage::OnWarn() { AfxMessageBox(kWarning); }

void CDoublePage::UpdateControlStates() {
  if (CWnd* follow = GetDlgItem(kFollow)) follow->EnableWindow(IsDlgButtonChecked(kKeep) == BST_CHECKED);
}

void CDoublePage::SelectColour(const CString& colour) {
  SendDlgItemMessageA(
      m_hWnd, kColour, CB_SETCURSEL,
      static_cast<WPARAM>(SendDlgItemMessageA(m_hWnd, kColour, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(colour.GetString()))),
      0);
}

CString CDoublePage::SelectedColour() {
  const auto index = SendDlgItemMessageA(m_hWnd, kColour, CB_GETCURSEL, 0, 0);
  if (index < 0) return "";
  const auto at = static_cast<WPARAM>(index);
  std::string text(static_cast<std::size_t>(SendDlgItemMessageA(m_hWnd, kColour, CB_GETLBTEXTLEN, at, 0)), '\0');
  SendDlgItemMessageA(m_hWnd, kColour, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(text.data()));
  return text;
}

}  // namespace tessaly::test::double_tab
