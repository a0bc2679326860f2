// The content-type list and the check-list control: what filling calls on the control,
// what reading back makes of its items, and the round trips between them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/afx/exception.h"
#include "platform/afx/wnd.h"
#include "platform/window/check_list.h"
#include "platform/window/window.h"
#include "settings/str_check_list.h"
#include "tests/platform/window_test_support.h"
#include "tests/support/case_name.h"
#include "tests/support/scoped_env.h"

namespace {

using platform::window::CheckListItem;
using tessaly::test::ScopedEnv;
using tessaly::test::WindowTest;

// The dispatch calls the control received, as "id(args)".
std::vector<std::string>& Calls() {
  static std::vector<std::string> calls;
  return calls;
}
LONG& FailingItem() {
  static LONG index = -1;
  return index;
}

std::string Describe(const platform::window::DispatchCall& call) {
  std::string text = std::to_string(call.id) + "(";
  for (std::size_t i = 0; i < call.args.size(); ++i) {
    const auto& arg = call.args[i];
    if (i) text += ",";
    if (arg.i4Out || arg.textOut)
      text += "out";
    else if (arg.type == VT_BSTR)
      text += std::string(arg.text.begin(), arg.text.end());
    else
      text += std::to_string(arg.i4);
  }
  return text + ")";
}

LRESULT RecordingCheckList(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == platform::window::kDispatchMessage) {
    auto& call = *reinterpret_cast<platform::window::DispatchCall*>(lParam);
    Calls().push_back(Describe(call));
    if (call.id == platform::window::kDispGetItem && call.args.at(0).i4 == FailingItem()) {
      call.result = DISP_E_BADINDEX;
      return 0;
    }
  }
  return CallWindowProcA(GetClassProc("TessalyCheckList"), window, message, wParam, lParam);
}

class CheckListBinding : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Calls().clear();
    FailingItem() = -1;
    const HWND top = Top();
    m_list = Child(top, "TessalyCheckList", 1068, WS_VISIBLE, "", {0, 0, 270, 140});
    SetWindowProc(m_list, RecordingCheckList);
  }
  CWnd* Control() const { return CWnd::FromHandle(m_list); }
  void Put(const std::vector<CheckListItem>& items) {
    for (const auto& item : items) platform::window::CheckListAppend(m_list, item.text, item.state);
  }
  std::vector<std::pair<std::u16string, int>> Shown() const {
    std::vector<std::pair<std::u16string, int>> shown;
    for (const auto& item : platform::window::CheckListItems(m_list)) shown.emplace_back(item.text, item.state);
    return shown;
  }

  HWND m_list = nullptr;
};

struct FillCase {
  const char* name;
  const char* list;
  std::vector<std::string> calls;
};

class Filling : public CheckListBinding, public ::testing::WithParamInterface<FillCase> {};

TEST_P(Filling, ResetsTheControlAndAddsEachItemWithItsState) {
  CStrCheckList list;
  list.m_str = GetParam().list;
  Put({{u"left over", 16}});
  EXPECT_EQ(list.FillControl(Control()), 1);
  EXPECT_EQ(Calls(), GetParam().calls);
  EXPECT_EQ(list.m_str, GetParam().list) << "filling leaves the list as it was";
}

const FillCase kFillCases[] = {
    {"EmptyListLeavesTheControlEmpty", "", {"6()"}},
    {"DefaultList", "text/xml;0;text/plain;0", {"6()", "1(text/xml,0,0)", "1(text/plain,0,0)"}},
    {"EnabledItemsAreChecked", "text/xml;1;image/png;0;", {"6()", "1(text/xml,0,16)", "1(image/png,0,0)"}},
};
INSTANTIATE_TEST_SUITE_P(Lists, Filling, ::testing::ValuesIn(kFillCases), tessaly::test::CaseName());

struct ReadCase {
  const char* name;
  const char* locale;
  std::vector<CheckListItem> items;
  std::string list;
};

