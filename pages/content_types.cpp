#include "pages/content_types.h"

#include "pages/hover_hint.h"
#include "pages/write_failure.h"
#include "platform/afx/data_exchange.h"
#include "platform/window/check_list.h"
#include "resources/resource_ids.h"
#include "settings/content_type_list.h"

namespace {

using namespace tessaly::res;

constexpr BYTE kTextParam[] = {0x0E, 0};
constexpr BYTE kIntParam[] = {0x03, 0};
// The list control's option property, given once at opening.
constexpr LONG kTypeListOption = 32;

constexpr HoverHint kHoverHints[] = {
    {IDC_SPECIFY_TYPES, IDS_HINT_SPECIFY_TYPES_TITLE, IDS_HINT_SPECIFY_TYPES_TEXT},
    {IDC_USE_DEFAULTS, IDS_HINT_USE_DEFAULTS_TITLE, IDS_HINT_USE_DEFAULTS_TEXT},
    {IDC_RESTORE_LIST, IDS_HINT_RESTORE_LIST_TITLE, IDS_HINT_RESTORE_LIST_TEXT},
    {IDC_CONTENT_TYPE_LIST, IDS_HINT_CONTENT_LIST_TITLE, IDS_HINT_CONTENT_LIST_TEXT},
    // The list's own inner window counts as the list.
    {IDC_CONTENT_TYPE_INNER_LIST, IDS_HINT_CONTENT_LIST_TITLE, IDS_HINT_CONTENT_LIST_TEXT},
};

void PutEnabled(CWnd& list, int enabled) {
  list.InvokeHelper(DISPID_ENABLED, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kIntParam, static_cast<LONG>(enabled));
}

}  // namespace

CContentTypes::CContentTypes(LPCSTR settingsFile, const CString& protocol)
    : CContentTypeSettings(settingsFile ? settingsFile : "", tessaly::ScriptTypeIndexOf(protocol.Str())) {}

CContentTypes::~CContentTypes() = default;

const MessageMap* CContentTypes::GetThisMessageMap() {
  static constexpr MessageEntry kEntries[] = {
      afx::Command<&CContentTypes::OnSpecifyTypes>(IDC_SPECIFY_TYPES),
      afx::Command<&CContentTypes::OnRestoreList>(IDC_RESTORE_LIST),
      afx::Command<&CContentTypes::OnUseDefaults>(IDC_USE_DEFAULTS),
      afx::SetCursor<&CContentTypes::OnSetCursor>(),
  };
  static constexpr MessageMap kMap{&CBaseDialog::GetThisMessageMap, kEntries};
  return &kMap;
}

const MessageMap* CContentTypes::GetMessageMap() const { return GetThisMessageMap(); }

void CContentTypes::DoDataExchange(CDataExchange* exchange) {
  DDX_Control(exchange, IDC_HINT_TEXT, m_wndHintText);
  DDX_Control(exchange, IDC_HINT_TITLE, m_wndHintTitle);
  DDX_Check(exchange, IDC_SPECIFY_TYPES, m_bSpecifyTypes);
}

CWnd* CContentTypes::TypeList() const { return GetDlgItem(IDC_CONTENT_TYPE_LIST); }

void CContentTypes::ApplyInUse() {
  if (CWnd* list = TypeList()) PutEnabled(*list, m_bSpecifyTypes);
  if (CWnd* restore = GetDlgItem(IDC_RESTORE_LIST)) restore->EnableWindow(m_bSpecifyTypes ? TRUE : FALSE);
}

BOOL CContentTypes::OnInitDialog() {
  ReadSettings();
  // Also moves m_bSpecifyTypes into its check box.
  CDialog::OnInitDialog();
  InitExtension();
  if (CWnd* list = TypeList()) {
    CString caption;
    caption.LoadString(IDS_CONTENT_TYPES_CAPTION);
    list->InvokeHelper(platform::window::kDispCaption, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kTextParam,
                       caption.GetString());
    list->InvokeHelper(platform::window::kDispOption, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kIntParam,
                       kTypeListOption);
    (m_bSpecifyTypes ? m_listTypes : m_listEmpty).FillControl(list);
  }
  ApplyInUse();
  SetHint(IDS_HINT_DEFAULT_TITLE, IDS_HINT_DEFAULT_TEXT, 0, 0);
  return TRUE;
}

void CContentTypes::OnSpecifyTypes() {
  UpdateData(TRUE);
  if (CWnd* list = TypeList()) {
    if (m_bSpecifyTypes) {
      m_listTypes.FillControl(list);
    } else {
      // The user's edits survive switching the list off and on again.
      m_listTypes.ReadControl(list);
      m_listEmpty.FillControl(list);
    }
  }
  ApplyInUse();
}

void CContentTypes::OnRestoreList() {
  UpdateData(TRUE);
  m_listTypes.LoadDefaults(m_nScriptType);
  if (CWnd* list = TypeList()) m_listTypes.FillControl(list);
}

void CContentTypes::OnUseDefaults() {
  // The box was exchanged when it was last clicked.
  if (!m_bSpecifyTypes) return;
  if (CWnd* list = TypeList()) {
    m_listTypes.ReadControl(list);
    m_listEmpty.FillControl(list);
  }
  m_bSpecifyTypes = 0;
  ApplyInUse();
  UpdateData(FALSE);
}

void CContentTypes::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (m_bSpecifyTypes) m_listTypes.ReadControl(TypeList());
  if (WriteSettings()) {
    ReportSettingsNotWritten(CString(m_strIniFile));
    return;
  }
  CDialog::OnOK();
}

BOOL CContentTypes::OnSetCursor(CWnd* window, UINT, UINT) { return FollowPointer(*this, window, kHoverHints); }
