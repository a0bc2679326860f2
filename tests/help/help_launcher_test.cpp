// Help requests end to end: which program starts, with what command line, in which folder,
// what it receives, and what the debug output says.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/help_launcher.h"
#include "platform/window/foreground_window.h"
#include "tests/help/help_fixture.h"
#include "tests/support/case_name.h"

namespace {

using tessaly::LaunchHelp;
using tessaly::test::Exists;
using tessaly::test::HelpFixture;
using tessaly::test::ReadFile;
using tessaly::test::WaitForRun;
using Items = std::vector<std::string>;

enum class Route { kViewer, kBrowser };

struct RouteCase {
  const char* name;
  int helpId;
  Route route;
  const char* page;  // below the installation folder
};

class HelpRoute : public HelpFixture, public ::testing::WithParamInterface<RouteCase> {};

TEST_P(HelpRoute, StartsTheProgramOfTheIdOnItsPage) {
  const RouteCase& c = GetParam();
  RegisterOpenCommand("\"" + m_browser + "\" -osint -url \"%1\"");
  LaunchHelp(c.helpId);

  const std::string url = "file://" + m_installation + c.page;
  const bool viewer = c.route == Route::kViewer;
  const std::string program = viewer ? m_bin + "/TrevalonHelp" : m_browser;
  const std::string commandLine = (viewer ? "TrevalonHelp \"" : " \"") + url + "\"";
  ASSERT_EQ(m_spawns.size(), 1u);
  EXPECT_EQ(m_spawns[0].program, program);
  EXPECT_EQ(m_spawns[0].commandLine, commandLine);
  EXPECT_EQ(m_spawns[0].workingFolder, m_bin);
  EXPECT_TRUE(m_spawns[0].started);
  EXPECT_EQ(m_debug, (Items{commandLine, "working dir : " + m_bin}));

  const auto run = WaitForRun(m_record);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->arguments, (Items{viewer ? "TrevalonHelp" : m_browser, url}));
  EXPECT_EQ(run->folder, m_bin);
}

// clang-format off
const RouteCase kRouteCases[] = {
    {"BrowserEmulationTab", 131221, Route::kViewer, "/help/WebHelp/Old_CSH_Invoker.htm?topicId=131221"},
    {"UserAgentDialog", 131223, Route::kViewer, "/help/WebHelp/Old_CSH_Invoker.htm?topicId=131223"},
    {"WebHelpStartPage", 0, Route::kViewer, "/help/WebHelp/Old_CSH_Invoker.htm"},
    {"AnchoredPage", 185000, Route::kBrowser, "/help/Portiva/Default_CSH.htm#185000"},
    {"FirstAnchoredPage", 180000, Route::kBrowser, "/help/Portiva/Default_CSH.htm#180000"},
    {"LastAnchoredPage", 189999, Route::kBrowser, "/help/Portiva/Default_CSH.htm#189999"},
    {"JustBelowTheAnchoredPages", 179999, Route::kViewer, "/help/WebHelp/Old_CSH_Invoker.htm?topicId=179999"},
    {"JustAboveTheAnchoredPages", 190000, Route::kViewer, "/help/WebHelp/Old_CSH_Invoker.htm?topicId=190000"},
    {"PortivaStartPage", -1, Route::kBrowser, "/help/Portiva/Default.htm"},
    {"OtherNegativeIdPrintedUnsigned", -2, Route::kViewer, "/help/WebHelp/Old_CSH_Invoker.htm?topicId=4294967294"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Help, HelpRoute, ::testing::ValuesIn(kRouteCases), tessaly::test::CaseName{});

// Blanks, quotes, "#", "?" and "%" in the folders must neither break the quoted URL apart nor
// change the page it names.
TEST_F(HelpRoute, FolderNamesAreEncodedInTheUrl) {
  PlaceHost(m_dir / "my \"help\" #1?%");
  LaunchHelp(131221);
  const auto run = WaitForRun(m_record);
  ASSERT_TRUE(run);
  const std::string encoded = "file://" + m_dir.Path() + "/my%20%22help%22%20%231%3F%25";
  EXPECT_EQ(run->arguments, (Items{"TrevalonHelp", encoded + "/help/WebHelp/Old_CSH_Invoker.htm?topicId=131221"}));
  EXPECT_EQ(run->folder, m_bin);
}

TEST_F(HelpRoute, RelativeExecutablePathIsTakenFromTheCurrentFolder) {
  char previous[4096];
  ASSERT_TRUE(::getcwd(previous, sizeof previous));
  ASSERT_EQ(::chdir(m_dir.Path().c_str()), 0);
  platform::process::SetExecutablePath("opt/app/bin/host");
  LaunchHelp(131221);
  ASSERT_EQ(::chdir(previous), 0);
  const auto run = WaitForRun(m_record);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->arguments.at(1), "file://" + m_installation + "/help/WebHelp/Old_CSH_Invoker.htm?topicId=131221");
  EXPECT_EQ(run->folder, m_bin);
}

struct SilentCase {
  const char* name;
  std::string executable;
};

class HelpSilentEnd : public HelpFixture, public ::testing::WithParamInterface<SilentCase> {};

