// The framework dialog's help key: a message to the application's top-level window, or the
// platform's default when a modifier is held; the earlier edition's route through the main
// window of the user-interface thread.

#include <gtest/gtest.h>

#include "platform/afx/win_thread.h"
#include "platform/window/input.h"
#include "platform/window/key_state.h"
#include "platform/window/window.h"
#include "settings/edition.h"
#include "tests/framework/framework_test_support.h"
#include "tests/platform/window_test_support.h"
#include "tests/support/case_name.h"

namespace {

using tessaly::test::CTestDialog;
using tessaly::test::FrameworkTest;
using tessaly::test::ReceivedOf;

constexpr bool kEarlier = tessaly::kEdition == tessaly::Edition::Earlier;
constexpr WPARAM kContextId = 151 + 0x20000;

struct HelpCase {
  const char* name;
  platform::window::input::Modifiers held;
  bool byCommand;  // the Help button's command instead of the key
  bool sendsRequest;
};

class DialogHelp : public FrameworkTest, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(DialogHelp, GoesToTheHostAsAMessageUnlessAModifierIsHeld) {
  const HelpCase& c = GetParam();
  CTestDialog dialog;
  ASSERT_TRUE(dialog.OpenWithoutLoop());
  SetFocus(GetDlgItem(dialog.m_hWnd, 1064));
  if (c.byCommand) {
    platform::window::SetKeyDown(VK_SHIFT, c.held.shift);
    platform::window::input::Command(dialog.m_hWnd, static_cast<int>(ID_HELP));
    platform::window::SetKeyDown(VK_SHIFT, false);
  } else
    platform::window::input::Key(dialog.m_hWnd, VK_F1, c.held);
  const auto requests = ReceivedOf(Frame(), WM_COMMANDHELP);
  if (!c.sendsRequest) {
    EXPECT_TRUE(requests.empty());
    // The platform's default hands the help key's request on to the owner.
    EXPECT_EQ(ReceivedOf(Frame(), WM_HELP).size(), c.byCommand ? 0u : 1u);
    return;
  }
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].wParam, kContextId);
  EXPECT_EQ(requests[0].wParam, 131223u);
  EXPECT_EQ(reinterpret_cast<HWND>(requests[0].lParam), kEarlier ? nullptr : dialog.m_hWnd);
  EXPECT_TRUE(ReceivedOf(Frame(), WM_HELP).empty()) << "nothing else";
}

const HelpCase kHelpCases[] = {
    {"KeyWithoutModifier", {}, false, true},
    {"KeyWithShift", {true, false, false}, false, false},
    {"KeyWithCtrl", {false, true, false}, false, false},
    {"KeyWithAlt", {false, false, true}, false, false},
    {"HelpCommand", {}, true, true},
    {"HelpCommandWithShift", {true, false, false}, true, false},
};
INSTANTIATE_TEST_SUITE_P(Routes, DialogHelp, ::testing::ValuesIn(kHelpCases), tessaly::test::CaseName());

class DialogHelpRoute : public FrameworkTest {};

TEST_F(DialogHelpRoute, TopLevelIsTheEndOfTheParentChainOrTheThreadsMainWindow) {
  // A sheet of its own, apart from the application's main window, holding a page that
  // opens the dialog.
  const HWND sheet = CreateWindowExA(0, tessaly::test::kRecorderClass, "sheet", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 500,
                                     400, nullptr, 0, nullptr);
  tessaly::test::CTestTab page;
  ASSERT_TRUE(page.CreatePage(CWnd::FromHandle(sheet)));
  CTestDialog dialog;
  dialog.m_pParentWnd = &page;
  ASSERT_TRUE(dialog.OpenWithoutLoop());
  EXPECT_EQ(GetParent(dialog.m_hWnd), sheet);
  EXPECT_TRUE(dialog.ShowContextHelp(nullptr));
  EXPECT_EQ(ReceivedOf(kEarlier ? Frame() : sheet, WM_COMMANDHELP).size(), 1u);
  EXPECT_TRUE(ReceivedOf(kEarlier ? sheet : Frame(), WM_COMMANDHELP).empty());
  dialog.DestroyWindow();
  page.DestroyWindow();
  DestroyWindow(sheet);
}

TEST_F(DialogHelpRoute, WithoutMainWindowTheEarlierEditionFallsBackToTheDefault) {
  CTestDialog dialog;
  ASSERT_TRUE(dialog.OpenWithoutLoop());
  AfxGetThread()->m_pMainWnd = nullptr;
  platform::window::input::Key(dialog.m_hWnd, VK_F1, {});
  EXPECT_EQ(ReceivedOf(Frame(), WM_COMMANDHELP).size(), kEarlier ? 0u : 1u);
  EXPECT_EQ(ReceivedOf(Frame(), WM_HELP).size(), kEarlier ? 1u : 0u);
}

TEST_F(DialogHelpRoute, DialogWithoutWindowShowsNoHelp) {
  CTestDialog dialog;
  EXPECT_FALSE(dialog.ShowContextHelp(nullptr));
  EXPECT_TRUE(ReceivedOf(Frame(), WM_COMMANDHELP).empty());
}

TEST_F(DialogHelpRoute, FrameworkDialogIsBuiltOnTemplate151WithTheExtensionsDefaults) {
  CTestDialog dialog;
  EXPECT_EQ(dialog.m_nIDHelp, 151u);
  EXPECT_EQ(dialog.m_nIDTemplate, 151u);
  EXPECT_EQ(dialog.m_pParentWnd, nullptr);
  EXPECT_EQ(dialog.m_nFeatures, 7);
  EXPECT_EQ(dialog.m_bReadOnly, 0);
  EXPECT_EQ(dialog.m_nHintTimer, 0);
}

}  // namespace
