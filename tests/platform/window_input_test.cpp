// The input entry point: the pointer, keys with their modifiers, typing, choosing and the
// check list, each turned into the messages a user's action brings.

#include <gtest/gtest.h>

#include "platform/window/check_list.h"
#include "platform/window/input.h"
#include "platform/window/key_state.h"
#include "platform/window/window.h"
#include "tests/platform/window_test_support.h"
#include "tests/support/case_name.h"

namespace {

using platform::window::input::Outcome;
using tessaly::test::kRecorderClass;
using tessaly::test::ReceivedOf;
using tessaly::test::WindowTest;

class Pointer : public WindowTest {};

TEST_F(Pointer, CursorMessageTravelsUpWithTheWindowUnderThePointer) {
  const HWND top = Top();
  const HWND panel = Child(top, kRecorderClass, 50);
  const HWND button = Child(panel, "Button", 1041, WS_VISIBLE | BS_AUTOCHECKBOX);
  ASSERT_EQ(platform::window::input::PointerOnto(button), Outcome::Done);
  for (HWND receiver : {panel, top}) {
    const auto cursor = ReceivedOf(receiver, WM_SETCURSOR);
    ASSERT_EQ(cursor.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(cursor[0].wParam), button);
    EXPECT_EQ(LOWORD(cursor[0].lParam), HTCLIENT);
    EXPECT_EQ(HIWORD(cursor[0].lParam), WM_MOUSEMOVE);
  }
}

struct PassCase {
  const char* name;
  const char* className;
  DWORD style;
  bool takesPointer;
};

class PointerPassesThrough : public WindowTest, public ::testing::WithParamInterface<PassCase> {};

TEST_P(PointerPassesThrough, ToTheParentOverWindowsThatDoNotTakeIt) {
  const PassCase& c = GetParam();
  const HWND top = Top();
  const HWND control = Child(top, c.className, 9, c.style);
  platform::window::input::PointerOnto(control);
  const auto cursor = ReceivedOf(top, WM_SETCURSOR);
  ASSERT_EQ(cursor.size(), 1u);
  EXPECT_EQ(reinterpret_cast<HWND>(cursor[0].wParam), c.takesPointer ? control : top);
}

const PassCase kPassCases[] = {
    {"PushButton", "Button", WS_VISIBLE, true}, {"DisabledButton", "Button", WS_VISIBLE | WS_DISABLED, false},
    {"HiddenButton", "Button", 0, false},       {"GroupBox", "Button", WS_VISIBLE | BS_GROUPBOX, false},
    {"Label", "Static", WS_VISIBLE, false},     {"NotifyingLabel", "Static", WS_VISIBLE | SS_NOTIFY, true},
    {"Edit", "Edit", WS_VISIBLE, true},
};
INSTANTIATE_TEST_SUITE_P(Kinds, PointerPassesThrough, ::testing::ValuesIn(kPassCases), tessaly::test::CaseName());

struct KeyCase {
  const char* name;
  platform::window::input::Modifiers held;
  bool shift, ctrl, alt;
};

class HelpKey : public WindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(HelpKey, AsksForHelpAtTheFocusWithTheModifiersHeldMeanwhile) {
  const KeyCase& c = GetParam();
  const HWND top = Top();
  const HWND edit = Child(top, kRecorderClass, 1056, WS_VISIBLE);
  bool seen[3] = {};
  struct Probe {
    static bool*& Slots() {
      static bool* slots = nullptr;
      return slots;
    }
  };
  Probe::Slots() = seen;
  RegisterWindowClass("HelpProbe", [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_HELP) {
      Probe::Slots()[0] = GetKeyState(VK_SHIFT) < 0;
      Probe::Slots()[1] = GetKeyState(VK_CONTROL) < 0;
      Probe::Slots()[2] = GetKeyState(VK_MENU) < 0;
    }
    return DefWindowProcA(w, m, wp, lp);
  });
  const HWND probe = Child(edit, "HelpProbe", 7, WS_VISIBLE);
  SetFocus(probe);
  ASSERT_EQ(platform::window::input::Key(top, VK_F1, c.held), Outcome::Done);
  EXPECT_EQ(seen[0], c.shift);
  EXPECT_EQ(seen[1], c.ctrl);
  EXPECT_EQ(seen[2], c.alt);
  EXPECT_GE(GetKeyState(VK_SHIFT), 0) << "released after the key";
  const auto help = ReceivedOf(edit, WM_HELP);
  ASSERT_EQ(help.size(), 1u) << "the request travels up from the focus";
  EXPECT_EQ(ReceivedOf(top, WM_HELP).size(), 1u);
}

