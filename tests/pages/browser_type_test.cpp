// The User-Agent dialog opened from the tab's "&Change..." button, through the library loaded
// by name: its lists in each edition, the radio buttons and what they enable, OK in the custom
// and the composed case, the composer's refusals, Cancel, a file that cannot be written, and
// the help key.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/window/dialog_manager.h"
#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "settings/edition.h"
#include "tests/pages/page_fixture.h"
#include "tests/platform/window_test_support.h"
#include "tests/support/case_name.h"

namespace {

using platform::window::input::Outcome;
using tessaly::test::PageTest;
using tessaly::test::ReadFile;

constexpr bool kEarlier = tessaly::kEdition == tessaly::Edition::Earlier;
constexpr const char* kDefaultCustom = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT)";
const std::vector<std::string> kBrowsers =
    kEarlier ? std::vector<std::string>{"Microsoft Internet Explorer", "Mozilla Firefox", "Netscape Navigator"}
             : std::vector<std::string>{"Microsoft Internet Explorer", "Google Chrome", "Mozilla Firefox"};
const std::vector<std::string> kExplorerVersions =
    kEarlier ? std::vector<std::string>{"7.0", "6.0", "5.5", "5.01", "5.0", "4.0"}
             : std::vector<std::string>{"10.0", "9.0", "8.0", "7.0", "6.0"};
const std::vector<std::string> kPlatforms =
    kEarlier
        ? std::vector<std::string>{"Kestrix", "Linux", "SunOs", "Win32", "Windows", "WinNT", "WinXP"}
        : std::vector<std::string>{"Kestrix",      "Linux",     "SunOs",         "Win32", "Windows", "Windows 2003",
                                   "Windows 2008", "Windows 7", "Windows Vista", "WinNT", "WinXP"};
constexpr int kLists[] = {1052, 1053, 1054, 1055};

class UserAgentDialog : public PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    std::filesystem::create_directories(Folder() / "dat");
  }
  void Languages(std::string_view lines) const { tessaly::test::WriteFile(Folder() / "dat/lang_code.txt", lines); }
  // Runs the dialog from the tab with the steps given so far; what it ended with.
  INT_PTR Run() {
    ModalEnd end(m_nResult);
    Click(1040);
    return m_nResult;
  }
  static UINT Template(HWND dialog) { return platform::window::DialogTemplateId(dialog); }
  void Choose(int id, const char* entry) {
    EXPECT_EQ(platform::window::input::Choose(Control(id), entry), Outcome::Done) << id << " " << entry;
  }
  void Type(int id, const char* text) {
    EXPECT_EQ(platform::window::input::Type(Control(id), text), Outcome::Done) << id;
  }

 private:
  struct ModalEnd final : platform::window::WindowObserver {
    explicit ModalEnd(INT_PTR& result) : m_result(result) {
      m_result = -1;
      platform::window::AddObserver(this);
    }
    ~ModalEnd() override { platform::window::RemoveObserver(this); }
    ModalEnd(const ModalEnd&) = delete;
    ModalEnd& operator=(const ModalEnd&) = delete;
    void OnModalEnd(HWND, UINT templateId, INT_PTR result) override {
      if (templateId == 150) m_result = result;
    }
    INT_PTR& m_result;
  };
  INT_PTR m_nResult = -1;
};

TEST_F(UserAgentDialog, OpensOnAFileWithoutItsKeysInTheCustomCaseAndCancelWritesNothing) {
  Languages("de;German\nen-us;English (United States)\n");
  Open();
  const std::string shown = Text(1051);
  Steps().Then([&](HWND dialog) {
    EXPECT_EQ(Template(dialog), 150u);
    EXPECT_EQ(Check(1058), 1);
    EXPECT_EQ(Check(1057), 0);
    EXPECT_EQ(Text(1056), kDefaultCustom);
    EXPECT_TRUE(Enabled(1056));
    for (int id : kLists) EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_EQ(Entries(1052), kBrowsers);
    EXPECT_EQ(Text(1052), "Microsoft Internet Explorer");
    EXPECT_EQ(Entries(1053), kExplorerVersions);
    EXPECT_EQ(Text(1053), "6.0");
    EXPECT_EQ(Entries(1054), kPlatforms);
    EXPECT_EQ(Text(1054), "Windows");
    EXPECT_EQ(Entries(1055), (std::vector<std::string>{"English (United States)", "German"}));
    EXPECT_EQ(Text(1055), "") << "no line has the code None";
    Click(2);
  });
  EXPECT_EQ(Run(), IDCANCEL);
  EXPECT_EQ(Text(1051), shown);
  EXPECT_FALSE(tessaly::test::Exists(SettingsFile()));
}

