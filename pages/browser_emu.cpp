#include "pages/browser_emu.h"

#include <memory>
#include <new>
#include <vector>

#include "pages/browser_type.h"
#include "pages/content_types.h"
#include "pages/hover_hint.h"
#include "pages/summary_item.h"
#include "platform/afx/data_exchange.h"
#include "resources/resource_ids.h"
#include "settings/browser_selection.h"
#include "settings/module_state.h"

namespace {

using namespace tessaly::res;
using tessaly::BrowserEmuOption;
using tessaly::BrowserEmuOptions;

struct OptionBox {
  BrowserEmuOption option;
  int ctrlId;
};

constexpr OptionBox kOptionBoxes[] = {
    {BrowserEmuOption::SimulateCache, IDC_SIMULATE_CACHE},
    {BrowserEmuOption::SearchForImages, IDC_SEARCH_FOR_IMAGES},
    {BrowserEmuOption::ResetContext, IDC_RESET_CONTEXT},
    {BrowserEmuOption::ClearCacheForSimulateNewUser, IDC_CLEAR_CACHE},
    {BrowserEmuOption::CacheAlwaysCheckForNewerPages, IDC_CHECK_NEWER_PAGES},
    {BrowserEmuOption::CacheHtmlPages, IDC_CACHE_HTML_PAGES},
};

int BoxOf(BrowserEmuOption option) {
  for (const OptionBox& box : kOptionBoxes)
    if (box.option == option) return box.ctrlId;
  return 0;
}

// The order in which defaults go into the boxes.
constexpr BrowserEmuOption kDefaultsOrder[] = {
    BrowserEmuOption::SimulateCache,
    BrowserEmuOption::SearchForImages,
    BrowserEmuOption::CacheAlwaysCheckForNewerPages,
    BrowserEmuOption::ClearCacheForSimulateNewUser,
    BrowserEmuOption::ResetContext,
    BrowserEmuOption::CacheHtmlPages,
};

constexpr HoverHint kHoverHints[] = {
    {IDC_CHANGE_USER_AGENT, IDS_HINT_CHANGE_TITLE, IDS_HINT_CHANGE_TEXT},
    {IDC_SIMULATE_CACHE, IDS_HINT_SIMULATE_CACHE_TITLE, IDS_HINT_SIMULATE_CACHE_TEXT},
    {IDC_SEARCH_FOR_IMAGES, IDS_HINT_DOWNLOAD_TITLE, IDS_HINT_DOWNLOAD_TEXT},
    {IDC_RESET_CONTEXT, IDS_HINT_NEW_USER_TITLE, IDS_HINT_NEW_USER_TEXT},
    {IDC_CACHE_HTML_PAGES, IDS_HINT_CACHE_HTML_TITLE, IDS_HINT_CACHE_HTML_TEXT},
    {IDC_CHECK_NEWER_PAGES, IDS_HINT_CHECK_NEWER_TITLE, IDS_HINT_CHECK_NEWER_TEXT},
    {IDC_ADVANCED, IDS_HINT_ADVANCED_TITLE, IDS_HINT_ADVANCED_TEXT},
    {IDC_CLEAR_CACHE, IDS_HINT_CLEAR_CACHE_TITLE, IDS_HINT_CLEAR_CACHE_TEXT},
};

void EnableControl(CWnd& page, int id, bool enable) {
  if (CWnd* control = page.GetDlgItem(id)) control->EnableWindow(enable ? TRUE : FALSE);
}

CString LoadedString(UINT id) {
  CString text;
  text.LoadString(id);
  return text;
}

}  // namespace

CBrowserEmu::CBrowserEmu(CString settingsFile, CString extra, CString protocol)
    : CCfgTab(std::move(settingsFile), std::move(extra), std::move(protocol), IDD_BROWSER_EMU, 0) {}

const MessageMap* CBrowserEmu::GetThisMessageMap() {
  static constexpr MessageEntry kEntries[] = {
      afx::Command<&CBrowserEmu::OnChangeUserAgent>(IDC_CHANGE_USER_AGENT),
      afx::SetCursor<&CBrowserEmu::OnSetCursor>(),
      afx::Command<&CBrowserEmu::OnSimulateCache>(IDC_SIMULATE_CACHE),
      afx::Command<&CBrowserEmu::OnAdvanced>(IDC_ADVANCED),
      afx::Command<&CBrowserEmu::OnCacheHtmlPages>(IDC_CACHE_HTML_PAGES),
      afx::Command<&CBrowserEmu::OnNewUser>(IDC_RESET_CONTEXT),
  };
  static constexpr MessageMap kMap{&CCfgTab::GetThisMessageMap, kEntries};
  return &kMap;
}

const MessageMap* CBrowserEmu::GetMessageMap() const { return GetThisMessageMap(); }

void CBrowserEmu::DoDataExchange(CDataExchange* exchange) {
  DDX_Control(exchange, IDC_HINT_TEXT, m_wndHintText);
  DDX_Control(exchange, IDC_HINT_TITLE, m_wndHintTitle);
}

