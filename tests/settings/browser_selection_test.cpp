// The User-Agent dialog's model: what a settings file loads into the lists, what OK writes,
// and the text the page shows.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/process/module_path.h"
#include "settings/browser_selection.h"
#include "settings/edition.h"
#include "settings/memory_browser_lists.h"
#include "settings/settings_file.h"
#include "settings/user_agent_composer.h"
#include "tests/support/case_name.h"
#include "tests/support/temp_dir.h"

namespace {

using tessaly::CBrowserSelection;
using tessaly::kEdition;
using tessaly::test::ReadFile;
using tessaly::test::TempDir;
using tessaly::test::WriteFile;
using Texts = std::vector<std::string>;

constexpr bool kEarlier = kEdition == tessaly::Edition::Earlier;
const std::string kDefaultCustom = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT)";

std::string Joined(const Texts& texts) {
  std::string joined;
  for (const std::string& text : texts) joined += (joined.empty() ? "" : "|") + text;
  return joined;
}

// An installation with a small catalogue, a settings file, and the dialog's lists.
class Dialog : public ::testing::Test {
 protected:
  void SetUp() override {
    ::mkdir((m_dir / "bin").c_str(), 0755);
    ::mkdir((m_dir / "dat").c_str(), 0755);
    WriteFile(m_dir / "dat/lang_code.txt",
              "en-us;English (United States)\nde-de;German (Germany)\nfr-fr;French (France)\n;\n");
    platform::process::SetExecutablePath(m_dir / "bin/host");
  }
  void TearDown() override { platform::process::SetExecutablePath({}); }

  CBrowserSelection& Opened(const std::string& web) {
    if (!web.empty()) WriteFile(m_settings, "[WEB]\n" + web);
    m_selection.FillTemplateEntries();
    m_selection.Load();
    return m_selection;
  }

  std::optional<std::string> Stored(std::string_view key) const {
    return tessaly::ReadWholeText(m_settings, tessaly::kWebSection, key);
  }

  void Choose(tessaly::CPickList& list, std::string_view entry) {
    const std::optional<std::size_t> index = list.IndexOf(entry);
    ASSERT_TRUE(index) << entry;
    list.Select(index);
  }

  TempDir m_dir;
  std::string m_settings = m_dir / "settings.ini";
  tessaly::MemoryBrowserLists m_lists;
  CBrowserSelection m_selection{m_settings, m_lists.Bind()};
};

struct LoadCase {
  const char* name;
  std::string web;
  const char* browser;
  const char* versions;
  const char* version;
  const char* platform;
  const char* language;
  std::string custom;
  int useCustom;
};

class DialogLoad : public Dialog, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(DialogLoad, ChoosesFromTheStoredKeys) {
  const LoadCase& c = GetParam();
  const CBrowserSelection& selection = Opened(c.web);
  EXPECT_EQ(m_lists.browserTypes.Text(), c.browser);
  EXPECT_EQ(Joined(m_lists.versions.Entries()), c.versions);
  EXPECT_EQ(m_lists.versions.Text(), c.version);
  EXPECT_EQ(m_lists.platforms.Text(), c.platform);
  EXPECT_EQ(m_lists.languages.Text(), c.language);
  EXPECT_EQ(selection.CustomText(), c.custom);
  EXPECT_EQ(selection.UseCustom(), c.useCustom);
}

constexpr const char* kIeVersions = "10.0|9.0|8.0|7.0|6.0";
const std::string kLongCustom = "Mozilla/5.0 (" + std::string(280, 'x') + ")";

