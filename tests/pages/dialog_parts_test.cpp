// Parts of the dialogs that the library's own templates never show: the pick-list adapter over
// drop-down lists, missing controls included, and the content types dialog on a template
// without its list control.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <queue>
#include <string>
#include <string_view>

#include "pages/combo_pick_list.h"
#include "pages/content_types.h"
#include "platform/afx/win_thread.h"
#include "platform/profile/profile.h"
#include "platform/resource/resource_chain.h"
#include "platform/window/dialog_manager.h"
#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "resources/library_resources.h"
#include "tests/platform/window_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

using platform::DialogControl;
using platform::DialogTemplate;
using tessaly::test::TempDir;
using tessaly::test::WriteFile;

constexpr UINT kListsTemplate = 7150;
constexpr std::array<std::string_view, 3> kEntries{"Windows", "linux", "Kestrix"};

constexpr DialogControl kListsControls[] = {
    {1, "ComboBox", WS_VISIBLE | CBS_DROPDOWNLIST, "", 0, 0, 80, 60, 0, kEntries},
    {2, "ComboBox", WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT, "", 0, 20, 80, 60, 0, kEntries},
};

// The content types dialog's template without the check-list control.
constexpr DialogControl kNoListControls[] = {
    {1064, "Button", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, "&Specify", 37, 14, 199, 10},
    {IDOK, "Button", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 241, 9, 50, 14},
    {IDCANCEL, "Button", WS_VISIBLE | WS_TABSTOP, "Cancel", 241, 26, 50, 14},
    {1035, "Button", WS_VISIBLE | BS_GROUPBOX, "Help Title", 7, 120, 284, 45},
    {1059, "Static", WS_VISIBLE, "", 11, 129, 273, 34},
    {1065, "Button", WS_VISIBLE | WS_TABSTOP, "&Use Defaults", 241, 69, 50, 14},
    {1066, "Button", WS_VISIBLE | WS_TABSTOP, "&Restore List", 241, 51, 50, 14},
};

constexpr DialogTemplate kTemplates[] = {
    {kListsTemplate, WS_POPUP | DS_SETFONT, "Lists", "MS Sans Serif", 8, ANSI_CHARSET, 100, 60, kListsControls},
    {151, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT, "Cache URL requiring content - advanced", "MS Sans Serif",
     8, ANSI_CHARSET, 298, 172, kNoListControls},
};
const platform::ResourceModule kTestModule{"test-templates", {}, kTemplates};

class Steps final : public platform::window::InputSource {
 public:
  void Then(std::function<void(HWND)> step) { m_steps.push(std::move(step)); }
  bool WaitForInput() override {
    if (m_steps.empty()) return false;
    auto step = std::move(m_steps.front());
    m_steps.pop();
    step(platform::window::ActiveModalDialog());
    return true;
  }

 private:
  std::queue<std::function<void(HWND)>> m_steps;
};

class DialogParts : public tessaly::test::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // Ours first, so that they stand in front of the library's templates of the same ids.
    platform::JoinResourceChain(kTestModule);
    platform::JoinResourceChain(tessaly::res::LibraryModule());
    m_frame = Top(WS_OVERLAPPED | WS_VISIBLE);
    AfxGetThread()->m_pMainWnd = CWnd::FromHandle(m_frame);
    platform::window::SetInputSource(&m_steps);
  }
  void TearDown() override {
    AfxGetThread()->m_pMainWnd = nullptr;
    platform::LeaveResourceChain(tessaly::res::LibraryModule());
    platform::LeaveResourceChain(kTestModule);
    WindowTest::TearDown();
  }
  std::string Stored(const char* key) const {
    char value[256];
    GetPrivateProfileStringA("WEB", key, "<missing>", value, sizeof value, m_file.c_str());
    return value;
  }
  static void Click(HWND dialog, int id) {
    EXPECT_EQ(platform::window::input::Click(GetDlgItem(dialog, id)), platform::window::input::Outcome::Done) << id;
  }

  TempDir m_folder;
  std::string m_file = m_folder / "script.cfg";
  HWND m_frame = nullptr;
  Steps m_steps;
};

