// The in-memory pick list: where entries go, and how a stored text chooses one.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/memory_pick_list.h"
#include "tests/support/case_name.h"

namespace {

using tessaly::CMemoryPickList;
using Texts = std::vector<std::string>;

CMemoryPickList ListOf(bool sorts, const Texts& entries) {
  CMemoryPickList list(sorts);
  for (const std::string& entry : entries) list.Add(entry);
  return list;
}

struct OrderCase {
  const char* name;
  bool sorts;
  Texts added;
  Texts shown;
};

class PickListOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(PickListOrder, ShowsEntriesInItsOrder) {
  const OrderCase& c = GetParam();
  EXPECT_EQ(ListOf(c.sorts, c.added).Entries(), c.shown);
}

// clang-format off
const OrderCase kOrderCases[] = {
    {"UnsortedKeepsInsertionOrder", false, {"b", "A", "c"}, {"b", "A", "c"}},
    {"SortedIgnoresCase", true, {"b", "A", "c", "B0"}, {"A", "b", "B0", "c"}},
    {"EqualEntriesKeepInsertionOrder", true, {"ab", "AB", "Ab", "a"}, {"a", "ab", "AB", "Ab"}},
    {"PrefixComesFirst", true, {"Windows 7", "Windows"}, {"Windows", "Windows 7"}},
    {"PlatformList", true,
     {"Windows", "Win32", "WinNT", "WinXP", "Linux", "SunOs", "Kestrix", "Windows 2003", "Windows 2008", "Windows Vista", "Windows 7"},
     {"Kestrix", "Linux", "SunOs", "Win32", "Windows", "Windows 2003", "Windows 2008", "Windows 7", "Windows Vista", "WinNT", "WinXP"}},
    {"LettersAfterUnderscoreFoldToLower", true, {"_x", "Zed", "zed_"}, {"_x", "Zed", "zed_"}},
    {"EmptyEntryFirst", true, {"a", ""}, {"", "a"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Lists, PickListOrder, ::testing::ValuesIn(kOrderCases), tessaly::test::CaseName{});

TEST(PickListSelection, FollowsItsEntryWhenOneIsSortedInBefore) {
  CMemoryPickList list = ListOf(true, {"Beta", "Delta"});
  list.Select(1);
  EXPECT_EQ(list.Add("Alpha"), 0u);
  EXPECT_EQ(list.Add("Gamma"), 3u);
  EXPECT_EQ(list.Selection(), std::optional<std::size_t>(2));
  EXPECT_EQ(list.Text(), "Delta");
}

TEST(PickListSelection, OutOfRangeOrNoneSelectsNothing) {
  CMemoryPickList list = ListOf(false, {"a", "b"});
  list.Select(1);
  list.Select(2);
  EXPECT_EQ(list.Selection(), std::nullopt);
  EXPECT_EQ(list.Text(), "");
  list.Select(0);
  list.Select(std::nullopt);
  EXPECT_EQ(list.Selection(), std::nullopt);
}

TEST(PickListSelection, ResetEmptiesAndDeselects) {
  CMemoryPickList list = ListOf(false, {"a"});
  list.Select(0);
  list.Reset();
  EXPECT_EQ(list.Count(), 0u);
  EXPECT_EQ(list.Selection(), std::nullopt);
}

TEST(PickListSelection, IndexOfIsExact) {
  const CMemoryPickList list = ListOf(false, {"Windows 7", "Windows", "windows"});
  EXPECT_EQ(list.IndexOf("Windows"), std::optional<std::size_t>(1));
  EXPECT_EQ(list.IndexOf("windows"), std::optional<std::size_t>(2));
  EXPECT_EQ(list.IndexOf("Windows "), std::nullopt);
}

struct ChooseCase {
  const char* name;
  std::optional<std::size_t> before;
  const char* text;
  std::optional<std::size_t> byBeginning;
  std::optional<std::size_t> byWholeText;
};

class PickListChoice : public ::testing::TestWithParam<ChooseCase> {};

TEST_P(PickListChoice, ChoosesTheFirstFittingEntry) {
  const ChooseCase& c = GetParam();
  const Texts entries{"Microsoft Internet Explorer", "Mozilla Firefox", "Mozilla", "Netscape Navigator"};
  CMemoryPickList beginning = ListOf(false, entries);
  beginning.Select(c.before);
  beginning.SelectByBeginning(c.text);
  EXPECT_EQ(beginning.Selection(), c.byBeginning);
  CMemoryPickList whole = ListOf(false, entries);
  whole.Select(c.before);
  whole.SelectByWholeText(c.text);
  EXPECT_EQ(whole.Selection(), c.byWholeText);
}

constexpr std::nullopt_t kNone = std::nullopt;

// clang-format off
const ChooseCase kChooseCases[] = {
    {"ExactText", kNone, "Mozilla Firefox", 1, 1},
    {"CaseIgnored", kNone, "mozilla FIREFOX", 1, 1},
    {"BeginningFindsFirstOfSeveral", kNone, "Mozilla", 1, 2},
    {"CutNameChoosesByBeginningOnly", kNone, "Microsoft Internet Explore", 0, kNone},
    {"EmptyTextBeginsEveryEntry", kNone, "", 0, kNone},
    {"NoMatchKeepsOrClearsSelection", 3, "Opera", 3, kNone},
    {"LongerThanEntryDoesNotMatch", kNone, "Mozilla Firefox 5.0", kNone, kNone},
    {"TrailingBlankIsNotIgnored", kNone, "Mozilla ", 1, kNone},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(StoredTexts, PickListChoice, ::testing::ValuesIn(kChooseCases), tessaly::test::CaseName{});

}  // namespace