// clang-format off
const std::vector<LoadCase> kCurrentLoadCases{
    {"NoKeys", "", "Microsoft Internet Explorer", kIeVersions, "6.0", "Windows", "", kDefaultCustom, 1},
    {"SeparateKeys", "Browser_Type=Google Chrome\nBrowserVer=14.0.794.0\nBrowserPlatform=Linux\nBrowserLanguage=de-de\nCustomUserAgent=mine\nUseCustomAgent=0\n",
     "Google Chrome", "15.0.860.0|14.0.794.0", "14.0.794.0", "Linux", "German (Germany)", "mine", 0},
    // the older combined key
    {"CombinedKeyWins", "BrowserType=Mozilla Firefox 5.0\nBrowser_Type=Google Chrome\nBrowserVer=15.0.860.0\n",
     "Mozilla Firefox", "6.0|5.0", "5.0", "Windows", "", kDefaultCustom, 1},
    {"CombinedWithoutBlankDropsACharacter", "BrowserType=Microsoft Internet Explorer6.0\n",
     "Microsoft Internet Explorer", kIeVersions, "6.0", "Windows", "", kDefaultCustom, 1},
    {"CombinedTwoDigitVersion", "BrowserType=Microsoft Internet Explorer 10.0\n",
     "Microsoft Internet Explorer", kIeVersions, "10.0", "Windows", "", kDefaultCustom, 1},
    {"CombinedTrailingWhiteSpaceRemoved", "BrowserType=Google Chrome \t 14.0.794.0\n",
     "Google Chrome", "15.0.860.0|14.0.794.0", "14.0.794.0", "Windows", "", kDefaultCustom, 1},
    {"CombinedNameChoosesByBeginning", "BrowserType=mozilla 6.0\n", "Mozilla Firefox", "6.0|5.0", "6.0", "Windows", "", kDefaultCustom, 1},
    {"CombinedWithoutDigit", "BrowserType=Netscape\nBrowser_Type=Google Chrome\n", "", "", "", "Windows", "", kDefaultCustom, 1},
    {"CombinedDigitOnlyFirst", "BrowserType=6 Netscape\n", "", "", "", "Windows", "", kDefaultCustom, 1},
    {"CombinedUnknownBrowser", "BrowserType=Netscape Navigator 4.76\n", "", "", "", "Windows", "", kDefaultCustom, 1},
    {"CombinedUnknownVersion", "BrowserType=Google Chrome 16.0\n", "Google Chrome", "15.0.860.0|14.0.794.0", "", "Windows", "", kDefaultCustom, 1},
    // choosing by beginning and by whole text
    {"BrowserTypeCaseIgnored", "Browser_Type=mozilla firefox\nBrowserVer=10\n", "Mozilla Firefox", "6.0|5.0", "", "Windows", "", kDefaultCustom, 1},
    {"EmptyBrowserTypeChoosesFirst", "Browser_Type=\nBrowserVer=\n", "Microsoft Internet Explorer", kIeVersions, "", "Windows", "", kDefaultCustom, 1},
    {"EarlierEditionsBrowser", "Browser_Type=Netscape Navigator\nBrowserVer=4.76\n", "", "", "", "Windows", "", kDefaultCustom, 1},
    {"EarlierEditionsVersion", "Browser_Type=Mozilla Firefox\nBrowserVer=1.5.0.6\n", "Mozilla Firefox", "6.0|5.0", "", "Windows", "", kDefaultCustom, 1},
    {"PlatformByBeginning", "BrowserPlatform=windows 7\n", "Microsoft Internet Explorer", kIeVersions, "6.0", "Windows 7", "", kDefaultCustom, 1},
    {"PlatformPrefixChoosesFirstSorted", "BrowserPlatform=Win\n", "Microsoft Internet Explorer", kIeVersions, "6.0", "Win32", "", kDefaultCustom, 1},
    {"EmptyPlatformChoosesFirstSorted", "BrowserPlatform=\n", "Microsoft Internet Explorer", kIeVersions, "6.0", "Kestrix", "", kDefaultCustom, 1},
    {"UnknownPlatform", "BrowserPlatform=Macintosh\n", "Microsoft Internet Explorer", kIeVersions, "6.0", "", "", kDefaultCustom, 1},
    // language, custom text and flag
    {"LanguageCodeCaseDiffers", "BrowserLanguage=DE-DE\n", "Microsoft Internet Explorer", kIeVersions, "6.0", "Windows", "", kDefaultCustom, 1},
    {"EmptyLanguageCodeChoosesEmptyCodeLine", "BrowserLanguage=\n", "Microsoft Internet Explorer", kIeVersions, "6.0", "Windows", "", kDefaultCustom, 1},
    {"EmptyCustomText", "CustomUserAgent=\n", "Microsoft Internet Explorer", kIeVersions, "6.0", "Windows", "", "", 1},
    {"LongCustomTextKeptWhole", "CustomUserAgent=" + kLongCustom + "\n", "Microsoft Internet Explorer", kIeVersions, "6.0", "Windows", "", kLongCustom, 1},
    {"UseCustomLeadingInteger", "UseCustomAgent=7abc\n", "Microsoft Internet Explorer", kIeVersions, "6.0", "Windows", "", kDefaultCustom, 7},
    {"UseCustomNotANumber", "UseCustomAgent=yes\n", "Microsoft Internet Explorer", kIeVersions, "6.0", "Windows", "", kDefaultCustom, 0},
    {"UseCustomEmptyTakesDefault", "UseCustomAgent=\n", "Microsoft Internet Explorer", kIeVersions, "6.0", "Windows", "", kDefaultCustom, 1},
};

