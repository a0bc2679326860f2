// Modal dialogs driven by the script: the lines after the one that opened a dialog go to it,
// events mark its run, the help key goes to the top-level frame, and a script that ends inside
// a dialog cancels it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/edition.h"
#include "tests/host/drive_fixture.h"
#include "tests/support/case_name.h"

namespace {

using tessaly::test::ControlOf;
using tessaly::test::DriveTest;
using tessaly::test::Events;
using tessaly::test::Json;
using tessaly::test::LinesWith;

constexpr char kInDialog[] = "create x.cfg\nshow\nclick 130\n";
constexpr int kDialogHelpId = 9151 + 0x20000;
constexpr unsigned kHelpMessage = 0x0365;
constexpr unsigned kHelpRequest = 0x0053;

const Json kBegin = Json::parse(R"({"event":"modal-begin","template":9151})");
Json End(int result) { return Json({{"event", "modal-end"}, {"template", 9151}, {"result", result}}); }

class DriveModal : public DriveTest {};

TEST_F(DriveModal, TheLinesAfterTheOpeningOneGoToTheDialog) {
  const auto result = Drive(std::string(kInDialog) + "dump\ntype 201 Alice\nclick 1\ndump 110\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  ASSERT_EQ(result.lines.size(), 4u);
  EXPECT_EQ(result.lines[0], kBegin);
  const Json& dialog = result.lines[1];
  EXPECT_EQ(dialog["window"], 9151);
  EXPECT_EQ(ControlOf(dialog, 1035)["text"], "Start") << "the dialog's own timers run in its loop";
  EXPECT_EQ(ControlOf(dialog, 210)["items"], Json::array());
  EXPECT_EQ(result.lines[2], End(1));
  EXPECT_EQ(result.lines[3]["text"], "Alice") << "back on the page";
}

TEST_F(DriveModal, ARefusedOkLeavesTheDialogOpen) {
  const auto result = Drive(std::string(kInDialog) + "click 1\ndump 0\nkey escape\ndump 110\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  ASSERT_EQ(result.lines.size(), 5u);
  EXPECT_EQ(result.lines[1], Json::parse(R"({"event":"messagebox","text":"Type a name first.","help":9510})"));
  EXPECT_EQ(result.lines[2]["text"], "Double Dialog");
  EXPECT_EQ(result.lines[3], End(2));
  EXPECT_EQ(result.lines[4]["text"], "");
}

TEST_F(DriveModal, TheUserEditsTheCheckList) {
  const auto result = Drive(std::string(kInDialog) +
                            "list-add 210 text/xml 16\nlist-add 210 \"image/*\" 0\nlist-add 210 odd 7\n"
                            "list-set 210 0 0\nlist-set 210 3 16\ndump 210\nkey escape\n");
  const auto errors = LinesWith(result, "error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], Json({{"error", "no such entry"}, {"line", 8}}));
  EXPECT_EQ(LinesWith(result, "items").at(0)["items"], Json::parse(R"([["text/xml",0],["image/*",0],["odd",7]])"));
}

struct HelpCase {
  const char* name;
  const char* action;
  bool toFrame;  // the framework's help message, else the platform's help request travels up
};

class DriveDialogHelp : public DriveTest, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(DriveDialogHelp, GoesToTheTopLevelFrame) {
  const auto result = Drive(std::string(kInDialog) + GetParam().action + "\nkey escape\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const auto messages = Events(result, "message");
  ASSERT_EQ(messages.size(), 1u);
  const Json& message = messages[0];
  EXPECT_EQ(message["to"], "top-level");
  if (!GetParam().toFrame) {
    EXPECT_EQ(message["msg"], kHelpRequest);
    return;
  }
  EXPECT_EQ(message["msg"], kHelpMessage);
  EXPECT_EQ(message["wparam"], kDialogHelpId);
  // The dialog names itself, except in the earlier edition.
  if constexpr (tessaly::kEdition == tessaly::Edition::Earlier)
    EXPECT_EQ(message["lparam"], 0);
  else
    EXPECT_NE(message["lparam"], 0);
}

const HelpCase kHelp[] = {
    {"HelpKey", "key F1", true},
    {"HelpCommand", "command 57670", true},
    {"HelpButton", "click 57670", true},
    {"WithShift", "key F1 shift", false},
    {"WithCtrl", "key F1 ctrl", false},
    {"WithAlt", "key F1 alt", false},
    {"WithAllThree", "key F1 alt ctrl shift", false},
};

INSTANTIATE_TEST_SUITE_P(Cases, DriveDialogHelp, ::testing::ValuesIn(kHelp), tessaly::test::CaseName{});

TEST_F(DriveModal, AScriptThatEndsInsideDialogsCancelsEachAndSaysSo) {
  const auto result = Drive(std::string(kInDialog) + "click 203\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const Json end = Json::parse(R"({"event":"script-end","cancels":9151})");
  EXPECT_EQ(result.lines, (std::vector<Json>{kBegin, kBegin, end, End(2), end, End(2)}));
}

TEST_F(DriveModal, NestedDialogsTakeTheInputInnermostFirst) {
  const auto result = Drive(std::string(kInDialog) + "click 203\ntype 201 inner\nkey escape\ndump 201\nkey escape\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  ASSERT_EQ(result.lines.size(), 5u);
  EXPECT_EQ(result.lines[3]["text"], "") << "the outer dialog's name box was not typed in";
  EXPECT_EQ(result.lines[4], End(2));
}

TEST_F(DriveModal, ThePageStaysWhileItsDialogRuns) {
  const auto result = Drive(std::string(kInDialog) + "destroy\nkey escape\ndestroy\nleave\n");
  const auto errors = LinesWith(result, "error");
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0], Json({{"error", "a modal dialog is open"}, {"line", 4}}));
  EXPECT_EQ(errors[1], Json({{"error", "no page: create one first"}, {"line", 7}})) << "destroyed once closed";
}

TEST_F(DriveModal, CommandOpensTheDialogAsAClickDoes) {
  const auto result = Drive("create x.cfg\nshow\ncommand 130\nkey escape\n");
  EXPECT_EQ(result.lines, (std::vector<Json>{kBegin, End(2)}));
}

}  // namespace
