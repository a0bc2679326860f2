// The composer against the tables of each edition, its refusals and its holder.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/edition.h"
#include "settings/user_agent_composer.h"
#include "tests/support/case_name.h"

namespace {

using tessaly::ComposeUserAgent;
using tessaly::kUserAgentBrowserNotSupported;
using tessaly::kUserAgentComposed;
using tessaly::kUserAgentIeOnUnix;

constexpr const char* kIe = "Microsoft Internet Explorer";
constexpr const char* kChrome = "Google Chrome";
constexpr const char* kFirefox = "Mozilla Firefox";
constexpr const char* kNavigator = "Netscape Navigator";
constexpr const char* kUntouched = "previous text";

struct ComposeCase {
  const char* name;
  const char* platform;
  const char* browser;
  const char* version;
  const char* language;
  int result;
  // The holder afterwards; a refusal must leave kUntouched.
  const char* expected;
};

// clang-format off
const std::vector<ComposeCase> kCurrentCases{
    // the versions the lists offer
    {"Ie10", "WinXP", kIe, "10.0", "", 0, "Mozilla/5.0 (compatible; MSIE 10.0; Windows NT 5.1; Trident/6.0)"},
    {"Ie9", "WinXP", kIe, "9.0", "", 0, "Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 5.1; Trident/5.0)"},
    {"Ie8", "WinXP", kIe, "8.0", "", 0, "Mozilla/4.0 (compatible; MSIE 8.0; Windows NT 5.1; Trident/4.0)"},
    {"Ie7", "WinXP", kIe, "7.0", "", 0, "Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1)"},
    {"Ie6", "WinXP", kIe, "6.0", "", 0, "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)"},
    {"Chrome15", "WinXP", kChrome, "15.0.860.0", "", 0, "Mozilla/5.0 (Windows NT 5.1) AppleWebKit/535.2 (KHTML, like Gecko) Chrome/15.0.860.0"},
    {"Chrome15Linux", "Linux", kChrome, "15.0.860.0", "", 0, "Chrome/15.0.860.0 (X11; Linux i686) AppleWebKit/533.20.25 (KHTML, like Gecko) Version/15.0.860.0"},
    {"Chrome14", "WinXP", kChrome, "14.0.794.0", "", 0, "Mozilla/5.0 (Windows NT 5.1) AppleWebKit/535.1 (KHTML, like Gecko) Chrome/14.0.794.0"},
    {"Chrome14Linux", "Linux", kChrome, "14.0.794.0", "", 0, "Mozilla/5.0 (X11; Linux i686) AppleWebKit/535.1 (KHTML, like Gecko) Chrome/14.0.794.0"},
    {"Firefox6", "WinXP", kFirefox, "6.0", "", 0, "Mozilla/5.0 (Windows NT 5.1; rv:6.0) Gecko/20110814 Firefox/6.0"},
    {"Firefox6Linux", "Linux", kFirefox, "6.0", "", 0, "Mozilla/5.0 (X11; Linux i686; rv:6.0) Gecko/20060508 Firefox/6.0"},
    {"Firefox5", "WinXP", kFirefox, "5.0", "", 0, "Mozilla/5.0 (Windows NT 5.1; rv:5.0) Gecko/20110619 Firefox/5.0"},
    {"Firefox5Linux", "Linux", kFirefox, "5.0", "", 0, "Mozilla/5.0 (X11; Linux i686; rv:5.0) Gecko/20100101 Firefox/5.0"},
    // the language goes before the first closing parenthesis
    {"Ie8Windows7Language", "Windows 7", kIe, "8.0", "English (United States)", 0, "Mozilla/4.0 (compatible; MSIE 8.0; Windows NT 6.1; Trident/4.0; English (United States))"},
    {"Firefox5VistaLanguage", "Windows Vista", kFirefox, "5.0", "English (United States)", 0, "Mozilla/5.0 (Windows NT 6.0; rv:5.0; English (United States)) Gecko/20110619 Firefox/5.0"},
    {"ChromeLanguage", "SunOs", kChrome, "14.0.794.0", "de-de", 0, "Mozilla/5.0 (X11; SunOS sun4m; de-de) AppleWebKit/535.1 (KHTML, like Gecko) Chrome/14.0.794.0"},
    {"PageDefault", "Windows", kIe, "6.0", "English (United States)", 0, "Mozilla/4.0 (compatible; MSIE 6.0; Windows; English (United States))"},
    // every platform token
    {"TokenWinNT", "WinNT", kIe, "7.0", "", 0, "Mozilla/4.0 (compatible; MSIE 7.0; Windows NT)"},
    {"TokenWin32", "Win32", kIe, "7.0", "", 0, "Mozilla/4.0 (compatible; MSIE 7.0; WIN32)"},
    {"TokenWindows2003", "Windows 2003", kIe, "7.0", "", 0, "Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.2)"},
    {"TokenWindows2008", "Windows 2008", kIe, "7.0", "", 0, "Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 6.0)"},
    {"TokenKestrix", "Kestrix", kFirefox, "6.0", "", 0, "Mozilla/5.0 (X11; Kestrix; rv:6.0) Gecko/20060508 Firefox/6.0"},
    {"Chrome15Kestrix", "Kestrix", kChrome, "15.0.860.0", "", 0, "Chrome/15.0.860.0 (X11; Kestrix) AppleWebKit/533.20.25 (KHTML, like Gecko) Version/15.0.860.0"},
    {"Firefox5SunOs", "SunOs", kFirefox, "5.0", "", 0, "Mozilla/5.0 (X11; SunOS sun4m; rv:5.0) Gecko/20100101 Firefox/5.0"},
    // platforms that only resemble a table name give no token and are not Unix
    {"PlatformCaseDiffers", "SunOS", kIe, "6.0", "", 0, "Mozilla/4.0 (compatible; MSIE 6.0; )"},
    {"PlatformTrailingBlank", "Linux ", kIe, "6.0", "", 0, "Mozilla/4.0 (compatible; MSIE 6.0; )"},
    {"PlatformLongerThanName", "Windows 7 SP1", kIe, "7.0", "", 0, "Mozilla/4.0 (compatible; MSIE 7.0; )"},
    {"EmptyPlatform", "", kFirefox, "6.0", "", 0, "Mozilla/5.0 (; rv:6.0) Gecko/20110814 Firefox/6.0"},
    {"ChromeOtherPlatformNotUnix", "SunOS", kChrome, "15.0.860.0", "", 0, "Mozilla/5.0 () AppleWebKit/535.2 (KHTML, like Gecko) Chrome/15.0.860.0"},
    // versions outside the tables
    {"IeEmptyVersion", "WinXP", kIe, "", "", 0, "Mozilla/5.0 (compatible; MSIE ; Windows NT 5.1)"},
    {"IeOtherVersion", "WinXP", kIe, "5.5", "", 0, "Mozilla/5.0 (compatible; MSIE 5.5; Windows NT 5.1)"},
    {"IeVersionWithoutDot", "WinXP", kIe, "10", "", 0, "Mozilla/5.0 (compatible; MSIE 10; Windows NT 5.1)"},
    {"ChromeEmptyVersion", "WinXP", kChrome, "", "", 0, "Mozilla/5.0 (Windows NT 5.1) AppleWebKit/ (KHTML, like Gecko) Chrome/"},
    {"ChromeOtherVersionLinux", "Linux", kChrome, "16.0", "", 0, "Mozilla/5.0 (X11; Linux i686) AppleWebKit/ (KHTML, like Gecko) Chrome/16.0"},
    {"FirefoxEmptyVersion", "WinXP", kFirefox, "", "", 0, "Mozilla/5.0 (Windows NT 5.1; rv:) Gecko/ Firefox/"},
    {"FirefoxEarlierVersion", "WinXP", kFirefox, "1.5.0.6", "", 0, "Mozilla/5.0 (Windows NT 5.1; rv:1.5.0.6) Gecko/ Firefox/1.5.0.6"},
    // the language code is copied as it is
    {"LanguageWithBlanks", "WinXP", kIe, "7.0", " x ", 0, "Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1;  x )"},
    // refusals
    {"EmptyBrowser", "WinXP", "", "6.0", "", kUserAgentBrowserNotSupported, kUntouched},
    {"NavigatorIsNotSupported", "WinXP", kNavigator, "4.76", "", kUserAgentBrowserNotSupported, kUntouched},
    {"BrowserCaseDiffers", "WinXP", "google chrome", "14.0.794.0", "", kUserAgentBrowserNotSupported, kUntouched},
    {"BrowserTrailingBlank", "WinXP", "Mozilla Firefox ", "6.0", "", kUserAgentBrowserNotSupported, kUntouched},
    {"UnknownBrowserOnUnix", "Linux", "Opera", "9.0", "", kUserAgentBrowserNotSupported, kUntouched},
    {"IeOnLinux", "Linux", kIe, "8.0", "", kUserAgentIeOnUnix, kUntouched},
    {"IeOnKestrix", "Kestrix", kIe, "6.0", "", kUserAgentIeOnUnix, kUntouched},
    {"IeOnSunOs", "SunOs", kIe, "6.0", "en-us", kUserAgentIeOnUnix, kUntouched},
};

const std::vector<ComposeCase> kEarlierCases{
    {"Ie6", "WinXP", kIe, "6.0", "", 0, "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)"},
    {"Ie6NoBracketForLanguage", "WinXP", kIe, "6.0", "English (United States)", 0, "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)"},
    {"Ie7Language", "WinXP", kIe, "7.0", "English (United States)", 0, "Mozilla/4.0 [English (United States)] (compatible; MSIE 7.0; Windows NT 5.1)"},
    {"Ie501ShownAs50", "WinNT", kIe, "5.01", "", 0, "Mozilla/4.0 (compatible; MSIE 5.0; Windows NT)"},
    {"IeWin32", "Win32", kIe, "5.5", "", 0, "Mozilla/4.0 (compatible; MSIE 5.5; WIN32)"},
    {"IeNewerPlatformHasNoToken", "Windows 7", kIe, "7.0", "", 0, "Mozilla/4.0 (compatible; MSIE 7.0; )"},
    {"PageDefault", "Windows", kIe, "6.0", "English (United States)", 0, "Mozilla/4.0 (compatible; MSIE 6.0; Windows)"},
    {"Navigator476", "WinNT", kNavigator, "4.76", "", 0, "Mozilla/4.76 (WinNT; U)"},
    {"Navigator45Win32Language", "Win32", kNavigator, "4.5", "de", 0, "Mozilla/4.5 [de] (WIN32;)"},
    {"Navigator40Linux", "Linux", kNavigator, "4.0", "", 0, "Mozilla/4.0 (X11; I; Linux 2.2.16-3 ; 686)"},
    {"Navigator46Kestrix", "Kestrix", kNavigator, "4.6", "", 0, "Mozilla/4.6 (X11; U; Kestrix B.10.20 5200/417)"},
    {"Navigator476SunOs", "SunOs", kNavigator, "4.76", "", 0, "Mozilla/4.76 ( UX11; U; SunOs 5.6 Sun4m)"},
    {"Navigator62", "Win32", kNavigator, "6.2", "", 0, "Mozilla/5.0 (Windows; U; WinNT4.0; ; rv:0.9.4.1)"},
    {"Navigator62LanguageNoBracket", "WinXP", kNavigator, "6.2", "de", 0, "Mozilla/5.0 (Windows; U; WinNT4.0; de; rv:0.9.4.1)"},
    {"Navigator62UnixLanguageBracket", "Linux", kNavigator, "6.2", "de", 0, "Mozilla/5.0 [de] (Windows; U; WinNT4.0; de; rv:0.9.4.1)"},
    {"Navigator60", "WinNT", kNavigator, "6.0", "fr", 0, "Mozilla/5.0 (Windows; U; WinNT4.0; fr; m18)  Gecko/20001108 Netscape6/6.0 "},
    {"Navigator60Unix", "SunOs", kNavigator, "6.0", "", 0, "Mozilla/5.0 (Windows; U; WinNT4.0; ; m18)"},
    {"NavigatorOtherVersion", "WinXP", kNavigator, "7.1", "", 0, "Mozilla/7.1 ()"},
    {"Firefox1506", "WinXP", kFirefox, "1.5.0.6", "", 0, "Mozilla/5.0 (Windows; U; Windows NT 5.1; ; rv:1.8.0.6) Gecko/20060728 Firefox/1.5.0.6"},
    {"Firefox1504Linux", "Linux", kFirefox, "1.5.0.4", "", 0, "Mozilla/5.0 (X11; U; Linux i686; ; rv:1.8.0.4) Gecko/20060602 Firefox/1.5.0.4"},
    {"Firefox15WinNT", "WinNT", kFirefox, "1.5", "", 0, "Mozilla/5.0 (Windows; U; Windows NT 5.0; ; rv:1.8) Gecko/20051111 Firefox/1.5"},
    {"Firefox107SunOs", "SunOs", kFirefox, "1.0.7", "en-us", 0, "Mozilla/5.0 (X11; U; SunOS sun4m; en-us; rv:1.7.12) Gecko/20051105 Firefox/1.0.7"},
    {"Firefox106Windows", "Windows", kFirefox, "1.0.6", "", 0, "Mozilla/5.0 (Windows; U; Windows; ; rv:1.7.10) Gecko/20050717 Firefox/1.0.6"},
    {"Firefox10Kestrix", "Kestrix", kFirefox, "1.0", "", 0, "Mozilla/5.0 (X11; U; Kestrix; ; rv:1.7.5) Gecko/20041109 Firefox/1.0"},
    {"Firefox10Win32", "Win32", kFirefox, "1.0", "", 0, "Mozilla/5.0 (Windows; U; Win32; ; rv:1.7.5) Gecko/20041107 Firefox/1.0"},
    {"FirefoxOtherVersion", "WinXP", kFirefox, "6.0", "", 0, "Mozilla/5.0 (Windows; U; Windows NT 5.1; ; rv:) Gecko/ Firefox/6.0"},
    {"ChromeIsNotSupported", "WinXP", kChrome, "15.0.860.0", "", kUserAgentBrowserNotSupported, kUntouched},
    {"EmptyBrowser", "Linux", "", "", "", kUserAgentBrowserNotSupported, kUntouched},
    {"BrowserCaseDiffers", "WinXP", "netscape navigator", "4.76", "", kUserAgentBrowserNotSupported, kUntouched},
    {"IeOnLinux", "Linux", kIe, "6.0", "", kUserAgentIeOnUnix, kUntouched},
    {"IeOnSunOs", "SunOs", kIe, "7.0", "", kUserAgentIeOnUnix, kUntouched},
};
// clang-format on

const std::vector<ComposeCase>& EditionCases() {
  return tessaly::kEdition == tessaly::Edition::Earlier ? kEarlierCases : kCurrentCases;
}

class Composition : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(Composition, GivesTheTableResult) {
  const ComposeCase& c = GetParam();
  std::string holder = kUntouched;
  EXPECT_EQ(ComposeUserAgent(c.platform, c.browser, c.version, c.language, holder), c.result);
  EXPECT_EQ(holder, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Edition, Composition, ::testing::ValuesIn(EditionCases()), tessaly::test::CaseName{});

TEST(CompositionHolder, SuccessReplacesTheWholeContent) {
  std::string holder(500, 'x');
  ASSERT_EQ(ComposeUserAgent("WinXP", kIe, "6.0", "", holder), kUserAgentComposed);
  EXPECT_EQ(holder, "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)");
}

TEST(CompositionHolder, RefusalKeepsAnEmptyHolderEmpty) {
  std::string holder;
  EXPECT_EQ(ComposeUserAgent("Linux", kIe, "6.0", "", holder), kUserAgentIeOnUnix);
  EXPECT_TRUE(holder.empty());
}

TEST(CompositionHolder, InputsMayBeTheHoldersOwnText) {
  std::string holder = "en-us";
  ASSERT_EQ(ComposeUserAgent("WinXP", kIe, "7.0", holder.c_str(), holder), kUserAgentComposed);
  const std::string expected = tessaly::kEdition == tessaly::Edition::Earlier
                                   ? "Mozilla/4.0 [en-us] (compatible; MSIE 7.0; Windows NT 5.1)"
                                   : "Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1; en-us)";
  EXPECT_EQ(holder, expected);
}

TEST(CompositionHolder, NullTextsReadAsEmpty) {
  std::string holder = kUntouched;
  EXPECT_EQ(ComposeUserAgent("WinXP", nullptr, "6.0", "", holder), kUserAgentBrowserNotSupported);
  EXPECT_EQ(holder, kUntouched);
  ASSERT_EQ(ComposeUserAgent(nullptr, kIe, nullptr, nullptr, holder), kUserAgentComposed);
  const std::string expected = tessaly::kEdition == tessaly::Edition::Earlier ? "Mozilla/4.0 (compatible; MSIE ; )"
                                                                              : "Mozilla/5.0 (compatible; MSIE ; )";
  EXPECT_EQ(holder, expected);
}

}  // namespace