constexpr const char* kEarlierIeVersions = "7.0|6.0|5.5|5.01|5.0|4.0";
const std::vector<LoadCase> kEarlierLoadCases{
    {"NoKeys", "", "Microsoft Internet Explorer", kEarlierIeVersions, "6.0", "Windows", "", kDefaultCustom, 1},
    {"NavigatorIsThirdShown", "Browser_Type=Netscape Navigator\nBrowserVer=4.76\nBrowserPlatform=SunOs\n",
     "Netscape Navigator", "6.2|6.0|4.76|4.6|4.5|4.0", "4.76", "SunOs", "", kDefaultCustom, 1},
    {"FirefoxIsSecondShown", "Browser_Type=Mozilla Firefox\nBrowserVer=1.5.0.6\n",
     "Mozilla Firefox", "1.5.0.6|1.5.0.4|1.5|1.0.7|1.0.6|1.0", "1.5.0.6", "Windows", "", kDefaultCustom, 1},
    {"CombinedKeyWins", "BrowserType=Netscape Navigator 4.76\nBrowser_Type=Mozilla Firefox\n",
     "Netscape Navigator", "6.2|6.0|4.76|4.6|4.5|4.0", "4.76", "Windows", "", kDefaultCustom, 1},
    {"CombinedWithoutDigit", "BrowserType=Netscape\n", "", "", "", "Windows", "", kDefaultCustom, 1},
    {"CurrentEditionsBrowser", "Browser_Type=Google Chrome\nBrowserVer=15.0.860.0\n", "", "", "", "Windows", "", kDefaultCustom, 1},
    {"CurrentEditionsPlatform", "BrowserPlatform=Windows 7\n", "Microsoft Internet Explorer", kEarlierIeVersions, "6.0", "", "", kDefaultCustom, 1},
    {"EmptyBrowserTypeChoosesFirst", "Browser_Type=\n", "Microsoft Internet Explorer", kEarlierIeVersions, "6.0", "Windows", "", kDefaultCustom, 1},
    {"LanguageAndCustom", "BrowserLanguage=fr-fr\nCustomUserAgent=mine\nUseCustomAgent=0\n",
     "Microsoft Internet Explorer", kEarlierIeVersions, "6.0", "Windows", "French (France)", "mine", 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Edition, DialogLoad, ::testing::ValuesIn(kEarlier ? kEarlierLoadCases : kCurrentLoadCases),
                         tessaly::test::CaseName{});

TEST_F(Dialog, TemplateEntriesOfTheEdition) {
  m_selection.FillTemplateEntries();
  const Texts browsers = kEarlier ? Texts{"Microsoft Internet Explorer", "Mozilla Firefox", "Netscape Navigator"}
                                  : Texts{"Microsoft Internet Explorer", "Google Chrome", "Mozilla Firefox"};
  const Texts platforms = kEarlier
                              ? Texts{"Kestrix", "Linux", "SunOs", "Win32", "Windows", "WinNT", "WinXP"}
                              : Texts{"Kestrix",      "Linux",     "SunOs",         "Win32", "Windows", "Windows 2003",
                                      "Windows 2008", "Windows 7", "Windows Vista", "WinNT", "WinXP"};
  EXPECT_EQ(m_lists.browserTypes.Entries(), browsers);
  EXPECT_EQ(m_lists.versions.Entries(), Texts{""});
  EXPECT_EQ(m_lists.platforms.Entries(), platforms);
  EXPECT_EQ(m_lists.languages.Count(), 0u);
  EXPECT_EQ(m_lists.browserTypes.Selection(), std::nullopt);
}

TEST_F(Dialog, FillVersionsChoosesTheFirstOfTheNewBrowser) {
  Opened("BrowserVer=7.0\n");
  ASSERT_EQ(m_lists.versions.Text(), "7.0");
  Choose(m_lists.browserTypes, "Mozilla Firefox");
  m_selection.FillVersions();
  EXPECT_EQ(m_lists.versions.Text(), kEarlier ? "1.5.0.6" : "6.0");
  Choose(m_lists.browserTypes, "Microsoft Internet Explorer");
  m_selection.FillVersions();
  EXPECT_EQ(m_lists.versions.Text(), kEarlier ? "7.0" : "10.0");
}

TEST_F(Dialog, FillVersionsWithoutBrowserKeepsTheEntries) {
  Opened("Browser_Type=Opera\n");
  m_lists.versions.Select(std::nullopt);
  m_selection.FillVersions();
  EXPECT_EQ(m_lists.versions.Entries(), Texts{""});
  EXPECT_EQ(m_lists.versions.Selection(), std::optional<std::size_t>(0));
}

TEST_F(Dialog, StoreWritesTheKeysInOrder) {
  Opened("");
  const tessaly::BrowserSelectionStored stored = m_selection.Store();
  EXPECT_EQ(stored.result, tessaly::kUserAgentComposed);
  EXPECT_EQ(stored.userAgent, kDefaultCustom);
  EXPECT_FALSE(stored.writeError);
  EXPECT_EQ(ReadFile(m_settings),
            "[WEB]\r\nBrowser_Type=Microsoft Internet Explorer\r\nBrowserVer=6.0\r\nBrowserPlatform=Windows\r\n"
            "BrowserLanguage=\r\nCustomUserAgent=" +
                kDefaultCustom + "\r\nUseCustomAgent=1\r\nUseBrowserAgent=0\r\n");
}

TEST_F(Dialog, StoreComposesAndWritesTheBrowserAgentLast) {
  Opened("UseCustomAgent=0\n");
  Choose(m_lists.browserTypes, "Mozilla Firefox");
  m_selection.FillVersions();
  Choose(m_lists.versions, kEarlier ? "1.5" : "5.0");
  Choose(m_lists.platforms, kEarlier ? "WinNT" : "Windows Vista");
  Choose(m_lists.languages, "English (United States)");
  const tessaly::BrowserSelectionStored stored = m_selection.Store();
  const std::string expected =
      kEarlier ? "Mozilla/5.0 (Windows; U; Windows NT 5.0; en-us; rv:1.8) Gecko/20051111 Firefox/1.5"
               : "Mozilla/5.0 (Windows NT 6.0; rv:5.0; en-us) Gecko/20110619 Firefox/5.0";
  EXPECT_EQ(stored.result, tessaly::kUserAgentComposed);
  EXPECT_EQ(stored.userAgent, expected);
  EXPECT_EQ(Stored("BrowserUserAgent"), expected);
  EXPECT_EQ(Stored("BrowserLanguage"), "en-us");
  EXPECT_EQ(Stored("UseCustomAgent"), "0");
  EXPECT_EQ(Stored("UseBrowserAgent"), "1");
  const std::string file = ReadFile(m_settings);
  EXPECT_EQ(file.substr(file.find("CustomUserAgent=")),
            "CustomUserAgent=" + kDefaultCustom + "\nUseBrowserAgent=1\nBrowserUserAgent=" + expected + "\n");
}

TEST_F(Dialog, RefusalLeavesTheSelectionWrittenAndTheBrowserAgentAsItWas) {
  Opened(
      "BrowserType=Microsoft Internet Explorer 6.0\nBrowserPlatform=Linux\nUseCustomAgent=0\n"
      "UseBrowserAgent=0\nBrowserUserAgent=old\n");
  const tessaly::BrowserSelectionStored stored = m_selection.Store();
  EXPECT_EQ(stored.result, tessaly::kUserAgentIeOnUnix);
  EXPECT_EQ(stored.userAgent, "");
  EXPECT_EQ(Stored("BrowserType"), std::nullopt);
  EXPECT_EQ(Stored("Browser_Type"), "Microsoft Internet Explorer");
  EXPECT_EQ(Stored("BrowserVer"), "6.0");
  EXPECT_EQ(Stored("BrowserPlatform"), "Linux");
  EXPECT_EQ(Stored("CustomUserAgent"), kDefaultCustom);
  EXPECT_EQ(Stored("UseCustomAgent"), "0");
  EXPECT_EQ(Stored("UseBrowserAgent"), "1");
  EXPECT_EQ(Stored("BrowserUserAgent"), "old");
}

TEST_F(Dialog, UnchosenBrowserIsRefusedWithItsEmptyTextsWritten) {
  Opened(std::string("Browser_Type=") + (kEarlier ? "Google Chrome" : "Netscape Navigator") +
         "\nBrowserVer=4.76\nBrowserPlatform=Amiga\nUseCustomAgent=0\n");
  EXPECT_EQ(m_selection.Store().result, tessaly::kUserAgentBrowserNotSupported);
  EXPECT_EQ(Stored("Browser_Type"), "");
  EXPECT_EQ(Stored("BrowserVer"), "");
  EXPECT_EQ(Stored("BrowserPlatform"), "");
  EXPECT_EQ(Stored("BrowserUserAgent"), std::nullopt);
}

TEST_F(Dialog, StoreWritesTheCombinedKeysParts) {
  Opened("BrowserType=Mozilla Firefox 5.0\nBrowser_Type=Google Chrome\n");
  m_selection.Store();
  EXPECT_EQ(Stored("BrowserType"), std::nullopt);
  EXPECT_EQ(Stored("Browser_Type"), "Mozilla Firefox");
  EXPECT_EQ(Stored("BrowserVer"), kEarlier ? "" : "5.0");
}

TEST_F(Dialog, StoreSpellsTheBrowserAsTheListDoes) {
  Opened("Browser_Type=mozilla firefox\nBrowserVer=10\n");
  m_selection.Store();
  EXPECT_EQ(Stored("Browser_Type"), "Mozilla Firefox");
  EXPECT_EQ(Stored("BrowserVer"), "");
}

TEST_F(Dialog, CustomCaseReturnsTheCustomTextEvenEmpty) {
  Opened("UseCustomAgent=0\nBrowserUserAgent=old\n");
  m_selection.SetCustomText("");
  m_selection.SetUseCustom(5);
  const tessaly::BrowserSelectionStored stored = m_selection.Store();
  EXPECT_EQ(stored.result, tessaly::kUserAgentComposed);
  EXPECT_EQ(stored.userAgent, "");
  EXPECT_EQ(Stored("CustomUserAgent"), "");
  EXPECT_EQ(Stored("UseCustomAgent"), "1");
  EXPECT_EQ(Stored("UseBrowserAgent"), "0");
  EXPECT_EQ(Stored("BrowserUserAgent"), "old");
}

TEST_F(Dialog, NoLanguageChosenStoresNoCodeEvenWithAnEmptyName) {
  WriteFile(m_dir / "dat/lang_code.txt", "xx;\nen-us;English (United States)\n");
  Opened("BrowserLanguage=de-de\nUseCustomAgent=0\n");
  ASSERT_EQ(m_lists.languages.Selection(), std::nullopt);
  m_selection.Store();
  EXPECT_EQ(Stored("BrowserLanguage"), "");
}

// Without a catalogue nobody can choose a language: the stored one is kept, not wiped.
TEST_F(Dialog, MissingCatalogueKeepsTheStoredLanguage) {
  ::unlink((m_dir / "dat/lang_code.txt").c_str());
  Opened("BrowserLanguage=de-de\nUseCustomAgent=0\nBrowserPlatform=WinXP\nBrowserVer=7.0\n");
  EXPECT_NE(m_selection.Languages().OpenFailure(), "");
  const tessaly::BrowserSelectionStored stored = m_selection.Store();
  std::string expected;
  tessaly::ComposeUserAgent("WinXP", "Microsoft Internet Explorer", "7.0", "de-de", expected);
  EXPECT_EQ(stored.userAgent, expected);
  EXPECT_NE(expected.find("de-de"), std::string::npos);
  EXPECT_EQ(Stored("BrowserLanguage"), "de-de");
}

TEST_F(Dialog, MissingCatalogueAndNoStoredLanguageComposesWithoutLanguage) {
  ::unlink((m_dir / "dat/lang_code.txt").c_str());
  Opened("UseCustomAgent=0\nBrowserPlatform=WinXP\nBrowserVer=7.0\n");
  const tessaly::BrowserSelectionStored stored = m_selection.Store();
  EXPECT_EQ(stored.userAgent, "Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1)");
  EXPECT_EQ(Stored("BrowserLanguage"), "");
}

TEST_F(Dialog, LongValuesSurviveLoadAndStoreUnchanged) {
  const std::string code(150, 'c');
  WriteFile(m_dir / "dat/lang_code.txt", code + ";Long\n");
  Opened("CustomUserAgent=" + kLongCustom + "\nBrowserLanguage=" + code + "\n");
  m_selection.Store();
  EXPECT_EQ(Stored("CustomUserAgent"), kLongCustom);
  EXPECT_EQ(Stored("BrowserLanguage"), code);
}

TEST_F(Dialog, FailedWritesAreReportedAndTheResultStillGiven) {
  CBrowserSelection selection(m_dir / "missing/settings.ini", m_lists.Bind());
  selection.FillTemplateEntries();
  selection.Load();
  const tessaly::BrowserSelectionStored stored = selection.Store();
  EXPECT_TRUE(stored.writeError);
  EXPECT_EQ(stored.result, tessaly::kUserAgentComposed);
  EXPECT_EQ(stored.userAgent, kDefaultCustom);
}

struct DisplayCase {
  const char* name;
  std::string web;
  // Empty: the page's fallback.
  std::string shown;
};

class PageDisplay : public Dialog, public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(PageDisplay, ShowsTheKeyTheFlagsName) {
  const DisplayCase& c = GetParam();
  WriteFile(m_settings, "[WEB]\n" + c.web);
  const std::string fallback = kEarlier ? "Mozilla/4.0 (compatible; MSIE 6.0; Windows)"
                                        : "Mozilla/4.0 (compatible; MSIE 6.0; Windows; English (United States))";
  EXPECT_EQ(CBrowserSelection::DisplayText(m_settings), c.shown.empty() ? fallback : c.shown);
}

// clang-format off
const DisplayCase kDisplayCases[] = {
    {"NoKeys", "", ""},
    {"CustomByDefault", "CustomUserAgent=mine\nBrowserUserAgent=composed\n", "mine"},
    {"CustomFlagEmptyTakesDefault", "UseCustomAgent=\nCustomUserAgent=mine\n", "mine"},
    {"EmptyCustomFallsBack", "UseCustomAgent=1\nCustomUserAgent=\n", ""},
    {"ComposedAgent", "UseCustomAgent=0\nUseBrowserAgent=1\nBrowserUserAgent=composed\nCustomUserAgent=mine\n", "composed"},
    {"EmptyComposedAgentFallsBack", "UseCustomAgent=0\nUseBrowserAgent=1\nBrowserUserAgent=\n", ""},
    {"OlderKeyWithoutBrowserFlag", "UseCustomAgent=0\nBrowserType=Microsoft Internet Explorer 6.0\nBrowserUserAgent=composed\n",
     "Microsoft Internet Explorer 6.0"},
    {"OlderKeyWithBothFlagsOff", "UseCustomAgent=0\nUseBrowserAgent=0\nBrowserType=Microsoft Internet Explorer 6.0\n",
     "Microsoft Internet Explorer 6.0"},
    {"FlagNotANumberIsOff", "UseCustomAgent=on\nUseBrowserAgent=2\nBrowserUserAgent=composed\n", "composed"},
    {"EarlierEditionsComposedFile", "UseCustomAgent=0\nUseBrowserAgent=1\nBrowser_Type=Netscape Navigator\nBrowserUserAgent=Mozilla/4.76 (WinNT; U)\n",
     "Mozilla/4.76 (WinNT; U)"},
    {"CutAt255", "CustomUserAgent=" + std::string(255, 'a') + std::string(45, 'b') + "\n", std::string(255, 'a')},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Files, PageDisplay, ::testing::ValuesIn(kDisplayCases), tessaly::test::CaseName{});

TEST_F(Dialog, PageShowsTheFallbackWithoutAFile) {
  EXPECT_EQ(CBrowserSelection::DisplayText(m_dir / "absent.ini").rfind("Mozilla/4.0 (compatible; MSIE 6.0; Windows", 0),
            0u);
}

}  // namespace
