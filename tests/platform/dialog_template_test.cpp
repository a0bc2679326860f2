// Dialogs made from templates: places in pixels from dialog units, the template font on
// every control, icons and initial entries, and the modal loop with its input source.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <queue>
#include <string_view>

#include "platform/gdi/gdi.h"
#include "platform/resource/resource_chain.h"
#include "platform/window/dialog_manager.h"
#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/observer.h"
#include "platform/window/window.h"
#include "tests/platform/window_test_support.h"

namespace {

using platform::DialogControl;
using platform::DialogTemplate;
using tessaly::test::WindowTest;

constexpr std::array<std::string_view, 3> kBrowsers = {"Zeta", "alpha", "Mid"};
constexpr DialogControl kControls[] = {
    {1064, "Button", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, "&Specify", 37, 14, 199, 10},
    {IDOK, "Button", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 241, 9, 50, 14},
    {IDCANCEL, "Button", WS_VISIBLE | WS_TABSTOP, "Cancel", 241, 26, 50, 14},
    {1052, "ComboBox", WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT, "", 78, 26, 132, 71, 0, kBrowsers},
    {-1, "Static", WS_VISIBLE | SS_ICON, "", 7, 11, 21, 20, 9153},
};
constexpr DialogTemplate kDialog{9151,       WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT,
                                 "Advanced", "MS Sans Serif",
                                 8,          ANSI_CHARSET,
                                 298,        172,
                                 kControls};
constexpr platform::IconResource kIcons[] = {{9153, 32, 32}};
constexpr DialogTemplate kDialogs[] = {kDialog};
const platform::ResourceModule kModule{"dialog-test", {}, kDialogs, kIcons};

class Dialogs : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    platform::JoinResourceChain(kModule);
  }
  void TearDown() override {
    for (HWND dialog : m_made) DestroyWindow(dialog);
    platform::LeaveResourceChain(kModule);
    WindowTest::TearDown();
  }
  HWND Make(HWND owner = nullptr) {
    const HWND dialog = platform::window::CreateDialogFromTemplate(kDialog, owner, nullptr, 0);
    m_made.push_back(dialog);
    return dialog;
  }

 private:
  std::vector<HWND> m_made;
};

TEST_F(Dialogs, BaseUnitsOfTheClassicDialogFontAreSixByThirteen) {
  const SIZE base = platform::window::BaseUnitsOf("MS Sans Serif", 8);
  EXPECT_EQ(base.cx, 6);
  EXPECT_EQ(base.cy, 13);
}

TEST_F(Dialogs, ControlsArePlacedInPixelsInTemplateOrder) {
  const HWND dialog = Make();
  ASSERT_NE(dialog, nullptr);
  RECT rect{};
  GetClientRect(dialog, &rect);
  EXPECT_EQ(rect.right, 447);   // 298 * 6 / 4
  EXPECT_EQ(rect.bottom, 280);  // 172 * 13 / 8, rounded
  const HWND box = GetTopWindow(dialog);
  EXPECT_EQ(GetDlgCtrlID(box), 1064);
  GetWindowRect(box, &rect);
  EXPECT_EQ(rect.left, 56);  // 37 * 6 / 4 = 55.5, rounded
  EXPECT_EQ(rect.top, 23);   // 14 * 13 / 8 = 22.75
  EXPECT_EQ(rect.right, 56 + 299);
  EXPECT_EQ(rect.bottom, 23 + 16);
  EXPECT_EQ(GetDlgCtrlID(GetWindow(box, GW_HWNDNEXT)), IDOK);
  char caption[16] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  EXPECT_STREQ(caption, "Advanced");
}

TEST_F(Dialogs, EveryControlGetsTheTemplateFont) {
  const HWND dialog = Make();
  const auto font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
  const auto record = platform::gdi::FontRecord(font);
  ASSERT_TRUE(record);
  EXPECT_STREQ(record->lfFaceName, "MS Sans Serif");
  EXPECT_EQ(record->lfHeight, -11);
  EXPECT_EQ(record->lfCharSet, ANSI_CHARSET);
  for (HWND child = GetTopWindow(dialog); child; child = GetWindow(child, GW_HWNDNEXT))
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)), font);
  const int objects = platform::gdi::LiveObjectCount();
  DestroyWindow(dialog);
  EXPECT_EQ(platform::gdi::LiveObjectCount(), objects - 1) << "the font goes with the dialog";
}

TEST_F(Dialogs, IconsComeFromTheChainAndEntriesWaitForTheDialogsInitialisation) {
  const HWND dialog = Make();
  const HWND icon = GetWindow(GetTopWindow(dialog), GW_HWNDLAST);
  const auto size = platform::gdi::IconSize(reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)));
  ASSERT_TRUE(size);
  EXPECT_EQ(size->cx, 32);
  const HWND combo = GetDlgItem(dialog, 1052);
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 0);
  platform::window::FillInitialEntries(dialog, kDialog);
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 3);
  char first[8] = {};
  SendMessageA(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
  EXPECT_STREQ(first, "alpha") << "a sorted list sorts its initial entries";
}

// An input source that runs one scripted action per wait.
class Script final : public platform::window::InputSource {
 public:
  explicit Script(std::vector<std::function<void()>> actions) {
    for (auto& action : actions) m_actions.push(std::move(action));
  }
  bool WaitForInput() override {
    if (m_actions.empty()) return false;
    auto action = std::move(m_actions.front());
    m_actions.pop();
    action();
    return true;
  }

 private:
  std::queue<std::function<void()>> m_actions;
};

struct ModalEvents : platform::window::WindowObserver {
  std::vector<std::string> seen;
  void OnModalBegin(HWND, UINT id) override { seen.push_back("begin " + std::to_string(id)); }
  void OnModalEnd(HWND, UINT id, INT_PTR result) override {
    seen.push_back("end " + std::to_string(id) + " " + std::to_string(result));
  }
};

TEST_F(Dialogs, ModalRunEndsWithTheButtonTheUserPressesAndFreesItsOwnerAgain) {
  const HWND owner = Top(WS_OVERLAPPED | WS_VISIBLE);
  const HWND dialog = Make(owner);
  ModalEvents events;
  platform::window::AddObserver(&events);
  bool ownerDisabledMeanwhile = false;
  Script script({[&] { ownerDisabledMeanwhile = !IsWindowEnabled(owner); },
                 [&] { platform::window::input::Click(GetDlgItem(dialog, IDOK)); }});
  platform::window::SetInputSource(&script);
  EXPECT_EQ(platform::window::RunModalDialog(dialog), IDOK);
  platform::window::RemoveObserver(&events);
  EXPECT_TRUE(ownerDisabledMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(events.seen, (std::vector<std::string>{"begin 9151", "end 9151 1"}));
}

TEST_F(Dialogs, ModalRunWithoutInputIsCancelledRatherThanHanging) {
  const HWND dialog = Make();
  EXPECT_EQ(platform::window::RunModalDialog(dialog), IDCANCEL);
}

TEST_F(Dialogs, TimersRunWhileTheModalLoopWaits) {
  const HWND dialog = Make();
  const HWND ticking = Child(dialog, tessaly::test::kRecorderClass, 77);
  SetTimer(ticking, 1, 100, nullptr);
  Script script(
      {[] { platform::window::AdvanceClock(250); }, [&] { platform::window::input::Key(dialog, VK_ESCAPE, {}); }});
  platform::window::SetInputSource(&script);
  EXPECT_EQ(platform::window::RunModalDialog(dialog), IDCANCEL);
  EXPECT_EQ(tessaly::test::ReceivedOf(ticking, WM_TIMER).size(), 2u);
}

}  // namespace