TEST_F(UserAgentDialog, RadioButtonsSwitchBetweenTheListsAndTheCustomText) {
  Open();
  Steps().Then([&](HWND) {
    Click(1057);
    for (int id : kLists) EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_FALSE(Enabled(1056));
    EXPECT_EQ(Check(1058), 0);
    Click(1058);
    for (int id : kLists) EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(1056));
    EXPECT_EQ(Text(1056), kDefaultCustom) << "a disabled box keeps its text";
  });
  Run();
}

TEST_F(UserAgentDialog, ChoosingABrowserOffersItsVersionsAndChoosesTheFirst) {
  Open();
  const char* other = kEarlier ? "Mozilla Firefox" : "Google Chrome";
  const std::vector<std::string> otherVersions =
      kEarlier ? std::vector<std::string>{"1.5.0.6", "1.5.0.4", "1.5", "1.0.7", "1.0.6", "1.0"}
               : std::vector<std::string>{"15.0.860.0", "14.0.794.0"};
  Steps().Then([&](HWND) {
    Click(1057);
    Choose(1052, other);
    EXPECT_EQ(Entries(1053), otherVersions);
    EXPECT_EQ(Text(1053), otherVersions[0]);
    Choose(1052, "Microsoft Internet Explorer");
    EXPECT_EQ(Text(1053), kExplorerVersions[0]) << "not the version chosen before";
  });
  Run();
}

TEST_F(UserAgentDialog, OkInTheCustomCaseHandsTheTypedTextToTheTab) {
  WriteSettings("[WEB]\nBrowserType=Mozilla Firefox 5.0\n");
  Open();
  Steps().Then([&](HWND) {
    Type(1056, "Agent/1.0 (custom)");
    Click(1);
  });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(Text(1051), "Agent/1.0 (custom)");
  EXPECT_EQ(Stored("BrowserType"), "<missing>");
  EXPECT_EQ(Stored("CustomUserAgent"), "Agent/1.0 (custom)");
  EXPECT_EQ(Stored("UseCustomAgent"), "1");
  EXPECT_EQ(Stored("UseBrowserAgent"), "0");
  EXPECT_EQ(Stored("BrowserUserAgent"), "<missing>");
  EXPECT_EQ(Stored("Browser_Type"), "Mozilla Firefox");
}

TEST_F(UserAgentDialog, OkWithAnEmptyCustomTextShowsAnEmptyUserAgent) {
  Open();
  Steps().Then([&](HWND) {
    Type(1056, "");
    Click(1);
  });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(Text(1051), "");
  EXPECT_EQ(Stored("CustomUserAgent"), "");
  EXPECT_EQ(Stored("UseCustomAgent"), "1");
}

TEST_F(UserAgentDialog, OkInTheComposedCaseStoresAndShowsTheComposedUserAgent) {
  Languages("de;German\nen-us;English (United States)\n");
  Open();
  const char* version = kEarlier ? "1.5.0.6" : "5.0";
  Steps().Then([&](HWND) {
    Click(1057);
    Choose(1052, "Mozilla Firefox");
    Choose(1053, version);
    Choose(1054, "WinXP");
    Choose(1055, "German");
    Click(1);
  });
  EXPECT_EQ(Run(), IDOK);
  const std::string composed =
      kEarlier ? "Mozilla/5.0 (Windows; U; Windows NT 5.1; de; rv:1.8.0.6) Gecko/20060728 Firefox/1.5.0.6"
               : "Mozilla/5.0 (Windows NT 5.1; rv:5.0; de) Gecko/20110619 Firefox/5.0";
  EXPECT_EQ(Text(1051), composed);
  EXPECT_EQ(Stored("BrowserUserAgent"), composed);
  EXPECT_EQ(Stored("BrowserLanguage"), "de");
  EXPECT_EQ(Stored("BrowserVer"), version);
  EXPECT_EQ(Stored("UseCustomAgent"), "0");
  EXPECT_EQ(Stored("UseBrowserAgent"), "1");
  EXPECT_EQ(Stored("CustomUserAgent"), kDefaultCustom);
}

