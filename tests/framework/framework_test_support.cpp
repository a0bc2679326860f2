#include "tests/framework/framework_test_support.h"

#include <array>
#include <string>

#include "platform/afx/win_thread.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "resources/library_resources.h"
#include "resources/resource_ids.h"
#include "tests/platform/window_test_support.h"

namespace tessaly::test {

namespace {

using platform::DialogControl;
using platform::DialogTemplate;

constexpr DWORD kVisible = WS_VISIBLE;
constexpr std::array<std::string_view, 2> kComboEntries = {"Windows", "Linux"};

constexpr DialogControl kPageControls[] = {
    {-1, "Static", kVisible | WS_GROUP, "User-Agent (browser to be emulated):", 49, 21, 119, 10},
    {1051, "Edit", kVisible | ES_READONLY | ES_MULTILINE, "", 70, 33, 192, 18},
    {1040, "Button", kVisible | WS_TABSTOP | BS_PUSHBUTTON, "&Change...", 272, 27, 53, 15},
    {1041, "Button", kVisible | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, "Simulate &browser cache", 49, 50, 138, 10},
    {1042, "Button", kVisible | WS_TABSTOP | BS_CHECKBOX, "&Download", 49, 94, 161, 10},
    {1043, "Button", kVisible | WS_TABSTOP | BS_3STATE, "Simulate a &new user", 49, 109, 161, 10},
    {1069, "Button", kVisible | WS_TABSTOP | BS_AUTO3STATE, "Cle&ar cache", 73, 123, 146, 10},
    {1057, "Button", kVisible | WS_TABSTOP | BS_AUTORADIOBUTTON, "Use &browser", 20, 7, 67, 15},
    {1052, "ComboBox", kVisible | WS_TABSTOP | CBS_DROPDOWNLIST, "", 78, 26, 132, 71, 0, kComboEntries},
    {1053, "ComboLBox", kVisible, "", 78, 44, 132, 51, 0, kComboEntries},
    {1070, "ListBox", kVisible, "", 78, 62, 132, 40},
    {1035, "Button", kVisible | BS_GROUPBOX, "Help Title", 7, 144, 336, 110},
    {1059, "Static", kVisible | WS_GROUP, "This is item description, with operational instructions", 13, 155, 323, 94},
    {kPictureFrame, "Static", kVisible | SS_SUNKEN, "", 250, 100, 60, 30},
};
constexpr DialogTemplate kPage{kPageTemplate, WS_CHILD | DS_SETFONT, "Test Tab", "MS Sans Serif", 8, ANSI_CHARSET, 360,
                               280,           kPageControls};
constexpr DialogTemplate kShiftJisPage{kShiftJisPageTemplate,
                                       WS_CHILD | DS_SETFONT,
                                       "Test Tab",
                                       "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E",
                                       9,
                                       SHIFTJIS_CHARSET,
                                       360,
                                       280,
                                       kPageControls};

constexpr DialogControl kReadOnlyControls[] = {
    {1051, "Edit", kVisible | WS_TABSTOP, "agent", 10, 10, 100, 14},
    {-1, "Static", kVisible, "Label", 10, 30, 100, 10},
    {1035, "Button", kVisible | BS_GROUPBOX, "Help Title", 5, 50, 200, 50},
    {IDOK, "Button", kVisible | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 150, 10, 50, 14},
    {IDCANCEL, "Button", kVisible | WS_TABSTOP, "Cancel", 150, 30, 50, 14},
    {static_cast<int>(ID_HELP), "Button", kVisible | WS_TABSTOP, "Help", 150, 50, 50, 14},
    {1040, "Button", kVisible | WS_TABSTOP, "&Change...", 150, 70, 50, 14},
    {1041, "Button", kVisible | WS_TABSTOP | BS_AUTOCHECKBOX, "Simulate", 10, 110, 100, 10},
    {1052, "ComboBox", kVisible | WS_TABSTOP | CBS_DROPDOWNLIST, "", 10, 130, 100, 50},
    {1068, "TessalyCheckList", kVisible | WS_TABSTOP, "", 10, 150, 100, 40},
};
constexpr DialogTemplate kReadOnly{
    kReadOnlyTemplate, WS_CHILD | DS_SETFONT, "Read only", "MS Sans Serif", 8, ANSI_CHARSET, 220, 200,
    kReadOnlyControls};

constexpr DialogControl kReservedControls[] = {
    {20499, "Static", kVisible, "before", 0, 0, 40, 10},
    {20500, "Static", kVisible, "first", 0, 10, 40, 10},
    {20549, "Edit", kVisible, "last", 0, 20, 40, 10},
    {20550, "Static", kVisible, "after", 0, 30, 40, 10},
};
constexpr DialogTemplate kReserved{
    kReservedTemplate, WS_CHILD | DS_SETFONT, "Reserved", "MS Sans Serif", 8, ANSI_CHARSET, 100, 60, kReservedControls};

constexpr DialogControl kDialogControls[] = {
    {1064, "Button", kVisible | WS_TABSTOP | BS_AUTOCHECKBOX, "&Specify URLs", 37, 14, 199, 10},
    {IDOK, "Button", kVisible | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 241, 9, 50, 14},
    {IDCANCEL, "Button", kVisible | WS_TABSTOP, "Cancel", 241, 26, 50, 14},
    {1068, "TessalyCheckList", kVisible | WS_TABSTOP | WS_GROUP, "", 49, 28, 181, 88},
    {1035, "Button", kVisible | BS_GROUPBOX, "Help Title", 7, 120, 284, 45},
    {1059, "Static", kVisible, "This is item description, with operational instructions", 11, 129, 273, 34},
    {1065, "Button", kVisible | WS_TABSTOP, "&Use Defaults", 241, 69, 50, 14},
    {1066, "Button", kVisible | WS_TABSTOP, "&Restore List", 241, 51, 50, 14},
};
constexpr DialogTemplate kDialog{kDialogTemplate,
                                 WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
                                 "Cache URL requiring content - advanced",
                                 "MS Sans Serif",
                                 8,
                                 ANSI_CHARSET,
                                 298,
                                 172,
                                 kDialogControls};

constexpr DialogControl kNoFontControls[] = {{1051, "Edit", kVisible, "", 10, 10, 100, 14}};
constexpr DialogTemplate kNoFont{kNoFontTemplate, WS_CHILD, "No font", "", 8, ANSI_CHARSET, 100, 40, kNoFontControls};

const std::vector<DialogControl>& ManyControls() {
  static const std::vector<DialogControl> controls = [] {
    std::vector<DialogControl> many;
    for (int i = 0; i < kManyCount; ++i)
      many.push_back({kManyFirstId + i, "Edit", kVisible, "", 0, static_cast<short>(i), 40, 1});
    return many;
  }();
  return controls;
}

}  // namespace

const platform::ResourceModule& TestTemplates() {
  static const std::vector<DialogTemplate> dialogs = {
      kPage,
      kShiftJisPage,
      kReadOnly,
      kReserved,
      kDialog,
      kNoFont,
      DialogTemplate{kManyTemplate, WS_CHILD | DS_SETFONT, "Many", "MS Sans Serif", 8, ANSI_CHARSET, 100, 240,
                     ManyControls()},
  };
  static const platform::ResourceModule module{"test-templates", {}, dialogs};
  return module;
}

const platform::ResourceModule& TestHost() {
  static constexpr platform::StringResource strings[] = {{20430, "Close"}};
  static const platform::ResourceModule module{"test-host", strings};
  return module;
}

std::vector<int>& HelpRequests() {
  static std::vector<int> requests;
  return requests;
}

BOOL& CompiledHelpAnswer() {
  static BOOL answer = TRUE;
  return answer;
}

std::pair<UINT, UINT> HintPairOf(int id) {
  switch (id) {
    case 1040:
      return {3509, 3510};
    case 1041:
      return {3503, 3504};
    case 1042:
      return {3505, 3506};
    case 1060:
      return {3514, 3513};
    case 1064:
      return {3527, 3528};
    case 1068:
    case 105:
      return {3525, 3526};
    default:
      return {3501, 3502};
  }
}

namespace {
// The hover rule of the windows with a hint panel.
template <typename Owner>
BOOL Hover(Owner& owner, CWnd* window) {
  const int id = window && window->m_hWnd != owner.m_hWnd ? window->GetDlgCtrlID() : 0;
  if (id != owner.m_nHintCtrlId) {
    const auto [title, text] = HintPairOf(id);
    owner.SetHint(title, text, id, CHintPanel::kHoverDelayMs);
  }
  return static_cast<BOOL>(owner.Default());
}
}  // namespace

CTestTab::CTestTab(UINT templateId, bool attachPanel)
    : CCfgTab("settings.ini", "", "HTTP", templateId, 0), m_bAttachPanel(attachPanel) {}

int CTestTab::LoadSettings() {
  ++m_nLoads;
  m_bControlsAtLoad = GetDlgItem(1041) != nullptr;
  m_bPanelAttachedAtLoad = m_wndHintText.m_hWnd != nullptr;
  CheckDlgButton(1041, BST_CHECKED);
  return 1;
}

void CTestTab::DoDataExchange(CDataExchange* exchange) {
  if (!m_bAttachPanel) return;
  DDX_Control(exchange, res::IDC_HINT_TEXT, m_wndHintText);
  DDX_Control(exchange, res::IDC_HINT_TITLE, m_wndHintTitle);
}

const MessageMap* CTestTab::GetThisMessageMap() {
  static constexpr MessageEntry kEntries[] = {afx::SetCursor<&CTestTab::OnSetCursor>()};
  static constexpr MessageMap kMap{&CCfgTab::GetThisMessageMap, kEntries};
  return &kMap;
}

const MessageMap* CTestTab::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CTestTab::OnSetCursor(CWnd* window, UINT, UINT) { return Hover(*this, window); }

BOOL CTestTab::OnInitDialog() {
  CCfgTab::OnInitDialog();
  SetHint(3501, 3502, 0, 0);
  return TRUE;
}

void CTestDialog::DoDataExchange(CDataExchange* exchange) {
  if (!m_bAttachPanel) return;
  DDX_Control(exchange, res::IDC_HINT_TEXT, m_wndHintText);
  DDX_Control(exchange, res::IDC_HINT_TITLE, m_wndHintTitle);
}

const MessageMap* CTestDialog::GetThisMessageMap() {
  static constexpr MessageEntry kEntries[] = {afx::SetCursor<&CTestDialog::OnSetCursor>()};
  static constexpr MessageMap kMap{&CBaseDialog::GetThisMessageMap, kEntries};
  return &kMap;
}

const MessageMap* CTestDialog::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CTestDialog::OnSetCursor(CWnd* window, UINT, UINT) { return Hover(*this, window); }

BOOL CTestDialog::OnInitDialog() {
  CBaseDialog::OnInitDialog();
  SetHint(3501, 3502, 0, 0);
  return TRUE;
}

void FrameworkTest::SetUp() {
  RegisterWindowClass(kRecorderClass, RecordingProc);
  ReceivedMessages().clear();
  HelpRequests().clear();
  CompiledHelpAnswer() = TRUE;
  m_windowsBefore = platform::window::LiveWindowCount();
  platform::JoinResourceChain(TestHost());
  platform::JoinResourceChain(res::LibraryModule());
  platform::JoinResourceChain(TestTemplates());
  m_frame = CreateWindowExA(0, kRecorderClass, "Run-time settings", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 800, 600, nullptr,
                            0, nullptr);
  AfxGetThread()->m_pMainWnd = CWnd::FromHandle(m_frame);
}

void FrameworkTest::TearDown() {
  AfxGetThread()->m_pMainWnd = nullptr;
  DestroyWindow(m_frame);
  platform::LeaveResourceChain(TestTemplates());
  platform::LeaveResourceChain(res::LibraryModule());
  platform::LeaveResourceChain(TestHost());
  platform::window::SetInputSource(nullptr);
  platform::window::faults::SetTimersFail(false);
  EXPECT_EQ(platform::window::LiveWindowCount(), m_windowsBefore) << "windows left behind";
}

}  // namespace tessaly::test
