// The browser for the web-page help area: the registered open command first, the desktop's
// default program for HTML when nothing is registered.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "help/browser_path.h"
#include "help/help_launcher.h"
#include "platform/desktop/default_application.h"
#include "tests/help/help_fixture.h"
#include "tests/support/case_name.h"

namespace {

using tessaly::GetBrowserPath;
using tessaly::test::HelpFixture;
using tessaly::test::WriteFile;
using Items = std::vector<std::string>;

struct QuoteCase {
  const char* name;
  const char* command;
  const char* program;
};

class BetweenQuotes : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(BetweenQuotes, TakesTheTextInsideTheFirstPairOfQuotes) {
  EXPECT_EQ(tessaly::ProgramBetweenQuotes(GetParam().command), GetParam().program);
}

const QuoteCase kQuoteCases[] = {
    {"QuotedProgramWithOption", "\"/opt/web/browser\" -nohome", "/opt/web/browser"},
    {"QuotedProgramOnly", "\"/opt/my web/browser\"", "/opt/my web/browser"},
    {"QuotedArgumentAfterTheProgram", "\"/opt/web/browser\" -url \"%1\"", "/opt/web/browser"},
    {"NoQuotes", "/opt/web/browser -nohome", ""},
    {"OneQuote", "/opt/web/browser \"%1", ""},
    {"EmptyQuotes", "\"\" -x", ""},
    {"Empty", "", ""},
};
INSTANTIATE_TEST_SUITE_P(Help, BetweenQuotes, ::testing::ValuesIn(kQuoteCases), tessaly::test::CaseName{});

class BrowserPath : public HelpFixture {
 protected:
  // A desktop entry for the browser in the user's applications folder.
  std::string AddDesktopEntry(const std::string& id, const std::string& body) {
    const std::string folder = m_dir / "XDG_DATA_HOME/applications";
    std::filesystem::create_directories(folder);
    WriteFile(folder + "/" + id, "[Desktop Entry]\nType=Application\nName=Web\n" + body);
    return folder;
  }
};

// The stand-in keeps the command's quotes, also when it ends in one.
TEST_F(BrowserPath, RegisteredCommandKeepsItsQuotes) {
  RegisterOpenCommand("\"/opt/my web/browser\" -osint -url \"%1\"");
  EXPECT_EQ(GetBrowserPath(), "/opt/my web/browser");
  RegisterOpenCommand("\"/opt/web/browser\"");
  EXPECT_EQ(GetBrowserPath(), "/opt/web/browser");
  EXPECT_TRUE(m_debug.empty());
}

TEST_F(BrowserPath, RegisteredCommandOverridesTheDesktop) {
  AddDesktopEntry("web.desktop", "Exec=" + m_browser + " %u\n");
  WriteFile(m_dir / "XDG_CONFIG_HOME/mimeapps.list", "[Default Applications]\ntext/html=web.desktop\n");
  RegisterOpenCommand("/opt/web/browser %1");
  EXPECT_EQ(GetBrowserPath(), "");
}

TEST_F(BrowserPath, OverLongCommandIsRefusedWithoutCutting) {
  RegisterOpenCommand("\"/opt/" + std::string(1100, 'w') + "\" %1");
  EXPECT_EQ(GetBrowserPath(), "");
  EXPECT_TRUE(m_debug.empty());
}

struct DesktopCase {
  const char* name;
  const char* list;     // file below the test folder
  const char* content;  // of the list
  const char* exec;     // Exec line of web.desktop, "@" standing for the browser's path
  const char* desktop;  // XDG_CURRENT_DESKTOP, or null
  bool found;
};

class DesktopBrowser : public BrowserPath, public ::testing::WithParamInterface<DesktopCase> {};

TEST_P(DesktopBrowser, FindsTheDefaultProgramForHtml) {
  const DesktopCase& c = GetParam();
  std::string exec = c.exec;
  if (const auto at = exec.find('@'); at != std::string::npos) exec.replace(at, 1, m_browser);
  AddDesktopEntry("web.desktop", exec);
  AddDesktopEntry("other.desktop", "Exec=/opt/other/browser %u\n");
  std::filesystem::create_directories(std::filesystem::path(m_dir / c.list).parent_path());
  WriteFile(m_dir / c.list, c.content);
  if (c.desktop) ::setenv("XDG_CURRENT_DESKTOP", c.desktop, 1);
  const char* path = std::getenv("PATH");
  const std::string previousPath = path ? path : "";
  ::setenv("PATH", (m_dir / "web").c_str(), 1);
  EXPECT_EQ(GetBrowserPath(), c.found ? m_browser : "");
  ::setenv("PATH", previousPath.c_str(), 1);
  EXPECT_TRUE(m_debug.empty());
}

// clang-format off
const DesktopCase kDesktopCases[] = {
    {"UserDefault", "XDG_CONFIG_HOME/mimeapps.list", "[Default Applications]\ntext/html=web.desktop\n", "Exec=@ %u\n", nullptr, true},
    {"FirstInstalledOfTheList", "XDG_CONFIG_HOME/mimeapps.list", "[Default Applications]\ntext/html=gone.desktop;web.desktop;other.desktop\n", "Exec=@ %u\n", nullptr, true},
    {"SystemDefault", "XDG_CONFIG_DIRS/mimeapps.list", "[Default Applications]\ntext/html=web.desktop\n", "Exec=@\n", nullptr, true},
    {"DataFolderDefault", "XDG_DATA_DIRS/applications/mimeapps.list", "[Default Applications]\ntext/html=web.desktop\n", "Exec=@\n", nullptr, true},
    {"DesktopSpecificListFirst", "XDG_CONFIG_HOME/xfce-mimeapps.list", "[Default Applications]\ntext/html=web.desktop\n", "Exec=@\n", "XFCE", true},
    {"OtherDesktopsListIgnored", "XDG_CONFIG_HOME/kde-mimeapps.list", "[Default Applications]\ntext/html=web.desktop\n", "Exec=@\n", "XFCE", false},
    {"OlderDefaultsList", "XDG_DATA_HOME/applications/defaults.list", "[Default Applications]\ntext/html=web.desktop\n", "Exec=@\n", nullptr, true},
    {"AnyApplicationForTheType", "XDG_DATA_DIRS/applications/mimeinfo.cache", "[MIME Cache]\ntext/html=web.desktop;\n", "Exec=@\n", nullptr, true},
    {"OtherGroupIgnored", "XDG_CONFIG_HOME/mimeapps.list", "[Added Associations]\ntext/html=web.desktop\n", "Exec=@\n", nullptr, false},
    {"OtherTypeIgnored", "XDG_CONFIG_HOME/mimeapps.list", "[Default Applications]\ntext/plain=web.desktop\n", "Exec=@\n", nullptr, false},
    {"QuotedExecWithEscapes", "XDG_CONFIG_HOME/mimeapps.list", "[Default Applications]\ntext/html=web.desktop\n", "Exec=\"@\" --new-window %u\n", nullptr, true},
    {"BareNameSearchedOnPath", "XDG_CONFIG_HOME/mimeapps.list", "[Default Applications]\ntext/html=web.desktop\n", "Exec=browser %u\n", nullptr, true},
    {"HiddenEntrySkipped", "XDG_CONFIG_HOME/mimeapps.list", "[Default Applications]\ntext/html=web.desktop\n", "Exec=@\nHidden=true\n", nullptr, false},
    {"EntryWithoutExec", "XDG_CONFIG_HOME/mimeapps.list", "[Default Applications]\ntext/html=web.desktop\n", "NoDisplay=true\n", nullptr, false},
    {"NothingRegistered", "XDG_CONFIG_HOME/unrelated", "", "Exec=@\n", nullptr, false},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Help, DesktopBrowser, ::testing::ValuesIn(kDesktopCases), tessaly::test::CaseName{});

TEST_F(BrowserPath, DesktopEntryProgramIsUnescaped) {
  const std::string folder = AddDesktopEntry("esc.desktop", "Exec=\"/opt/my\\sweb/a\\\\\"b\" %u\n");
  EXPECT_EQ(platform::desktop::DesktopEntryProgram(folder + "/esc.desktop"), "/opt/my web/a\"b");
}

// With nothing registered, the desktop's browser gets the web-page help.
TEST_F(BrowserPath, DesktopBrowserShowsTheWebPageHelp) {
  AddDesktopEntry("web.desktop", "Exec=" + m_browser + " %u\n");
  WriteFile(m_dir / "XDG_CONFIG_HOME/mimeapps.list", "[Default Applications]\ntext/html=web.desktop\n");
  tessaly::LaunchHelp(-1);
  const auto run = tessaly::test::WaitForRun(m_record);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->arguments, (Items{m_browser, "file://" + m_installation + "/help/Portiva/Default.htm"}));
}

}  // namespace