class ReadingBack : public CheckListBinding, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadingBack, GivesThePairFormOfTheItemsInDisplayOrder) {
  const ReadCase& c = GetParam();
  ScopedEnv locale("LC_ALL", c.locale);
  Put(c.items);
  CStrCheckList list;
  list.m_str = "previous;1";
  EXPECT_EQ(list.ReadControl(Control()), 1);
  EXPECT_EQ(list.m_str, c.list);
}

const ReadCase kReadCases[] = {
    {"CheckedAndUnchecked", "C", {{u"text/xml", 16}, {u"text/plain", 0}}, "text/xml;1;text/plain;0"},
    {"OnlySixteenCountsAsChecked", "C", {{u"a", 1}, {u"b", -16}, {u"c", 17}, {u"d", 16}}, "a;0;b;0;c;0;d;1"},
    {"EmptyControlGivesTheEmptyText", "C", {}, ""},
    {"WesternCodePageReplacesWhatItCannotShow", "en_US.UTF-8", {{u"caf\u00e9/\u30a2", 16}}, "caf\xe9/?;1"},
    {"JapaneseCodePageReplacesWhatItCannotShow", "ja_JP.UTF-8", {{u"caf\u00e9/\u30a2", 0}}, "caf?/\x83\x41;0"},
};
INSTANTIATE_TEST_SUITE_P(Controls, ReadingBack, ::testing::ValuesIn(kReadCases), tessaly::test::CaseName());

TEST_F(CheckListBinding, ReadingAsksForTheCountThenEachItem) {
  Put({{u"a", 16}, {u"b", 0}});
  CStrCheckList list;
  list.ReadControl(Control());
  EXPECT_EQ(Calls(), (std::vector<std::string>{"2(out)", "3(0,out,out)", "3(1,out,out)"}));
}

TEST_F(CheckListBinding, RoundTripDropsOnlyTheTrailingSeparator) {
  CStrCheckList list;
  list.m_str = "text/xml;1;text/plain;0;";
  list.FillControl(Control());
  list.ReadControl(Control());
  EXPECT_EQ(list.m_str, "text/xml;1;text/plain;0");
}

TEST_F(CheckListBinding, FillingTwiceShowsTheSecondListOnly) {
  CStrCheckList first, second;
  first.m_str = "a;1;b;1";
  second.m_str = "c;0";
  first.FillControl(Control());
  second.FillControl(Control());
  EXPECT_EQ(Shown(), (std::vector<std::pair<std::u16string, int>>{{u"c", 0}}));
}

TEST_F(CheckListBinding, UserEditsComeBackInTheList) {
  CStrCheckList list;
  list.m_str = "text/xml;0;text/plain;0";
  list.FillControl(Control());
  platform::window::CheckListSetState(m_list, 1, 16);
  platform::window::CheckListAppend(m_list, u"application/json", 16);
  platform::window::CheckListRemove(m_list, 0);
  list.ReadControl(Control());
  EXPECT_EQ(list.m_str, "text/plain;1;application/json;1");
}

TEST_F(CheckListBinding, WithoutControlNothingChanges) {
  CStrCheckList list;
  list.m_str = "text/xml;1";
  EXPECT_EQ(list.FillControl(nullptr), 0);
  EXPECT_EQ(list.ReadControl(nullptr), 0);
  EXPECT_EQ(list.m_str, "text/xml;1");
  EXPECT_TRUE(Calls().empty());
}

TEST_F(CheckListBinding, FailingCallLeavesTheListAsItWas) {
  Put({{u"a", 16}, {u"b", 16}, {u"c", 0}});
  FailingItem() = 1;
  CStrCheckList list;
  list.m_str = "kept;1";
  EXPECT_THROW(list.ReadControl(Control()), COleDispatchException);
  EXPECT_EQ(list.m_str, "kept;1") << "not a list cut short";
}

}  // namespace
