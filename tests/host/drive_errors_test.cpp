// Lines the driver cannot run: each prints one error with its line number, and the script goes
// on with the next line.

#include <gtest/gtest.h>

#include <string>

#include "tests/host/drive_fixture.h"
#include "tests/support/case_name.h"

namespace {

using tessaly::test::DriveTest;
using tessaly::test::Json;
using tessaly::test::LinesWith;

struct ErrorCase {
  const char* name;
  bool shown;          // the script starts with a shown page
  std::string script;  // after that page
  const char* error;
  int line;  // counted in the whole script
};

class DriveErrors : public DriveTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(DriveErrors, ReportTheLineAndGoOn) {
  const std::string prefix = GetParam().shown ? "create x.cfg\nshow\n" : "";
  const auto result = Drive(prefix + GetParam().script + "\ncreate y.cfg\nquery-flag 2\n");
  EXPECT_EQ(result.exitCode, 1);
  const auto errors = LinesWith(result, "error");
  ASSERT_EQ(errors.size(), 1u) << result.lines.size();
  EXPECT_EQ(errors[0], Json({{"error", GetParam().error}, {"line", GetParam().line}}));
  ASSERT_FALSE(result.lines.empty());
  EXPECT_EQ(result.lines.back(), Json({{"query-flag", true}})) << "the lines after run";
}

const ErrorCase kErrors[] = {
    {"UnknownCommand", false, "frobnicate 1", "unknown command \"frobnicate\"", 1},
    {"CommentsAndBlankLinesCount", false, "# a comment\n\n   \nbogus", "unknown command \"bogus\"", 4},
    {"TooFewArguments", false, "create", "usage: create FILE [EXTRA [PROTOCOL]]", 1},
    {"TooManyArguments", true, "show now", "usage: show", 3},
    {"UnterminatedQuote", true, "type 110 \"open", "unterminated quote", 3},
    {"NotANumber", true, "query-flag x", "N is not a number in range: \"x\"", 3},
    {"NumberOutOfRange", true, "query-flag 4294967296", "N is not a number in range: \"4294967296\"", 3},
    {"PlusSign", true, "wait +5", "MS is not a number in range: \"+5\"", 3},
    {"NegativeWait", true, "wait -1", "MS is not a number in range: \"-1\"", 3},
    {"NumberWithText", true, "click 101x", "ID is not a number in range: \"101x\"", 3},
    {"NoPage", false, "show", "no page: create one first", 1},
    {"NoPageToDestroy", false, "destroy", "no page: create one first", 1},
    {"NoWindowToActOn", false, "create x.cfg\nhover 101", "no window to act on: show a page first", 2},
    {"NoWindowToDump", false, "create x.cfg\ndump", "no window to dump: show a page first", 2},
    {"NoSuchControl", true, "click 999", "no control 999 in the active window", 3},
    {"DisabledControl", true, "click 101\nclick 102", "window is disabled or hidden", 4},
    {"NotAComboBox", true, "select 101 Red", "not applicable to this kind of window", 3},
    {"NotAnEditBox", true, "type 120 Red", "not applicable to this kind of window", 3},
    {"ReadOnlyEditBox", true, "type 111 x", "edit box is read-only", 3},
    {"NoSuchEntry", true, "select 120 Purple", "no such entry", 3},
    {"EntryTextIsExact", true, "select 120 red", "no such entry", 3},
    {"NotACheckList", true, "list-add 110 text/xml 16", "not applicable to this kind of window", 3},
    {"UnknownKey", true, "key F2", "unknown key \"F2\": F1 or escape", 3},
    {"UnknownModifier", true, "key F1 meta", "unknown modifier \"meta\": shift, ctrl or alt", 3},
    {"UnknownReadOnlySetting", false, "create x.cfg\nreadonly fast 1", "unknown setting \"fast\"", 2},
    {"ReadOnlyFlagNotZeroOrOne", false, "create x.cfg\nreadonly all 2", "expected 0 or 1, not \"2\"", 2},
    {"ReadOnlyFlagMissing", false, "create x.cfg\nreadonly all", "all needs 0 or 1", 2},
    {"ReadOnlyIdNotANumber", false, "create x.cfg\nreadonly ids 101 x", "ID is not a number in range: \"x\"", 2},
    {"NegativePictureSize", true, "draw-picture 140 -1 5", "WIDTH is not a number in range: \"-1\"", 3},
    {"CommandIdTooLarge", true, "command 65536", "ID is not a number in range: \"65536\"", 3},
};

INSTANTIATE_TEST_SUITE_P(Cases, DriveErrors, ::testing::ValuesIn(kErrors), tessaly::test::CaseName{});

TEST_F(DriveTest, ReadOnlyKeepsAtMostTheIdsThePageHolds) {
  std::string ids;
  for (int id = 1; id <= 201; ++id) ids += " " + std::to_string(id);
  const auto result = Drive("create x.cfg\nreadonly ids" + ids + "\nreadonly ids" + ids.substr(0, ids.rfind(' ')) +
                            "\nshow\ndump 101\n");
  const auto errors = LinesWith(result, "error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], Json({{"error", "at most 200 ids"}, {"line", 2}}));
  EXPECT_EQ(LinesWith(result, "enabled").at(0)["enabled"], false) << "200 ids are taken";
}

TEST_F(DriveTest, ACleanScriptEndsWithExitZeroAndNothingOnStderr) {
  const auto result = Drive("# nothing but comments\n\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(result.lines.empty());
  EXPECT_EQ(result.err, "");
}

}  // namespace
