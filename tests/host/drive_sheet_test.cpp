// The library's exports and the host's calls on its pages, driven by script on the stand-in
// library: creation strings, storing, defaults, summaries, leaving, flags, pictures,
// read-only presentation and the life of several pages.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/profile/profile.h"
#include "tests/host/drive_fixture.h"
#include "tests/support/case_name.h"

namespace {

using tessaly::test::ControlOf;
using tessaly::test::DriveTest;
using tessaly::test::Json;
using tessaly::test::LinesWith;

// The double's controls.
constexpr int kKeep = 101;
constexpr int kFollow = 102;
constexpr int kMayLeave = 103;
constexpr int kName = 110;
constexpr int kCreation = 111;
constexpr int kColour = 120;
constexpr int kOpen = 130;
constexpr int kPicture = 140;
constexpr int kDone = 1;
constexpr int kHintTitle = 1035;

std::string Value(const std::string& file, const char* key) {
  return platform::profile::ReadString(file, "DOUBLE", key).value_or("<missing>");
}

class DriveSheet : public DriveTest {
 protected:
  std::string Settings() const { return File("settings.cfg"); }
  std::string CreateShown() const { return "create \"" + Settings() + "\"\nshow\n"; }
};

struct CreationCase {
  const char* name;
  const char* script;  // before the page is shown; "FILE" is the settings file
  const char* shown;   // what the page says it was made with
};

class DriveCreation : public DriveSheet, public ::testing::WithParamInterface<CreationCase> {};

TEST_P(DriveCreation, TheLibraryGetsTheStringsAndTheModuleState) {
  std::string script = GetParam().script;
  script.replace(script.find("FILE"), 4, Settings());
  const auto result = Drive(script + "show\ndump 111\n");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  ASSERT_EQ(result.lines.size(), 1u);
  EXPECT_EQ(result.lines[0]["text"], GetParam().shown);
}

const CreationCase kCreations[] = {
    {"OnlyTheFile", "create FILE\n", "types=;app=0;extra=;protocol="},
    {"AllThreeStrings", "create FILE \"the extra\" WAP\n", "types=;app=0;extra=the extra;protocol=WAP"},
    {"EmptyExtraKept", "create FILE \"\" SOAP\n", "types=;app=0;extra=;protocol=SOAP"},
    {"ScriptTypesAndApplication", "additional-data \"WebAjax HTTP\"\nactive-app 77\ncreate FILE\n",
     "types=WebAjax HTTP;app=77;extra=;protocol="},
    {"LastScriptTypesWin", "additional-data First\nadditional-data Second\ncreate FILE\n",
     "types=Second;app=0;extra=;protocol="},
    {"NullScriptTypes", "additional-data Some\nadditional-data-null\ncreate FILE\n",
     "types=(null);app=0;extra=;protocol="},
    // The library speaks its code page: the text goes there and comes back.
    {"TextsInTheLibrarysCodePage", "additional-data Caf\xc3\xa9\ncreate FILE \"na\xc3\xafve\"\n",
     "types=Caf\xc3\xa9;app=0;extra=na\xc3\xafve;protocol="},
    {"LargestApplication", "active-app 9223372036854775807\ncreate FILE\n",
     "types=;app=9223372036854775807;extra=;protocol="},
};

INSTANTIATE_TEST_SUITE_P(Cases, DriveCreation, ::testing::ValuesIn(kCreations), tessaly::test::CaseName{});

TEST_F(DriveSheet, ProductDefaultGoesToTheLibraryWithTheFile) {
  const auto result =
      Drive("product-default 1 \"" + Settings() + "\"\nproduct-default -7 \"" + File("other.cfg") + "\"\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(result.lines.empty());
  EXPECT_EQ(Value(Settings(), "ProductDefault"), "1");
  EXPECT_EQ(Value(File("other.cfg"), "ProductDefault"), "-7");
}

TEST_F(DriveSheet, SummaryFollowsTheControlsOnceThePageHasAWindow) {
  const auto result = Drive("create \"" + Settings() + "\"\nsummary\nshow\nsummary\nclick 101\ntype 110 Bob\n" +
                            "select 120 Blue\nsummary\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  ASSERT_EQ(result.lines.size(), 3u);
  EXPECT_EQ(result.lines[0], Json::parse(R"({"result":false})"));
  EXPECT_EQ(result.lines[1], Json::parse(R"({"summary":[[1,"Keep","on"],[0,"Name",""],[0,"Colour","Green"]]})"));
  EXPECT_EQ(result.lines[2], Json::parse(R"({"summary":[[1,"Keep","off"],[0,"Name","Bob"],[0,"Colour","Blue"]]})"));
}

TEST_F(DriveSheet, SaveStoresWhatThePageShows) {
  tessaly::test::WriteFile(Settings(), "[DOUBLE]\nKeep=0\nName=Ann\nColour=Red\n");
  const auto result = Drive(CreateShown() + "click 101\nclick 102\ntype 110 \"Bob Smith\"\nsave\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Value(Settings(), "Keep"), "1");
  EXPECT_EQ(Value(Settings(), "Follow"), "1");
  EXPECT_EQ(Value(Settings(), "Name"), "Bob Smith");
  EXPECT_EQ(Value(Settings(), "Colour"), "Red");
}

TEST_F(DriveSheet, NoCallOnControlsBeforeThePageHasAWindow) {
  // Storing a page without controls would write every option off.
  for (const char* command : {"save", "defaults", "clear-controls", "draw-picture 140 1 1"}) {
    const auto result = Drive("create \"" + Settings() + "\"\n" + command + "\n");
    EXPECT_EQ(result.exitCode, 1) << command;
    ASSERT_EQ(result.lines.size(), 1u) << command;
    EXPECT_EQ(result.lines[0], Json({{"error", "the page has no window: show it first"}, {"line", 2}})) << command;
    EXPECT_FALSE(tessaly::test::Exists(Settings())) << command;
  }
}

TEST_F(DriveSheet, DefaultsRestoreTheControlsAndWriteNothing) {
  const auto result = Drive(CreateShown() + "click 101\ntype 110 Bob\nselect 120 Red\ndefaults\ndump\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const Json dump = LinesWith(result, "window").at(0);
  EXPECT_EQ(ControlOf(dump, kKeep)["check"], 1);
  EXPECT_EQ(ControlOf(dump, kFollow)["enabled"], true);
  EXPECT_EQ(ControlOf(dump, kName)["text"], "");
  EXPECT_EQ(ControlOf(dump, kColour)["selection"], 1);
  EXPECT_FALSE(tessaly::test::Exists(Settings()));
}

TEST_F(DriveSheet, ClearControlsLeavesNoValueShown) {
  const auto result = Drive(CreateShown() + "clear-controls\ndump\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const Json dump = LinesWith(result, "window").at(0);
  for (const int box : {kKeep, kFollow, kMayLeave}) {
    EXPECT_EQ(ControlOf(dump, box)["check"], 2) << box;
    EXPECT_EQ(ControlOf(dump, box)["style"].get<unsigned>() & 0xF, 6u) << "three states from now on: " << box;
  }
  EXPECT_EQ(ControlOf(dump, kName)["text"], "");
  EXPECT_EQ(ControlOf(dump, kCreation)["text"], "");
  EXPECT_EQ(ControlOf(dump, kColour)["selection"], -1);
  EXPECT_EQ(ControlOf(dump, kOpen)["check"], 0);
}

TEST_F(DriveSheet, LeaveAsksThePage) {
  const auto result = Drive("create \"" + Settings() + "\"\nleave\nshow\nleave\nclick 103\nleave\nclick 103\nleave\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  std::vector<bool> answers;
  for (const Json& line : LinesWith(result, "leave")) answers.push_back(line["leave"]);
  // A page whose window was never made has nothing to check.
  EXPECT_EQ(answers, (std::vector<bool>{true, true, false, true}));
}

struct FlagCase {
  const char* name;
  const char* value;
  bool answer;  // the double answers true for even values
};

class DriveQueryFlag : public DriveSheet, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(DriveQueryFlag, PassesTheValueOn) {
  const auto result = Drive("create x.cfg\nquery-flag " + std::string(GetParam().value) + "\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  ASSERT_EQ(result.lines.size(), 1u);
  EXPECT_EQ(result.lines[0], Json({{"query-flag", GetParam().answer}}));
}

const FlagCase kFlags[] = {
    {"Zero", "0", true},
    {"Odd", "3", false},
    {"LargestUnsigned", "4294967295", false},
    {"NegativeAsUnsigned", "-2", true},
};

INSTANTIATE_TEST_SUITE_P(Cases, DriveQueryFlag, ::testing::ValuesIn(kFlags), tessaly::test::CaseName{});

struct PictureCase {
  const char* name;
  const char* size;  // WIDTH HEIGHT
  const char* draw;  // the blit, or "" for none
};

class DrivePicture : public DriveSheet, public ::testing::WithParamInterface<PictureCase> {};

// The picture frame is 60 x 26 pixels.
TEST_P(DrivePicture, CentresOrStretchesThePicture) {
  const auto result = Drive("create x.cfg\nshow\ndraw-picture 140 " + std::string(GetParam().size) + "\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const auto draws = LinesWith(result, "draw");
  if (std::string(GetParam().draw).empty()) {
    EXPECT_TRUE(draws.empty());
  } else {
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0], Json::parse(std::string(R"({"draw":)") + GetParam().draw + "}"));
  }
}

const PictureCase kPictures[] = {
    {"Smaller", "20 10", R"({"op":"bitblt","x":20,"y":8,"width":20,"height":10})"},
    {"SameSize", "60 26", R"({"op":"bitblt","x":0,"y":0,"width":60,"height":26})"},
    {"Wider", "61 10", R"({"op":"stretchblt","x":0,"y":0,"width":60,"height":26})"},
    {"Taller", "10 27", R"({"op":"stretchblt","x":0,"y":0,"width":60,"height":26})"},
    {"Empty", "0 0", R"({"op":"bitblt","x":30,"y":13,"width":0,"height":0})"},
};

INSTANTIATE_TEST_SUITE_P(Cases, DrivePicture, ::testing::ValuesIn(kPictures), tessaly::test::CaseName{});

TEST_F(DriveSheet, PictureForAControlThePageLacksDrawsNothing) {
  const auto result = Drive("create x.cfg\nshow\ndraw-picture 4040 20 10\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(result.lines.empty());
}

struct ReadOnlyCase {
  const char* name;
  const char* settings;        // the arguments of readonly
  std::vector<int> locked;     // disabled controls
  std::vector<int> untouched;  // still enabled
  const char* doneCaption;     // the caption of the button with id 1
};

class DriveReadOnly : public DriveSheet, public ::testing::WithParamInterface<ReadOnlyCase> {};

TEST_P(DriveReadOnly, PresentsThePageAsAsked) {
  const auto result = Drive("create x.cfg\nreadonly " + std::string(GetParam().settings) + "\nshow\ndump\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const Json dump = LinesWith(result, "window").at(0);
  for (const int id : GetParam().locked) EXPECT_EQ(ControlOf(dump, id)["enabled"], false) << id;
  for (const int id : GetParam().untouched) EXPECT_EQ(ControlOf(dump, id)["enabled"], true) << id;
  EXPECT_EQ(ControlOf(dump, kName)["readonly"], ControlOf(dump, kName)["enabled"] == false);
  // The host's own caption, not the library's string of the same id.
  EXPECT_EQ(ControlOf(dump, kDone)["text"], std::string(GetParam().doneCaption));
}

const ReadOnlyCase kReadOnly[] = {
    {"Defaults", "", {kKeep, kFollow, kMayLeave, kName, kColour, kOpen}, {kDone, kHintTitle, kPicture}, "Close"},
    {"KeepOkCaption", "close-only 0", {kKeep, kName, kColour, kOpen}, {kDone, kHintTitle}, "Done"},
    {"OnlyListedIds", "all 0 ids 110 130", {kName, kOpen}, {kKeep, kFollow, kColour}, "Close"},
    {"NothingListed", "all 0 close-only 1", {}, {kKeep, kName, kColour, kOpen}, "Close"},
    {"IdsThenFlagsInAnyOrder", "close-only 0 all 0 ids 101", {kKeep}, {kName, kColour}, "Done"},
};

INSTANTIATE_TEST_SUITE_P(Cases, DriveReadOnly, ::testing::ValuesIn(kReadOnly), tessaly::test::CaseName{});

TEST_F(DriveSheet, ReadOnlyComesBeforeTheWindow) {
  const auto result = Drive("create x.cfg\nshow\nreadonly\ndump 101\n");
  EXPECT_EQ(result.exitCode, 1);
  ASSERT_EQ(result.lines.size(), 2u);
  EXPECT_EQ(result.lines[0], Json({{"error", "the page's window exists already"}, {"line", 3}}));
  EXPECT_EQ(result.lines[1]["enabled"], true);
}

TEST_F(DriveSheet, PagesKeepTheirOwnFilesAndTheLatestIsCurrent) {
  const std::string first = File("first.cfg");
  const std::string second = File("second.cfg");
  const auto result = Drive("create \"" + first + "\"\nshow\ntype 110 one\ncreate \"" + second +
                            "\"\nshow\ntype 110 two\nsave\ndump 110\ndestroy\ndump 110\nsave\ndestroy\nleave\n");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(Value(second, "Name"), "two");
  EXPECT_EQ(Value(first, "Name"), "one");
  const auto dumps = LinesWith(result, "text");
  ASSERT_EQ(dumps.size(), 2u);
  EXPECT_EQ(dumps[0]["text"], "two");
  EXPECT_EQ(dumps[1]["text"], "one");
  EXPECT_EQ(dumps[1]["visible"], true) << "the remaining page is on show again";
  EXPECT_EQ(LinesWith(result, "error").at(0), Json({{"error", "no page: create one first"}, {"line", 13}}));
}

}  // namespace
