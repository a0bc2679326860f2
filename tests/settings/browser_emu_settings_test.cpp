// The tab's six options: how stored texts read, which defaults apply, what a store writes.

#include <gtest/gtest.h>

#include <string>

#include "settings/browser_emu_settings.h"
#include "tests/support/case_name.h"
#include "tests/support/temp_dir.h"

namespace {

using tessaly::BrowserEmuOption;
using tessaly::BrowserEmuOptions;
using tessaly::CBrowserEmuSettings;
using tessaly::SummaryRow;
using tessaly::test::ReadFile;
using tessaly::test::TempDir;
using tessaly::test::WriteFile;
using Option = BrowserEmuOption;

// The options as a word per option in load order, "1" on and "0" off: "111100".
std::string Flags(const BrowserEmuOptions& options) {
  std::string flags;
  for (Option option : tessaly::kLoadOrder) flags += options[option] ? '1' : '0';
  return flags;
}

struct ReadCase {
  const char* name;
  const char* web;  // lines of section WEB
  const char* scriptTypes;
  const char* expected;  // SimulateCache SearchForImages ResetContext ClearCache CheckNewer CacheHtml
};

class LoadOptions : public ::testing::TestWithParam<ReadCase> {};

TEST_P(LoadOptions, ReadsEachTextByItsOwnRule) {
  const ReadCase& c = GetParam();
  TempDir dir;
  WriteFile(dir / "default.cfg", std::string("[WEB]\n") + c.web);
  EXPECT_EQ(Flags(CBrowserEmuSettings(dir / "default.cfg").Load(c.scriptTypes)), c.expected);
}

// clang-format off
const ReadCase kReadCases[] = {
    {"EmptyFileTakesDefaultTexts", "", "", "111100"},
    {"ListedScriptTypeTurnsNewUserOff", "", "WebJS", "110100"},
    {"StoredTrueStillWinsForListedScript", "ResetContext=True\n", "WebJS", "111100"},
    {"ListedNamesAnywhereInTheList", "", "PS8WebJS", "110100"},
    {"ListAfterAComma", "", "Siebel_Web,Oracle_NCA", "110100"},
    {"LowerCaseNamesNothing", "", "webjs", "111100"},
    {"PartOfANameNamesNothing", "", "Web", "111100"},
    {"RecorderVersion3", "WebRecorderVersion=3\n", "", "111100"},
    {"RecorderVersion4", "WebRecorderVersion=4\n", "", "111101"},
    {"RecorderVersion12", "WebRecorderVersion=12\n", "", "111101"},
    {"NegativeRecorderVersionCountsAsNew", "WebRecorderVersion=-1\n", "", "111101"},
    {"RecorderVersionWithoutDigits", "WebRecorderVersion=abc\n", "", "111100"},
    {"StoredCacheHtmlWinsOverVersion", "WebRecorderVersion=9\nCacheHtmlPages=No\n", "", "111100"},
    {"SimulateCacheTwo", "SimulateCache=2\n", "", "111100"},
    {"SimulateCacheMinusOne", "SimulateCache=-1\n", "", "111100"},
    {"SimulateCacheHexIsZero", "SimulateCache=0x1\n", "", "011100"},
    {"SimulateCacheYesIsZero", "SimulateCache=yes\n", "", "011100"},
    {"EmptySimulateCacheIsOff", "SimulateCache=\n", "", "011100"},
    {"EmptyResetContextIsOff", "ResetContext=\n", "", "110100"},
    {"ResetContextOneIsOff", "ResetContext=1\n", "", "110100"},
    {"SearchForImagesUpperTrue", "SearchForImages=TRUE\n", "", "111100"},
    {"SearchForImagesOne", "SearchForImages=1\n", "", "111100"},
    {"SearchForImagesSeven", "SearchForImages=7\n", "", "111100"},
    {"SearchForImagesYesIsOff", "SearchForImages=Yes\n", "", "101100"},
    {"SearchForImagesZeroIsOff", "SearchForImages=0\n", "", "101100"},
    {"CacheHtmlLowerYes", "CacheHtmlPages=yes\n", "", "111101"},
    {"CacheHtmlTrueIsOff", "WebRecorderVersion=5\nCacheHtmlPages=True\n", "", "111100"},
    {"CacheHtmlYesBangIsOff", "WebRecorderVersion=5\nCacheHtmlPages=Yes!\n", "", "111100"},
    {"CheckNewerYes", "CacheAlwaysCheckForNewerPages=YES\n", "", "111110"},
    {"ClearCacheFalse", "ClearCacheForSimulateNewUser=false\n", "", "111000"},
    {"StoredValuesAllOff",
     "SimulateCache=0\nSearchForImages=False\nResetContext=False\nClearCacheForSimulateNewUser=False\n"
     "CacheAlwaysCheckForNewerPages=No\nCacheHtmlPages=No\n", "", "000000"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, LoadOptions, ::testing::ValuesIn(kReadCases), tessaly::test::CaseName{});

TEST(LoadOrder, ReportsEachOptionRightAfterItsRead) {
  TempDir dir;
  std::string order;
  CBrowserEmuSettings(dir / "none.cfg").Load("", [&](Option option, bool) {
    order += std::string(tessaly::KeyOf(option)) + " ";
  });
  EXPECT_EQ(order,
            "SimulateCache SearchForImages ResetContext ClearCacheForSimulateNewUser CacheAlwaysCheckForNewerPages "
            "CacheHtmlPages ");
}

TEST(LoadCut, AValueLongerThanTheReadIsSeenCut) {
  TempDir dir;
  // Only the first 255 characters are read: the final 1 is never seen.
  WriteFile(dir / "default.cfg", "[WEB]\nSimulateCache=" + std::string(255, '0') + "1\n");
  EXPECT_FALSE(CBrowserEmuSettings(dir / "default.cfg").Load("")[Option::SimulateCache]);
}

TEST(Defaults, FollowTheScriptTypesAndTheRecorderVersionOnly) {
  TempDir dir;
  const std::string file = dir / "default.cfg";
  const std::string content = "[WEB]\nSimulateCache=0\nCacheAlwaysCheckForNewerPages=Yes\nWebRecorderVersion=7\n";
  WriteFile(file, content);
  const CBrowserEmuSettings settings(file);
  EXPECT_EQ(Flags(settings.Defaults("")), "111101");
  EXPECT_EQ(Flags(settings.Defaults("x,WebAjax")), "110101");
  WriteFile(file, "[WEB]\nWebRecorderVersion=3\n");
  EXPECT_EQ(Flags(settings.Defaults("")), "111100");
  EXPECT_EQ(ReadFile(file), "[WEB]\nWebRecorderVersion=3\n");
}

TEST(Store, WritesTheSixKeysInOrderWithTheirOwnTexts) {
  TempDir dir;
  const std::string file = dir / "default.cfg";
  BrowserEmuOptions options;
  options[Option::SearchForImages] = true;
  options[Option::CacheHtmlPages] = true;
  ASSERT_FALSE(CBrowserEmuSettings(file).Store(options));
  EXPECT_EQ(ReadFile(file),
            "[WEB]\r\nSimulateCache=0\r\nSearchForImages=True\r\nResetContext=False\r\n"
            "CacheAlwaysCheckForNewerPages=No\r\nCacheHtmlPages=Yes\r\nClearCacheForSimulateNewUser=False\r\n");
  for (Option option : tessaly::kLoadOrder) options[option] = !options[option];
  ASSERT_FALSE(CBrowserEmuSettings(file).Store(options));
  EXPECT_EQ(ReadFile(file),
            "[WEB]\r\nSimulateCache=1\r\nSearchForImages=False\r\nResetContext=True\r\n"
            "CacheAlwaysCheckForNewerPages=Yes\r\nCacheHtmlPages=No\r\nClearCacheForSimulateNewUser=True\r\n");
}

TEST(Store, RewritesALenientValueInItsOwnForm) {
  TempDir dir;
  const std::string file = dir / "default.cfg";
  WriteFile(file, "[WEB]\nSearchForImages=1\nWebRecorderVersion=5\nBrowserType=x\n");
  const CBrowserEmuSettings settings(file);
  ASSERT_FALSE(settings.Store(settings.Load("")));
  const std::string stored = ReadFile(file);
  EXPECT_NE(stored.find("SearchForImages=True\n"), std::string::npos);
  EXPECT_NE(stored.find("WebRecorderVersion=5\nBrowserType=x\n"), std::string::npos);
}

TEST(Store, ReportsAFailedWriteAndStillTriesTheOthers) {
  TempDir dir;
  EXPECT_TRUE(CBrowserEmuSettings(dir / "missing/default.cfg").Store({}));
}

TEST(Availability, DependantsFollowTheirOption) {
  BrowserEmuOptions options;
  options[Option::CacheHtmlPages] = true;
  options[Option::ClearCacheForSimulateNewUser] = true;
  auto available = CBrowserEmuSettings::Availability(options);
  EXPECT_FALSE(available[Option::CacheHtmlPages]);
  EXPECT_FALSE(available[Option::CacheAlwaysCheckForNewerPages]);
  EXPECT_FALSE(available.advancedButton);
  EXPECT_FALSE(available[Option::ClearCacheForSimulateNewUser]);
  EXPECT_TRUE(available[Option::SimulateCache] && available[Option::SearchForImages] &&
              available[Option::ResetContext]);
  options[Option::SimulateCache] = true;
  options[Option::ResetContext] = true;
  available = CBrowserEmuSettings::Availability(options);
  EXPECT_TRUE(available[Option::CacheHtmlPages] && available[Option::CacheAlwaysCheckForNewerPages]);
  EXPECT_TRUE(available.advancedButton);
  EXPECT_TRUE(available[Option::ClearCacheForSimulateNewUser]);
  options[Option::CacheHtmlPages] = false;
  EXPECT_FALSE(CBrowserEmuSettings::Availability(options).advancedButton);
}

TEST(Summary, HasACacheHtmlRowOnlyWhileCacheIsOn) {
  BrowserEmuOptions options;
  options[Option::SearchForImages] = true;
  options[Option::CacheHtmlPages] = true;
  EXPECT_EQ(CBrowserEmuSettings::Summary(options),
            (std::vector<SummaryRow>{{0, 3517, 3522}, {1, 3519, 3521}, {1, 3520, 3522}}));
  options[Option::SimulateCache] = true;
  EXPECT_EQ(CBrowserEmuSettings::Summary(options),
            (std::vector<SummaryRow>{{0, 3517, 3521}, {1, 3518, 3521}, {1, 3519, 3521}, {1, 3520, 3522}}));
}

}  // namespace