TEST_P(HelpSilentEnd, StartsNothingAndSaysNothing) {
  platform::process::SetExecutablePath(GetParam().executable);
  LaunchHelp(131221);
  LaunchHelp(-1);
  EXPECT_TRUE(m_spawns.empty());
  EXPECT_TRUE(m_debug.empty());
}

const SilentCase kSilentCases[] = {
    {"FolderAboveIsTheRoot", "/x/host"},
    {"ExecutableInTheRoot", "/host"},
    {"PathLongerThanTheBuffers", "/opt/" + std::string(1100, 'a') + "/bin/host"},
    {"CommandLineLongerThanTheBuffers", "/opt/" + std::string(1000, 'a') + "/bin/host"},
};
INSTANTIATE_TEST_SUITE_P(Help, HelpSilentEnd, ::testing::ValuesIn(kSilentCases), tessaly::test::CaseName{});

class HelpLibrary : public HelpFixture {};

TEST_F(HelpLibrary, ShowingTheTopicEndsTheRequestSilently) {
  PlaceHelpLibrary("answering", m_bin);
  ::setenv("TESSALY_TEST_HELP_LIBRARY_ANSWER", "1", 1);
  const auto foreground = reinterpret_cast<HWND>(std::uintptr_t{0x1234});
  platform::window::SetForegroundWindowHandle(foreground);
  LaunchHelp(131221);
  LaunchHelp(-1);
  platform::window::SetForegroundWindowHandle(nullptr);
  EXPECT_EQ(ReadFile(m_libraryRecord), "0x1234|131221|0\n0x1234|-1|0\n");
  EXPECT_TRUE(m_spawns.empty());
  EXPECT_TRUE(m_debug.empty());
}

TEST_F(HelpLibrary, DecliningLeadsToTheViewer) {
  PlaceHelpLibrary("answering", m_bin);
  ::setenv("TESSALY_TEST_HELP_LIBRARY_ANSWER", "0", 1);
  LaunchHelp(131223);
  EXPECT_EQ(ReadFile(m_libraryRecord), "(nil)|131223|0\n");
  ASSERT_EQ(m_spawns.size(), 1u);
  EXPECT_EQ(m_spawns[0].program, m_bin + "/TrevalonHelp");
  EXPECT_TRUE(WaitForRun(m_record));
}

TEST_F(HelpLibrary, WithoutItsEntryLeadsToTheViewer) {
  PlaceHelpLibrary("entryless", m_bin);
  LaunchHelp(131221);
  ASSERT_EQ(m_spawns.size(), 1u);
  EXPECT_EQ(m_spawns[0].program, m_bin + "/TrevalonHelp");
  EXPECT_TRUE(WaitForRun(m_record));
}

// A help library in the current folder is someone else's: it must never run.
TEST_F(HelpLibrary, OneInTheCurrentFolderIsNeverLoaded) {
  const std::string marker = m_dir / "planted-was-loaded";
  ::setenv("TESSALY_TEST_PLANTED_MARKER", marker.c_str(), 1);
  std::filesystem::create_directories(m_dir / "here");
  PlaceHelpLibrary("planted", m_dir / "here");
  char previous[4096];
  ASSERT_TRUE(::getcwd(previous, sizeof previous));
  ASSERT_EQ(::chdir((m_dir / "here").c_str()), 0);
  LaunchHelp(131221);
  ASSERT_EQ(::chdir(previous), 0);
  ::unsetenv("TESSALY_TEST_PLANTED_MARKER");
  EXPECT_FALSE(Exists(marker));
  ASSERT_EQ(m_spawns.size(), 1u);
  EXPECT_TRUE(WaitForRun(m_record));
}

class HelpBrowserMissing : public HelpFixture {};

TEST_F(HelpBrowserMissing, CommandWithoutQuotesGivesNoProgramAndTheStartFails) {
  RegisterOpenCommand(m_browser + " -osint -url %1");
  LaunchHelp(185000);
  const std::string commandLine = " \"file://" + m_installation + "/help/Portiva/Default_CSH.htm#185000\"";
  ASSERT_EQ(m_spawns.size(), 1u);
  EXPECT_EQ(m_spawns[0].program, "");
  EXPECT_FALSE(m_spawns[0].started);
  EXPECT_EQ(m_debug, (Items{commandLine, "working dir : " + m_bin, "command failed"}));
}

TEST_F(HelpBrowserMissing, KeyWithoutCommandSaysSoAndTheStartFails) {
  ASSERT_FALSE(platform::registry::SetValue(tessaly::test::kOpenCommandKey, "other", "x"));
  LaunchHelp(-1);
  const std::string commandLine = " \"file://" + m_installation + "/help/Portiva/Default.htm\"";
  EXPECT_EQ(m_debug, (Items{"NO IE path at registry !!!", commandLine, "working dir : " + m_bin, "command failed"}));
  ASSERT_EQ(m_spawns.size(), 1u);
  EXPECT_FALSE(m_spawns[0].started);
}

TEST_F(HelpBrowserMissing, MissingViewerFailsTheStart) {
  std::filesystem::remove(m_bin + "/TrevalonHelp");
  LaunchHelp(131221);
  ASSERT_EQ(m_spawns.size(), 1u);
  EXPECT_FALSE(m_spawns[0].started);
  ASSERT_EQ(m_debug.size(), 3u);
  EXPECT_EQ(m_debug.back(), "command failed");
}

}  // namespace
