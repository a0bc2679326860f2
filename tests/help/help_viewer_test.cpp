// The help viewer on the pages of this build tree: each help id's command line, as the
// launcher forms it, must reach the page written for it.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "help/help_command.h"
#include "platform/process/command_line.h"
#include "tests/support/case_name.h"
#include "tests/support/temp_dir.h"

extern char** environ;

namespace {

using tessaly::test::ReadFile;
using tessaly::test::TempDir;

struct Printed {
  int exitCode = -1;
  std::string output;
};

// Runs the viewer with `arguments`, its output collected.
Printed RunViewer(const std::vector<std::string>& arguments) {
  TempDir dir;
  const std::string output = dir / "out";
  std::vector<std::string> items{TESSALY_HELP_VIEWER};
  items.insert(items.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& item : items) argv.push_back(item.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  Printed printed;
  if (posix_spawn(&pid, TESSALY_HELP_VIEWER, &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    printed.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  printed.output = ReadFile(output);
  return printed;
}

// The URL that the launcher's command line for `helpId` hands its program.
std::string UrlFor(int helpId, const std::string& installation) {
  const auto command = tessaly::HelpCommandFor(helpId, installation + "/bin/host", "/usr/bin/web");
  if (!command) return {};
  const auto arguments = platform::process::ArgumentVector(command->program, command->commandLine);
  return arguments.size() == 2 ? arguments[1] : std::string();
}

struct PageCase {
  const char* name;
  int helpId;
  const char* title;
  const char* anchorLine;  // for the pages opened at an anchor
  const char* mentions;    // a text the page must hold
};

class HelpViewerPage : public ::testing::TestWithParam<PageCase> {};

TEST_P(HelpViewerPage, ShowsThePageWrittenForTheId) {
  const PageCase& c = GetParam();
  const Printed printed = RunViewer({"--dump", UrlFor(c.helpId, TESSALY_BINARY_DIR)});
  ASSERT_EQ(printed.exitCode, 0) << printed.output;
  EXPECT_NE(printed.output.find(std::string("title=") + c.title + "\n"), std::string::npos) << printed.output;
  if (c.anchorLine) {
    EXPECT_NE(printed.output.find(std::string("anchor=") + c.anchorLine + "\n"), std::string::npos) << printed.output;
  }
  EXPECT_NE(printed.output.find(c.mentions), std::string::npos) << printed.output;
}

// clang-format off
const PageCase kPageCases[] = {
    {"BrowserEmulationTab", 131221, "Browser Emulation tab", nullptr, "Instructs the Emulant to simulate a browser with a cache."},
    {"UserAgentDialogByTemplate", 131222, "User-Agent dialog", nullptr, "Use custom browser"},
    {"UserAgentAndContentTypesDialogs", 131223, "User-Agent and Content types dialogs", nullptr, "Restore List"},
    {"WebHelpStartPage", 0, "Browser Emulation help", nullptr, "The User-Agent dialog"},
    {"UnknownTopicShowsTheContents", 4711, "Browser Emulation help", nullptr, "choose a topic"},
    {"PortivaStartPage", -1, "Portiva help", nullptr, "Browser emulation"},
    {"PortivaFirstTopic", 180000, "Portiva help topics", "180000 found", "Run-time settings"},
    {"PortivaBrowserEmulation", 185000, "Portiva help topics", "185000 found", "Browser emulation"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Help, HelpViewerPage, ::testing::ValuesIn(kPageCases), tessaly::test::CaseName{});

// Folders with blanks, "#" and "%" reach the viewer encoded and are decoded back.
TEST(HelpViewer, FindsThePagesBelowAnOddlyNamedFolder) {
  TempDir dir;
  const std::string installation = dir / "my help #1 %";
  std::filesystem::create_directories(installation + "/help/WebHelp");
  std::filesystem::copy(std::string(TESSALY_BINARY_DIR) + "/help/WebHelp", installation + "/help/WebHelp",
                        std::filesystem::copy_options::recursive);
  const std::string url = UrlFor(131221, installation);
  EXPECT_EQ(url.find(' '), std::string::npos) << url;
  const Printed printed = RunViewer({"--print-title", url});
  EXPECT_EQ(printed.exitCode, 0);
  EXPECT_EQ(printed.output, "Browser Emulation tab\n");
}

TEST(HelpViewer, EveryLinkOfTheStartPagesHasItsAnchor) {
  const std::string portiva = std::string(TESSALY_BINARY_DIR) + "/help/Portiva/Default_CSH.htm";
  for (const char* anchor : {"180000", "185000", "185001", "185002"}) {
    const Printed printed = RunViewer({"--dump", "file://" + portiva + "#" + anchor});
    EXPECT_NE(printed.output.find(std::string("anchor=") + anchor + " found\n"), std::string::npos) << anchor;
  }
}

struct RefusalCase {
  const char* name;
  std::vector<std::string> arguments;
  int exitCode;
};

class HelpViewerRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(HelpViewerRefusal, SaysWhyAndExits) { EXPECT_EQ(RunViewer(GetParam().arguments).exitCode, GetParam().exitCode); }

const RefusalCase kRefusalCases[] = {
    {"MissingPage", {"--print-title", "file:///nonexistent/help/WebHelp/Old_CSH_Invoker.htm?topicId=131221"}, 1},
    {"NotAFileUrl", {"--print-title", "http://example.invalid/help.htm"}, 2},
    {"NoUrl", {"--print-title"}, 2},
    {"TwoUrls", {"--print-title", "file:///a.htm", "file:///b.htm"}, 2},
};
INSTANTIATE_TEST_SUITE_P(Help, HelpViewerRefusal, ::testing::ValuesIn(kRefusalCases), tessaly::test::CaseName{});

}  // namespace
