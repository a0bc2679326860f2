#include "pages/browser_type.h"

#include <array>

#include "pages/write_failure.h"
#include "platform/afx/afx_functions.h"
#include "resources/library_resources.h"
#include "resources/resource_ids.h"
#include "settings/edition.h"
#include "settings/user_agent_composer.h"
#if !defined(TESSALY_EDITION_EARLIER)
#include "help/help_launcher.h"
#endif

namespace {

using namespace tessaly::res;

// Both dialogs of the tab open the one help topic of the tab's dialogs.
constexpr int kHelpId = 131223;

constexpr std::array<int, 4> kBrowserLists{IDC_BROWSER_TYPE, IDC_BROWSER_VERSION, IDC_BROWSER_PLATFORM,
                                           IDC_BROWSER_LANGUAGE};

void EnableControl(CWnd& dialog, int id, bool enable) {
  if (CWnd* control = dialog.GetDlgItem(id)) control->EnableWindow(enable ? TRUE : FALSE);
}

}  // namespace

CBrowserType::CBrowserType(LPCSTR settingsFile)
    : CDialog(IDD_BROWSER_TYPE),
      m_strSettingsFile(settingsFile),
      m_wndBrowserTypes(*this, IDC_BROWSER_TYPE),
      m_wndVersions(*this, IDC_BROWSER_VERSION),
      m_wndPlatforms(*this, IDC_BROWSER_PLATFORM),
      m_wndLanguages(*this, IDC_BROWSER_LANGUAGE),
      m_selection(m_strSettingsFile.Str(), {m_wndBrowserTypes, m_wndVersions, m_wndPlatforms, m_wndLanguages}) {}

CBrowserType::~CBrowserType() = default;

const MessageMap* CBrowserType::GetThisMessageMap() {
  static constexpr MessageEntry kEntries[] = {
      afx::Command<&CBrowserType::OnUseBrowser>(IDC_USE_BROWSER),
      afx::Command<&CBrowserType::OnUseCustom>(IDC_USE_CUSTOM),
      afx::Notify<&CBrowserType::OnBrowserTypeChanged>(CBN_SELCHANGE, IDC_BROWSER_TYPE),
      afx::Help<&CBrowserType::OnHelpInfo>(),
  };
  // The earlier edition leaves the help key to the platform, which hands it to the owner.
  constexpr std::size_t kCount = tessaly::kEdition == tessaly::Edition::Earlier ? 3 : 4;
  static constexpr MessageMap kMap{&CDialog::GetThisMessageMap, std::span(kEntries).first(kCount)};
  return &kMap;
}

const MessageMap* CBrowserType::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CBrowserType::OnInitDialog() {
  // The template's entries go into the browser type, version and platform lists first.
  CDialog::OnInitDialog();
  m_selection.Load();
  if (CWnd* custom = GetDlgItem(IDC_CUSTOM_USER_AGENT)) custom->SetWindowText(m_selection.CustomText().c_str());
  m_nUseCustom = m_selection.UseCustom();
  CheckUseButtons();
  ApplyEnabling();
  return TRUE;
}

void CBrowserType::CheckUseButtons() {
  CheckDlgButton(IDC_USE_BROWSER, m_nUseCustom == 0 ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_USE_CUSTOM, m_nUseCustom != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void CBrowserType::ApplyEnabling() {
  for (int id : kBrowserLists) EnableControl(*this, id, m_nUseCustom == 0);
  EnableControl(*this, IDC_CUSTOM_USER_AGENT, m_nUseCustom != 0);
}

void CBrowserType::OnUseBrowser() {
  m_nUseCustom = 0;
  ApplyEnabling();
}

void CBrowserType::OnUseCustom() {
  m_nUseCustom = 1;
  ApplyEnabling();
}

void CBrowserType::OnBrowserTypeChanged() { m_selection.FillVersions(); }

BOOL CBrowserType::OnHelpInfo(HELPINFO*) {
#if !defined(TESSALY_EDITION_EARLIER)
  tessaly::LaunchHelp(kHelpId);
#endif
  return TRUE;
}

CString CBrowserType::CustomText() const {
  CWnd* custom = GetDlgItem(IDC_CUSTOM_USER_AGENT);
  // Without its edit box the dialog keeps the custom text it read rather than storing none.
  if (!custom) return CString(m_selection.CustomText());
  CString text;
  custom->GetWindowText(text);
  return text;
}

void CBrowserType::OnOK() {
  m_selection.SetCustomText(CustomText().Str());
  m_selection.SetUseCustom(m_nUseCustom);
  const tessaly::BrowserSelectionStored stored = m_selection.Store();
  if (stored.result != tessaly::kUserAgentComposed) {
    // The refusal's text is the library's own, whatever the host's strings hold.
    const UINT messageId = static_cast<UINT>(stored.result);
    AfxMessageBox(LibraryString(messageId).c_str(), MB_OK, messageId);
    return;
  }
  if (stored.writeError) {
    ReportSettingsNotWritten(m_strSettingsFile);
    return;
  }
  m_strUserAgent = stored.userAgent;
  CDialog::OnOK();
}