// A dialog of two drop-down lists, without a modal loop.
class CListsDialog : public CDialog {
 public:
  CListsDialog() : CDialog(kListsTemplate) {}
  BOOL Open() { return CreateFromTemplate(nullptr, false); }
};

TEST_F(DialogParts, PickListsWorkInTheDropDownListsInTheirOwnOrder) {
  CListsDialog dialog;
  ASSERT_TRUE(dialog.Open());
  CComboPickList plain(dialog, 1);
  CComboPickList sorted(dialog, 2);
  EXPECT_FALSE(plain.Sorts());
  EXPECT_TRUE(sorted.Sorts());
  EXPECT_EQ(plain.Entries(), (std::vector<std::string>{"Windows", "linux", "Kestrix"}));
  EXPECT_EQ(sorted.Entries(), (std::vector<std::string>{"Kestrix", "linux", "Windows"}));
  EXPECT_EQ(sorted.Add("Mac"), 2u) << "the position the list put it at";
  EXPECT_EQ(sorted.Selection(), std::nullopt);
  sorted.SelectByBeginning("WIN");
  EXPECT_EQ(sorted.Text(), "Windows");
  sorted.Select(std::nullopt);
  EXPECT_EQ(sorted.Text(), "");
  plain.Reset();
  EXPECT_EQ(plain.Count(), 0u);
  plain.Add("only");
  plain.Select(5);
  EXPECT_EQ(plain.Selection(), std::nullopt) << "an index out of range selects nothing";
}

TEST_F(DialogParts, PickListWithoutItsControlIsEmptyAndTakesNothing) {
  CListsDialog dialog;
  ASSERT_TRUE(dialog.Open());
  CComboPickList missing(dialog, 99);
  EXPECT_EQ(missing.Count(), 0u);
  EXPECT_EQ(missing.Add("entry"), 0u);
  missing.Select(0);
  EXPECT_EQ(missing.Selection(), std::nullopt);
  EXPECT_EQ(missing.Entry(0), "");
  EXPECT_FALSE(missing.Sorts());
  CListsDialog closed;
  EXPECT_EQ(CComboPickList(closed, 1).Count(), 0u) << "no window yet";
}

TEST_F(DialogParts, ContentTypesDialogWithoutItsListStillSwitchesAndWritesTheListAsRead) {
  WriteFile(m_file, "[WEB]\nKeepNonTextMimeTypeForQuillet=a;1;b\nIgnoreContentCachingTypes=0\n");
  CContentTypes dialog(m_file.c_str(), "HTTP");
  m_steps.Then([&](HWND shown) {
    EXPECT_EQ(IsDlgButtonChecked(shown, 1064), 1u);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(shown, 1066)));
    Click(shown, 1064);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(shown, 1066)));
    Click(shown, 1064);
    Click(shown, 1065);
    EXPECT_EQ(IsDlgButtonChecked(shown, 1064), 0u);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(shown, 1066)));
    Click(shown, IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(Stored("KeepNonTextMimeTypeForQuillet"), "a;1;b");
  EXPECT_EQ(Stored("KeepNonTextMimeType"), "a");
  EXPECT_EQ(Stored("IgnoreContentCachingTypes"), "1");
}

TEST_F(DialogParts, ContentTypesDialogTakesItsScriptTypeFromTheProtocolName) {
  for (const auto& [protocol, index] :
       {std::pair{"WAP", 1}, {"iMode", 2}, {"VoiceXML", 3}, {"SOAP", 4}, {"wap", 0}, {"", 0}}) {
    CContentTypes dialog(m_file.c_str(), protocol);
    EXPECT_EQ(dialog.m_nScriptType, index) << protocol;
    EXPECT_EQ(dialog.m_nIDHelp, 151u);
    EXPECT_EQ(dialog.m_strIniFile, m_file);
    EXPECT_EQ(dialog.m_bSpecifyTypes, 0);
    EXPECT_TRUE(dialog.m_listTypes.m_str.empty() && dialog.m_listEmpty.m_str.empty());
  }
}

}  // namespace