const KeyCase kKeyCases[] = {
    {"NoModifier", {}, false, false, false},
    {"Shift", {true, false, false}, true, false, false},
    {"Ctrl", {false, true, false}, false, true, false},
    {"Alt", {false, false, true}, false, false, true},
    {"All", {true, true, true}, true, true, true},
};
INSTANTIATE_TEST_SUITE_P(Modifiers, HelpKey, ::testing::ValuesIn(kKeyCases), tessaly::test::CaseName());

class Keys : public WindowTest {};

TEST_F(Keys, EscapeAndReturnAreCancelAndOkOfTheActiveWindow) {
  const HWND top = Top();
  platform::window::input::Key(top, VK_ESCAPE, {});
  platform::window::input::Key(top, VK_RETURN, {});
  const auto commands = ReceivedOf(top, WM_COMMAND);
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(LOWORD(commands[0].wParam), IDCANCEL);
  EXPECT_EQ(LOWORD(commands[1].wParam), IDOK);
}

TEST_F(Keys, HelpAtTheActiveWindowWhenTheFocusIsElsewhere) {
  const HWND top = Top();
  const HWND elsewhere = Top();
  SetFocus(elsewhere);
  platform::window::input::Key(top, VK_F1, {});
  EXPECT_EQ(ReceivedOf(top, WM_HELP).size(), 1u);
  EXPECT_TRUE(ReceivedOf(elsewhere, WM_HELP).empty());
}

class Choosing : public WindowTest {};

TEST_F(Choosing, AnEntryByItsExactTextTellsTheParent) {
  const HWND top = Top();
  const HWND combo = Child(top, "ComboBox", 1052, WS_VISIBLE | CBS_DROPDOWNLIST);
  for (const char* text : {"Mozilla Firefox", "Google Chrome"})
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(platform::window::input::Choose(combo, "google chrome"), Outcome::NoSuchEntry);
  EXPECT_EQ(platform::window::input::Choose(combo, "Google Chrome"), Outcome::Done);
  EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
  const auto commands = ReceivedOf(top, WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, MAKEWPARAM(1052, CBN_SELCHANGE));
  EXPECT_EQ(platform::window::input::Choose(Child(top, "Edit", 3), "x"), Outcome::WrongKind);
}

TEST_F(Choosing, NothingReachesAWindowUnderADisabledParent) {
  const HWND top = Top();
  const HWND edit = Child(top, "Edit", 1);
  EnableWindow(top, FALSE);
  EXPECT_EQ(platform::window::input::Type(edit, "x"), Outcome::Unreachable);
  EXPECT_EQ(platform::window::input::Click(edit), Outcome::Unreachable);
  EXPECT_EQ(platform::window::input::PointerOnto(edit), Outcome::Unreachable);
  EXPECT_EQ(platform::window::input::Click(nullptr), Outcome::NoWindow);
}

class CheckListInput : public WindowTest {};

TEST_F(CheckListInput, UserEditsTheItemsWhileTheListIsEnabled) {
  const HWND top = Top();
  const HWND list = Child(top, "TessalyCheckList", 1068, WS_VISIBLE, "", {0, 0, 200, 100});
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(platform::window::input::ListAdd(list, "text/xml", 16), Outcome::Done);
  EXPECT_EQ(platform::window::input::ListAdd(list, "application/json", 0), Outcome::Done);
  EXPECT_EQ(platform::window::input::ListSet(list, 1, 7), Outcome::Done);
  EXPECT_EQ(platform::window::input::ListSet(list, 2, 16), Outcome::NoSuchEntry);
  EXPECT_EQ(platform::window::input::ListRemove(list, 0), Outcome::Done);
  const auto items = platform::window::CheckListItems(list);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].text, u"application/json");
  EXPECT_EQ(items[0].state, 7) << "any integer state is kept";
  EnableWindow(list, FALSE);
  EXPECT_EQ(platform::window::input::ListAdd(list, "text/plain", 0), Outcome::Unreachable);
  EXPECT_EQ(platform::window::CheckListItems(list).size(), 1u);
  EXPECT_EQ(platform::window::input::ListAdd(Child(top, "ListBox", 2), "x", 0), Outcome::WrongKind);
}

TEST_F(CheckListInput, InnerListWindowCoversTheControlAndLetsTheCursorMessageUp) {
  const HWND top = Top();
  const HWND list = Child(top, "TessalyCheckList", 1068, WS_VISIBLE, "", {10, 10, 210, 110});
  const HWND inner = GetDlgItem(list, platform::window::kCheckListInnerId);
  ASSERT_NE(inner, nullptr);
  RECT rect{};
  GetClientRect(inner, &rect);
  EXPECT_EQ(rect.right, 200);
  EXPECT_EQ(rect.bottom, 100);
  platform::window::input::PointerOnto(inner);
  const auto cursor = ReceivedOf(top, WM_SETCURSOR);
  ASSERT_EQ(cursor.size(), 1u);
  EXPECT_EQ(GetDlgCtrlID(reinterpret_cast<HWND>(cursor[0].wParam)), 105);
}

}  // namespace
