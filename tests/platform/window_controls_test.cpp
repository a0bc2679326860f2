// The built-in controls: button types and their clicks, radio groups, styles, combo boxes
// with sorting and selection, edit boxes and statics.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/window/input.h"
#include "platform/window/window.h"
#include "tests/platform/window_test_support.h"
#include "tests/support/case_name.h"

namespace {

using platform::window::input::Click;
using tessaly::test::ReceivedOf;
using tessaly::test::WindowTest;

struct ClickCase {
  const char* name;
  DWORD type;
  int before;
  int after;
};

class ButtonClick : public WindowTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ButtonClick, ChangesStateByTypeAndTellsTheParent) {
  const ClickCase& c = GetParam();
  const HWND top = Top();
  const HWND button = Child(top, "Button", 1041, WS_VISIBLE | c.type);
  SendMessageA(button, BM_SETCHECK, static_cast<WPARAM>(c.before), 0);
  ASSERT_EQ(Click(button), platform::window::input::Outcome::Done);
  EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), c.after);
  const auto commands = ReceivedOf(top, WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, MAKEWPARAM(1041, BN_CLICKED));
  EXPECT_EQ(reinterpret_cast<HWND>(commands[0].lParam), button);
}

const ClickCase kClickCases[] = {
    {"AutoCheckBoxChecks", BS_AUTOCHECKBOX, 0, 1},
    {"AutoCheckBoxUnchecks", BS_AUTOCHECKBOX, 1, 0},
    {"AutoThreeStateToChecked", BS_AUTO3STATE, 0, 1},
    {"AutoThreeStateToIndeterminate", BS_AUTO3STATE, 1, 2},
    {"AutoThreeStateBackToUnchecked", BS_AUTO3STATE, 2, 0},
    {"PlainCheckBoxLeavesStateToItsOwner", BS_CHECKBOX, 0, 0},
    {"PlainThreeStateLeavesStateToItsOwner", BS_3STATE, 2, 2},
    {"AutoRadioChecks", BS_AUTORADIOBUTTON, 0, 1},
    {"PushButtonHasNoState", BS_PUSHBUTTON, 1, 0},
};
INSTANTIATE_TEST_SUITE_P(Types, ButtonClick, ::testing::ValuesIn(kClickCases), tessaly::test::CaseName());

class Controls : public WindowTest {};

TEST_F(Controls, AutoRadioButtonUnchecksTheOthersOfItsGroupOnly) {
  const HWND top = Top();
  const HWND first = Child(top, "Button", 1, WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON);
  const HWND second = Child(top, "Button", 2, WS_VISIBLE | BS_AUTORADIOBUTTON);
  const HWND label = Child(top, "Static", 3, WS_VISIBLE | WS_GROUP);
  const HWND other = Child(top, "Button", 4, WS_VISIBLE | BS_AUTORADIOBUTTON);
  (void)label;
  SendMessageA(first, BM_SETCHECK, 1, 0);
  SendMessageA(other, BM_SETCHECK, 1, 0);
  Click(second);
  EXPECT_EQ(SendMessageA(first, BM_GETCHECK, 0, 0), 0);
  EXPECT_EQ(SendMessageA(second, BM_GETCHECK, 0, 0), 1);
  EXPECT_EQ(SendMessageA(other, BM_GETCHECK, 0, 0), 1) << "a new group starts at the label";
}

TEST_F(Controls, IndeterminateOnlyForThreeStateBoxes) {
  const HWND top = Top();
  const HWND twoState = Child(top, "Button", 1, WS_VISIBLE | BS_AUTOCHECKBOX);
  const HWND threeState = Child(top, "Button", 2, WS_VISIBLE | BS_AUTO3STATE);
  SendMessageA(twoState, BM_SETCHECK, BST_INDETERMINATE, 0);
  SendMessageA(threeState, BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(SendMessageA(twoState, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(threeState, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
}

TEST_F(Controls, SetStyleReplacesTheButtonStylesAndKeepsTheWindowStyles) {
  const HWND top = Top();
  const HWND box = Child(top, "Button", 1, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX | 0x2000);
  SendMessageA(box, BM_SETSTYLE, BS_AUTO3STATE, TRUE);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE)), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTO3STATE);
}

TEST_F(Controls, DisabledButtonIgnoresTheClick) {
  const HWND top = Top();
  const HWND box = Child(top, "Button", 1, WS_VISIBLE | WS_DISABLED | BS_AUTOCHECKBOX);
  EXPECT_EQ(Click(box), platform::window::input::Outcome::Unreachable);
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), 0);
  EXPECT_TRUE(ReceivedOf(top, WM_COMMAND).empty());
}

std::vector<std::string> Entries(HWND combo) {
  std::vector<std::string> entries;
  const auto count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::string entry(static_cast<std::size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0)), '\0');
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry.data()));
    entries.push_back(entry);
  }
  return entries;
}

void Add(HWND combo, const char* text) { SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }

TEST_F(Controls, SortedComboBoxInsertsByCaseFoldedOrderAfterEqualEntries) {
  const HWND top = Top();
  const HWND combo = Child(top, "ComboBox", 1054, WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT);
  for (const char* text : {"Windows", "linux", "Linux", "_under", "Mac", "LINUX"}) Add(combo, text);
  const std::vector<std::string> expected = {"_under", "linux", "Linux", "LINUX", "Mac", "Windows"};
  EXPECT_EQ(Entries(combo), expected) << "letters fold to lower case, so '_' sorts before them";
}

TEST_F(Controls, UnsortedComboBoxKeepsOrderAndSelectionFollowsInsertions) {
  const HWND top = Top();
  const HWND combo = Child(top, "ComboBox", 1052, WS_VISIBLE | CBS_DROPDOWNLIST);
  for (const char* text : {"b", "a"}) Add(combo, text);
  EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 1, 0), 1);
  SendMessageA(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("c"));
  EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2) << "the chosen entry stays chosen";
  char text[8] = {};
  GetWindowTextA(combo, text, sizeof text);
  EXPECT_STREQ(text, "a") << "a drop-down list shows its chosen entry";
  EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR);
  EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), -1);
  EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 7, 0), CB_ERR);
  EXPECT_EQ(SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("A")), 2);
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 0);
}

TEST_F(Controls, EditReadOnlyIsItsStyleBit) {
  const HWND top = Top();
  const HWND edit = Child(top, "Edit", 1051, WS_VISIBLE);
  SendMessageA(edit, EM_SETREADONLY, 1, 0);
  EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY);
  EXPECT_EQ(platform::window::input::Type(edit, "x"), platform::window::input::Outcome::ReadOnly);
  SendMessageA(edit, EM_SETREADONLY, 0, 0);
  EXPECT_FALSE(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY);
  EXPECT_EQ(platform::window::input::Type(edit, "x"), platform::window::input::Outcome::Done);
  const auto changes = ReceivedOf(top, WM_COMMAND);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].wParam, MAKEWPARAM(1051, EN_CHANGE));
}

TEST_F(Controls, FontsAreKeptPerWindow) {
  const HWND top = Top();
  const HWND label = Child(top, "Static", 1);
  const auto font = reinterpret_cast<HFONT>(static_cast<UINT_PTR>(0x1234));
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)), font);
}

}  // namespace