struct RefusalCase {
  const char* name;
  const char* settings;
  const char* platform;  // chosen before OK; null keeps the stored one
  std::string message;
  UINT helpId;
};

class Refusal : public UserAgentDialog, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, ShowsTheLibrarysMessageKeepsTheDialogOpenAndLeavesTheKeysWritten) {
  const RefusalCase& c = GetParam();
  WriteSettings(c.settings);
  Open();
  const std::string shown = Text(1051);
  Steps().Then([&](HWND) {
    Click(1057);
    if (c.platform) Choose(1054, c.platform);
    Click(1);
  });
  Steps().Then([&](HWND dialog) {
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].text, c.message);
    EXPECT_EQ(MessageBoxes()[0].helpId, c.helpId);
    EXPECT_EQ(Template(dialog), 150u) << "the dialog stays open";
    EXPECT_EQ(Stored("UseCustomAgent"), "0");
    EXPECT_EQ(Stored("UseBrowserAgent"), "1");
    EXPECT_EQ(Stored("BrowserUserAgent"), "kept") << "the last composed User-Agent stays";
    if (c.platform) {
      EXPECT_EQ(Stored("BrowserPlatform"), c.platform);
    }
    Click(2);
  });
  EXPECT_EQ(Run(), IDCANCEL);
  EXPECT_EQ(Text(1051), shown);
}

const std::string kNotSupported =
    kEarlier ? "Trevalon supports the following standard browsers: Microsoft Internet Explorer, Netscape Navigator"
             : "Trevalon supports the following standard browsers: Microsoft Internet Explorer, Google Chrome, Mozilla "
               "Firefox";

const RefusalCase kRefusalCases[] = {
    {"ExplorerOnAUnixPlatform", "[WEB]\nBrowserUserAgent=kept\n", "Linux",
     "You cannot use Microsoft Internet Explorer on a Unix machine", 14},
    {"BrowserOfTheOtherEdition",
     kEarlier ? "[WEB]\nBrowser_Type=Google Chrome\nBrowserUserAgent=kept\n"
              : "[WEB]\nBrowser_Type=Netscape Navigator\nBrowserUserAgent=kept\n",
     nullptr, kNotSupported, 13},
};
INSTANTIATE_TEST_SUITE_P(Composer, Refusal, ::testing::ValuesIn(kRefusalCases), tessaly::test::CaseName());

TEST_F(UserAgentDialog, OkThatCannotWriteTheFileSaysSoAndKeepsTheDialogOpen) {
  const std::string file = Folder() / "gone/script.cfg";
  UseSettingsFile(file);
  Open();
  const std::string shown = Text(1051);
  Steps().Then([&](HWND) {
    Type(1056, "Agent/2.0");
    Click(1);
  });
  Steps().Then([&](HWND dialog) {
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].text, "Cannot open file '" + file + "'");
    EXPECT_EQ(MessageBoxes()[0].helpId, 11u);
    EXPECT_EQ(Template(dialog), 150u);
    Click(2);
  });
  EXPECT_EQ(Run(), IDCANCEL);
  EXPECT_EQ(Text(1051), shown);
}

TEST_F(UserAgentDialog, HelpKeyAsksForTheDialogsTopicWhereverTheFocusIs) {
  Open();
  Steps().Then([&](HWND dialog) {
    Click(1058);
    SetFocus(Control(1056));
    EXPECT_EQ(platform::window::input::Key(dialog, VK_F1, {}), Outcome::Done);
    EXPECT_EQ(Template(platform::window::ActiveModalDialog()), 150u);
  });
  Run();
  if constexpr (kEarlier) {
    // No help of its own: the request goes up to the dialog's owner, the host's frame.
    EXPECT_TRUE(Spawns().empty());
    EXPECT_TRUE(CompiledHelp().empty());
    EXPECT_EQ(tessaly::test::ReceivedOf(Frame(), WM_HELP).size(), 1u);
  } else {
    ASSERT_EQ(Spawns().size(), 1u);
    EXPECT_TRUE(Spawns()[0].commandLine.ends_with("Old_CSH_Invoker.htm?topicId=131223\"")) << Spawns()[0].commandLine;
  }
}

}  // namespace
