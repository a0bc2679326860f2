// The Browser Emulation tab as the host drives it, through the library loaded by name: what
// it loads into its check boxes, how availability follows the boxes, what it stores, its
// defaults, its summary rows, its hints and its help key.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "pages/summary_item.h"
#include "platform/profile/profile.h"
#include "platform/window/input.h"
#include "platform/window/window.h"
#include "settings/edition.h"
#include "tests/pages/page_fixture.h"
#include "tests/platform/window_test_support.h"
#include "tests/support/case_name.h"

namespace {

using tessaly::test::HoverCase;
using tessaly::test::PageTest;
using tessaly::test::ReadFile;
using tessaly::test::Tessaly;

constexpr bool kEarlier = tessaly::kEdition == tessaly::Edition::Earlier;
const std::string kStartHint = "Hint: / Move the mouse over any item to see its description.";
const char* const kComposedDefault = kEarlier ? "Mozilla/4.0 (compatible; MSIE 6.0; Windows)"
                                              : "Mozilla/4.0 (compatible; MSIE 6.0; Windows; English (United States))";

// The six boxes with their keys, in the order the tab stores them.
const std::vector<std::pair<int, const char*>> kStoredBoxes = {
    {1041, "SimulateCache"},  {1042, "SearchForImages"},
    {1043, "ResetContext"},   {1061, "CacheAlwaysCheckForNewerPages"},
    {1060, "CacheHtmlPages"}, {1069, "ClearCacheForSimulateNewUser"}};

class BrowserEmuPage : public PageTest {
 protected:
  std::map<int, int> Checks() const {
    std::map<int, int> checks;
    for (const auto& [id, key] : kStoredBoxes) checks[id] = Check(id);
    return checks;
  }
  std::map<int, bool> Enablement() const {
    std::map<int, bool> enabled;
    for (int id : {1060, 1061, 1063, 1069}) enabled[id] = Enabled(id);
    return enabled;
  }
  std::map<std::string, std::string> StoredOptions() const {
    std::map<std::string, std::string> stored;
    for (const auto& [id, key] : kStoredBoxes) stored[key] = Stored(key);
    return stored;
  }
};

TEST_F(BrowserEmuPage, OpensOnAnEmptyFileWithTheDefaultsTheComposedUserAgentAndTheStartHint) {
  Open();
  EXPECT_EQ(Checks(), (std::map<int, int>{{1041, 1}, {1042, 1}, {1043, 1}, {1069, 1}, {1060, 0}, {1061, 0}}));
  EXPECT_EQ(Enablement(), (std::map<int, bool>{{1060, true}, {1061, true}, {1063, false}, {1069, true}}));
  EXPECT_EQ(Text(1051), kComposedDefault);
  EXPECT_EQ(Hint(), kStartHint) << "shown without any mouse movement";
  EXPECT_FALSE(tessaly::test::Exists(SettingsFile())) << "opening writes nothing";
}

TEST_F(BrowserEmuPage, LoadsWithTheScriptTypesSetBeforeItsWindowAndKeepsThemAfterwards) {
  Tessaly::Loaded().SetAdditionalData("PS8WebJS");
  Open();
  EXPECT_EQ(Check(1043), 0);
  EXPECT_FALSE(Enabled(1069));
  Tessaly::Loaded().SetAdditionalData("");
  EXPECT_EQ(Check(1043), 0) << "a later list changes nothing loaded";
}

struct AvailabilityCase {
  const char* name;
  const char* settings;
  std::vector<int> clicks;
  std::map<int, int> checks;  // of the boxes that matter to the case
  std::map<int, bool> enabled;
};

class Availability : public BrowserEmuPage, public ::testing::WithParamInterface<AvailabilityCase> {};

TEST_P(Availability, FollowsTheBoxesAndKeepsTheMarksOfWhatIsDisabled) {
  const AvailabilityCase& c = GetParam();
  WriteSettings(c.settings);
  Open();
  for (int id : c.clicks) Click(id);
  for (const auto& [id, check] : c.checks) EXPECT_EQ(Check(id), check) << id;
  EXPECT_EQ(Enablement(), c.enabled);
}

const AvailabilityCase kAvailabilityCases[] = {
    {"UncheckingTheCacheDisablesItsDependants",
     "[WEB]\nCacheHtmlPages=Yes\nCacheAlwaysCheckForNewerPages=Yes\n",
     {1041},
     {{1041, 0}, {1060, 1}, {1061, 1}},
     {{1060, false}, {1061, false}, {1063, false}, {1069, true}}},
    {"CheckingTheCacheAgainBringsThemBack",
     "[WEB]\nCacheHtmlPages=Yes\n",
     {1041, 1041},
     {{1041, 1}, {1060, 1}},
     {{1060, true}, {1061, true}, {1063, true}, {1069, true}}},
    {"CheckingCacheUrlsEnablesAdvanced",
     "",
     {1060},
     {{1060, 1}},
     {{1060, true}, {1061, true}, {1063, true}, {1069, true}}},
    {"UncheckingCacheUrlsDisablesAdvanced",
     "[WEB]\nCacheHtmlPages=Yes\n",
     {1060},
     {{1060, 0}},
     {{1060, true}, {1061, true}, {1063, false}, {1069, true}}},
    {"UncheckingNewUserDisablesClearCache",
     "",
     {1043},
     {{1043, 0}, {1069, 1}},
     {{1060, true}, {1061, true}, {1063, false}, {1069, false}}},
    {"StoredCacheOffStartsWithItsDependantsDisabled",
     "[WEB]\nSimulateCache=0\nCacheHtmlPages=Yes\n",
     {},
     {{1041, 0}, {1060, 1}},
     {{1060, false}, {1061, false}, {1063, false}, {1069, true}}},
    {"StoredNewUserOffStartsWithClearCacheDisabled",
     "[WEB]\nResetContext=False\nClearCacheForSimulateNewUser=False\n",
     {},
     {{1043, 0}, {1069, 0}},
     {{1060, true}, {1061, true}, {1063, false}, {1069, false}}},
};
INSTANTIATE_TEST_SUITE_P(Clicks, Availability, ::testing::ValuesIn(kAvailabilityCases), tessaly::test::CaseName());

struct StoreCase {
  const char* name;
  const char* settings;
  std::vector<int> clicks;
  std::map<std::string, std::string> stored;
};

class Storing : public BrowserEmuPage, public ::testing::WithParamInterface<StoreCase> {};

TEST_P(Storing, WritesEveryBoxWhateverItsAvailability) {
  const StoreCase& c = GetParam();
  WriteSettings(c.settings);
  Open();
  for (int id : c.clicks) Click(id);
  Tab().SaveSettings();
  EXPECT_EQ(StoredOptions(), c.stored);
}

const StoreCase kStoreCases[] = {
    {"Defaults",
     "",
     {},
     {{"SimulateCache", "1"},
      {"SearchForImages", "True"},
      {"ResetContext", "True"},
      {"CacheAlwaysCheckForNewerPages", "No"},
      {"CacheHtmlPages", "No"},
      {"ClearCacheForSimulateNewUser", "True"}}},
    {"DisabledDependantsKeepTheirMarks",
     "[WEB]\nCacheHtmlPages=Yes\nCacheAlwaysCheckForNewerPages=Yes\n",
     {1041, 1043},
     {{"SimulateCache", "0"},
      {"SearchForImages", "True"},
      {"ResetContext", "False"},
      {"CacheAlwaysCheckForNewerPages", "Yes"},
      {"CacheHtmlPages", "Yes"},
      {"ClearCacheForSimulateNewUser", "True"}}},
    {"LenientlyReadValuesAreWrittenInTheirOwnPairs",
     "[WEB]\nSimulateCache=-1\nSearchForImages=7\nResetContext=true\nCacheHtmlPages=YES\n",
     {1042},
     {{"SimulateCache", "1"},
      {"SearchForImages", "False"},
      {"ResetContext", "True"},
      {"CacheAlwaysCheckForNewerPages", "No"},
      {"CacheHtmlPages", "Yes"},
      {"ClearCacheForSimulateNewUser", "True"}}},
};
INSTANTIATE_TEST_SUITE_P(Changes, Storing, ::testing::ValuesIn(kStoreCases), tessaly::test::CaseName());

TEST_F(BrowserEmuPage, StoresTheSixKeysInItsOrderAndNothingElse) {
  Open();
  Tab().SaveSettings();
  EXPECT_EQ(ReadFile(SettingsFile()),
            "[WEB]\r\nSimulateCache=1\r\nSearchForImages=True\r\nResetContext=True\r\n"
            "CacheAlwaysCheckForNewerPages=No\r\nCacheHtmlPages=No\r\nClearCacheForSimulateNewUser=True\r\n");
}

TEST_F(BrowserEmuPage, ClearedBoxesAreStoredAsOnButMakeNothingAvailable) {
  WriteSettings("[WEB]\nSimulateCache=0\nSearchForImages=False\nResetContext=False\n");
  Open();
  Tab().ClearControls();
  EXPECT_EQ(Checks(), (std::map<int, int>{{1041, 2}, {1042, 2}, {1043, 2}, {1069, 2}, {1060, 2}, {1061, 2}}));
  EXPECT_EQ(Text(1051), "");
  Tab().SaveSettings();
  EXPECT_EQ(StoredOptions(), (std::map<std::string, std::string>{{"SimulateCache", "1"},
                                                                 {"SearchForImages", "True"},
                                                                 {"ResetContext", "True"},
                                                                 {"CacheAlwaysCheckForNewerPages", "Yes"},
                                                                 {"CacheHtmlPages", "Yes"},
                                                                 {"ClearCacheForSimulateNewUser", "True"}}));
  // A cleared box cycles through its three states; only checked makes the dependants available.
  Click(1041);
  Click(1041);
  EXPECT_EQ(Check(1041), 1);
  EXPECT_TRUE(Enabled(1060));
  Click(1041);
  EXPECT_EQ(Check(1041), 2);
  EXPECT_FALSE(Enabled(1060));
  EXPECT_FALSE(Enabled(1061));
}

struct DefaultsCase {
  const char* name;
  const char* settings;
  const char* scriptTypes;
  std::map<int, int> checks;
  std::map<int, bool> enabled;
};

class DefaultsOfTheTab : public BrowserEmuPage, public ::testing::WithParamInterface<DefaultsCase> {};

TEST_P(DefaultsOfTheTab, RestoreTheBoxesAndTheirAvailabilityAndWriteNothing) {
  const DefaultsCase& c = GetParam();
  WriteSettings(c.settings);
  Open();
  Tab().ClearControls();
  Tessaly::Loaded().SetAdditionalData(c.scriptTypes);
  const std::string before = ReadFile(SettingsFile());
  Tab().SetDefaults();
  EXPECT_EQ(Checks(), c.checks);
  EXPECT_EQ(Enablement(), c.enabled);
  EXPECT_EQ(Text(1051), "") << "the User-Agent is not the defaults' business";
  EXPECT_EQ(ReadFile(SettingsFile()), before);
}

const DefaultsCase kDefaultsCases[] = {
    {"PlainScript",
     "[WEB]\nSimulateCache=0\n",
     "",
     {{1041, 1}, {1042, 1}, {1043, 1}, {1069, 1}, {1060, 0}, {1061, 0}},
     {{1060, true}, {1061, true}, {1063, false}, {1069, true}}},
    {"ListedScriptType",
     "[WEB]\nSimulateCache=0\n",
     "HTTP,WebAjax",
     {{1041, 1}, {1042, 1}, {1043, 0}, {1069, 1}, {1060, 0}, {1061, 0}},
     {{1060, true}, {1061, true}, {1063, false}, {1069, false}}},
    {"RecentRecorder",
     "[WEB]\nWebRecorderVersion=4\n",
     "",
     {{1041, 1}, {1042, 1}, {1043, 1}, {1069, 1}, {1060, 1}, {1061, 0}},
     {{1060, true}, {1061, true}, {1063, true}, {1069, true}}},
};
INSTANTIATE_TEST_SUITE_P(Scripts, DefaultsOfTheTab, ::testing::ValuesIn(kDefaultsCases), tessaly::test::CaseName());

using Rows = std::vector<std::tuple<int, std::string, std::string>>;

Rows TakeSummary(CObList& list) {
  Rows rows;
  for (POSITION at = list.GetHeadPosition(); at;) {
    SummaryItem* item = SummaryItemOf(list.GetNext(at));
    rows.emplace_back(item->flag, item->title.Str(), item->value.Str());
    delete item;  // the host owns the records
  }
  list.RemoveAll();
  return rows;
}

TEST_F(BrowserEmuPage, WithoutItsWindowHasNoSummaryAndStoresNothing) {
  WriteSettings("[WEB]\nSimulateCache=1\n");
  Create();
  CObList list;
  EXPECT_FALSE(Tab().GetSummary(&list));
  EXPECT_TRUE(list.IsEmpty());
  Tab().SaveSettings();
  EXPECT_EQ(ReadFile(SettingsFile()), "[WEB]\nSimulateCache=1\n") << "no boxes, so no options to store";
}

struct SummaryCase {
  const char* name;
  const char* settings;
  bool clear;
  Rows rows;
};

class Summaries : public BrowserEmuPage, public ::testing::WithParamInterface<SummaryCase> {};

TEST_P(Summaries, AppendsOneRecordPerRowAfterWhatTheListHeld) {
  const SummaryCase& c = GetParam();
  WriteSettings(c.settings);
  Open();
  if (c.clear) Tab().ClearControls();
  CObList list;
  CObject held;
  list.AddTail(&held);
  ASSERT_TRUE(Tab().GetSummary(&list));
  ASSERT_EQ(list.GetHead(), &held);
  POSITION at = list.GetHeadPosition();
  list.GetNext(at);
  CObList appended;
  while (at) appended.AddTail(list.GetNext(at));
  EXPECT_EQ(TakeSummary(appended), c.rows);
}

const SummaryCase kSummaryCases[] = {
    {"CacheOff",
     "[WEB]\nSimulateCache=0\nCacheHtmlPages=Yes\nSearchForImages=False\n",
     false,
     {{0, "Browser cache", "No"},
      {1, "Download non-HTML resources", "No"},
      {1, "Simulate a new user each iteration", "Yes"}}},
    {"CacheOn",
     "[WEB]\nResetContext=False\n",
     false,
     {{0, "Browser cache", "Yes"},
      {1, "Cache HTML pages", "No"},
      {1, "Download non-HTML resources", "Yes"},
      {1, "Simulate a new user each iteration", "No"}}},
    {"ClearedBoxesCountAsOn",
     "[WEB]\nSimulateCache=0\nSearchForImages=False\nResetContext=False\n",
     true,
     {{0, "Browser cache", "Yes"},
      {1, "Cache HTML pages", "Yes"},
      {1, "Download non-HTML resources", "Yes"},
      {1, "Simulate a new user each iteration", "Yes"}}},
};
INSTANTIATE_TEST_SUITE_P(Boxes, Summaries, ::testing::ValuesIn(kSummaryCases), tessaly::test::CaseName());

class HoveringOnTheTab : public BrowserEmuPage, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(HoveringOnTheTab, ShowsTheControlsPair650MillisecondsAfterThePointerCame) {
  const HoverCase& c = GetParam();
  // Everything is made available and a first hint shown, so that any new one can be seen.
  WriteSettings("[WEB]\nCacheHtmlPages=Yes\n");
  Open();
  ExpectHintAfterDwell(c.id == 1042 ? 1041 : 1042, c.id, c.hint);
}

const HoverCase kHoverCases[] = {
    {"Change", 1040, "Change / Specify browser details such as browser type, version or language"},
    {"SimulateCache", 1041,
     "Simulate browser cache / Instructs the Emulant to simulate a browser with a cache. By default, cache simulation "
     "is enabled. If you disable this option, all Emulants emulate a browser with no cache available."},
    {"Download", 1042,
     "Download non-HTML resources / Instructs Emulants to load graphic images when accessing a Web page during "
     "replay. When real users access a Web page, they wait for the images to load. Enable this option if you are "
     "trying to test the entire system, including end-user time. To increase performance and not emulate real users, "
     "disable this option."},
    {"NewUser", 1043,
     "Simulate a new user each iteration / Instructs Quillet to reset all HTTP contexts between iterations to their "
     "states at the end of the init section. This allows the Emulant to more accurately emulate a new user beginning "
     "a browsing session. This option is enabled by default."},
    {"CacheUrlsTitleHasTheHigherId", 1060,
     "Cache URLs requiring content (HTMLs) / Instructs the browser to cache URL content (e.g. for HTML parsing, "
     "verification, or correlation). Other URLs are cached without content in order to reduce memory footprint. "
     "Click on Advanced to define URLs other than HTMLs that require content."},
    {"CheckNewer", 1061,
     "Check for newer resources when simulating browser cache / Instructs the browser to check for newer resources "
     "than those stored in the cache for the specified URL. This is done by adding the If-Modified-Since attribute to "
     "the header. By default, browsers do not automatically check for newer resources."},
    {"Advanced", 1063,
     "Advanced / Use this option to be able to specify content types of URLs that require content in addition to "
     "HTML pages, e.g. for verification or correlation."},
    {"ClearCache", 1069,
     "Clear cache on each iteration / Check this box when each iteration simulates a user freshly visiting the site.  "
     "Uncheck this box when each iteration simulates a user that has recently visited the site, so that the browser "
     "still retains pages from prior visits (using cached pages from previous iterations)"},
    {"UserAgentBox", 1051, kStartHint},
    {"Background", 0, kStartHint},
    {"HintPanel", 1059, kStartHint},
};
INSTANTIATE_TEST_SUITE_P(Controls, HoveringOnTheTab, ::testing::ValuesIn(kHoverCases), tessaly::test::CaseName());

TEST_F(BrowserEmuPage, CrossingControlsShowsOnlyTheLastOneAndStayingRequestsNothingNew) {
  Open();
  Hover(1041);
  Wait(300);
  Hover(1042);
  Wait(400);
  EXPECT_EQ(Hint(), kStartHint) << "1041 was left before its hint was due";
  Wait(250);
  EXPECT_EQ(Hint().substr(0, 30), "Download non-HTML resources / ");
  Hover(1043);
  Wait(400);
  Hover(1043);
  Wait(250);
  EXPECT_EQ(Hint().substr(0, 37), "Simulate a new user each iteration / ") << "moving within 1043 kept its delay";
}

TEST_F(BrowserEmuPage, HelpKeyOpensTheTopicOfTheTab) {
  Open();
  ASSERT_EQ(platform::window::input::Key(Page(), VK_F1, {}), platform::window::input::Outcome::Done);
  if constexpr (kEarlier) {
    ASSERT_EQ(CompiledHelp().size(), 1u);
    EXPECT_EQ(CompiledHelp()[0].command, 15u);
    EXPECT_EQ(CompiledHelp()[0].data, 131221u);
    EXPECT_TRUE(CompiledHelp()[0].file.ends_with("QUILLET.CHM")) << CompiledHelp()[0].file;
    EXPECT_TRUE(Spawns().empty());
  } else {
    ASSERT_EQ(Spawns().size(), 1u);
    EXPECT_TRUE(Spawns()[0].commandLine.ends_with("/help/WebHelp/Old_CSH_Invoker.htm?topicId=131221\""))
        << Spawns()[0].commandLine;
    EXPECT_TRUE(CompiledHelp().empty());
  }
}

TEST_F(BrowserEmuPage, TwoPagesWorkOnTheirOwnFilesAndLeavingOneIsAllowed) {
  Open();
  const std::string otherFile = Folder() / "other.cfg";
  CPropertyPage* other = Tessaly::Loaded().CreateTab(otherFile.c_str(), nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  Sheet().AddPage(other);
  Click(1041);
  EXPECT_TRUE(Sheet().SetActivePage(1)) << "the tab never refuses to be left";
  EXPECT_NE(other->m_hWnd, nullptr);
  Tab().SaveSettings();
  static_cast<CCfgTab*>(other)->SaveSettings();
  EXPECT_EQ(Stored("SimulateCache"), "0");
  char value[16];
  GetPrivateProfileStringA("WEB", "SimulateCache", "", value, sizeof value, otherFile.c_str());
  EXPECT_STREQ(value, "1");
  delete other;
}

}  // namespace