BOOL CBrowserEmu::OnInitDialog() {
  LoadSettings();
  CDialog::OnInitDialog();
  InitExtension();
  SetHint(IDS_HINT_DEFAULT_TITLE, IDS_HINT_DEFAULT_TEXT, 0, 0);
  return TRUE;
}

tessaly::CBrowserEmuSettings CBrowserEmu::Settings() const {
  return tessaly::CBrowserEmuSettings(m_strSettingsFile.Str());
}

void CBrowserEmu::SetOption(BrowserEmuOption option, bool on) {
  CheckDlgButton(BoxOf(option), on ? BST_CHECKED : BST_UNCHECKED);
}

int CBrowserEmu::LoadSettings() {
  Settings().Load(tessaly::ScriptTypeList(), [this](BrowserEmuOption option, bool on) { SetOption(option, on); });
  UpdateControlStates();
  ShowUserAgent();
  return UpdateData(FALSE);
}

BrowserEmuOptions CBrowserEmu::OptionsToStore() const {
  BrowserEmuOptions options;
  for (const OptionBox& box : kOptionBoxes) options[box.option] = IsDlgButtonChecked(box.ctrlId) != BST_UNCHECKED;
  return options;
}

BrowserEmuOptions CBrowserEmu::OptionsForAvailability() const {
  BrowserEmuOptions options;
  for (const OptionBox& box : kOptionBoxes) options[box.option] = IsDlgButtonChecked(box.ctrlId) == BST_CHECKED;
  return options;
}

void CBrowserEmu::SaveSettings() {
  // Without its window the tab has no boxes, and so nothing the user could have changed: it
  // writes nothing rather than six options read from boxes that are not there.
  if (!m_hWnd) return;
  // The host's store has no result to carry a failure; a write that fails leaves the file as
  // it was and the other keys are still written.
  (void)Settings().Store(OptionsToStore());
}

int CBrowserEmu::SetDefaults() {
  const BrowserEmuOptions defaults = Settings().Defaults(tessaly::ScriptTypeList());
  for (BrowserEmuOption option : kDefaultsOrder) SetOption(option, defaults[option]);
  UpdateControlStates();
  return TRUE;
}

int CBrowserEmu::ValidateSettings() { return TRUE; }

bool CBrowserEmu::GetSummary(CObList* list) {
  if (!m_hWnd || !list || !UpdateData(TRUE)) return false;
  // Every record is made before the first is handed over, so that a shortage adds nothing.
  std::vector<std::unique_ptr<SummaryItem>> items;
  try {
    for (const tessaly::SummaryRow& row : tessaly::CBrowserEmuSettings::Summary(OptionsToStore()))
      items.push_back(
          std::make_unique<SummaryItem>(SummaryItem{row.flag, LoadedString(row.titleId), LoadedString(row.valueId)}));
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (auto& item : items) list->AddTail(AsListEntry(item.release()));
  return true;
}

void CBrowserEmu::UpdateControlStates() {
  const tessaly::BrowserEmuAvailability available =
      tessaly::CBrowserEmuSettings::Availability(OptionsForAvailability());
  EnableControl(*this, IDC_CHECK_NEWER_PAGES, available[BrowserEmuOption::CacheAlwaysCheckForNewerPages]);
  EnableControl(*this, IDC_CACHE_HTML_PAGES, available[BrowserEmuOption::CacheHtmlPages]);
  EnableControl(*this, IDC_ADVANCED, available.advancedButton);
  EnableControl(*this, IDC_CLEAR_CACHE, available[BrowserEmuOption::ClearCacheForSimulateNewUser]);
}

void CBrowserEmu::ShowUserAgent() {
  if (CWnd* agent = GetDlgItem(IDC_USER_AGENT))
    agent->SetWindowText(tessaly::CBrowserSelection::DisplayText(m_strSettingsFile.Str()).c_str());
}

void CBrowserEmu::OnSimulateCache() {
  UpdateData(TRUE);
  UpdateControlStates();
}

void CBrowserEmu::OnCacheHtmlPages() {
  // 1060 can be clicked only while the cache is on, so only its own rule needs applying.
  EnableControl(*this, IDC_ADVANCED, IsDlgButtonChecked(IDC_CACHE_HTML_PAGES) == BST_CHECKED);
}

void CBrowserEmu::OnNewUser() {
  EnableControl(*this, IDC_CLEAR_CACHE, IsDlgButtonChecked(IDC_RESET_CONTEXT) == BST_CHECKED);
}

void CBrowserEmu::OnChangeUserAgent() {
  CBrowserType dialog(m_strSettingsFile);
  if (dialog.DoModal() != IDOK) return;
  if (CWnd* agent = GetDlgItem(IDC_USER_AGENT)) agent->SetWindowText(dialog.GetUserAgent());
}

void CBrowserEmu::OnAdvanced() {
  CContentTypes dialog(m_strSettingsFile, m_strProtocol);
  dialog.DoModal();
}

BOOL CBrowserEmu::OnSetCursor(CWnd* window, UINT, UINT) { return FollowPointer(*this, window, kHoverHints); }
