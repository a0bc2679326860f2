// The user's input to the page on show, the virtual clock, the help key's route out of the
// process, and the shape of dump.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "settings/edition.h"
#include "tests/host/drive_fixture.h"

namespace {

using tessaly::test::ControlOf;
using tessaly::test::DriveTest;
using tessaly::test::Events;
using tessaly::test::Json;
using tessaly::test::LinesWith;

constexpr char kShown[] = "create x.cfg\nshow\n";

// The hint title after each dump of it.
std::vector<std::string> Titles(const tessaly::test::DriveResult& result) {
  std::vector<std::string> titles;
  for (const Json& line : LinesWith(result, "text"))
    if (line["id"] == 1035) titles.push_back(line["text"]);
  return titles;
}

class DriveInput : public DriveTest {};

TEST_F(DriveInput, TheHintFollowsThePointerOnTheVirtualClock) {
  const auto result = Drive(std::string(kShown) +
                            "dump 1035\n"
                            // Due at exactly the end of a wait.
                            "hover 101\nwait 649\ndump 1035\nwait 1\ndump 1035\n"
                            // Staying on a control does not restart its delay.
                            "hover 130\nwait 600\nhover 130\nwait 49\ndump 1035\nwait 1\ndump 1035\n"
                            // Leaving a control within the delay shows only where the pointer went.
                            "hover 101\nwait 300\nhover 0\nwait 649\ndump 1035\nwait 1\ndump 1035\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Titles(result), (std::vector<std::string>{"Start", "Start", "Keep", "Keep", "Open", "Open", "Start"}));
}

TEST_F(DriveInput, ClicksChecksSelectionsAndTyping) {
  const auto result = Drive(std::string(kShown) +
                            "click 101\ndump 102\nclick 101\nclick 102\ndump 102\n"
                            "select 120 Blue\ndump 120\n"
                            "type 110 \"na\xc3\xafve \\\"quoted\\\"\"\ndump 110\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  ASSERT_EQ(result.lines.size(), 4u);
  EXPECT_EQ(result.lines[0]["enabled"], false) << "Follow waits for Keep";
  EXPECT_EQ(result.lines[1]["enabled"], true);
  EXPECT_EQ(result.lines[1]["check"], 1);
  EXPECT_EQ(result.lines[2]["selection"], 2);
  EXPECT_EQ(result.lines[2]["text"], "Blue");
  EXPECT_EQ(result.lines[3]["text"], "na\xc3\xafve \"quoted\"");
}

TEST_F(DriveInput, MessageBoxesAreAnsweredAtOnce) {
  const auto result = Drive(std::string(kShown) + "click 131\nclick 131\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const Json box = Json::parse("{\"event\":\"messagebox\",\"text\":\"Caf\xc3\xa9 warning\",\"help\":9511}");
  EXPECT_EQ(result.lines, (std::vector<Json>{box, box}));
}

TEST_F(DriveInput, DumpShowsEveryControlOfTheActiveWindow) {
  const auto result = Drive(std::string(kShown) + "dump\ndump 0\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  ASSERT_EQ(result.lines.size(), 2u);
  const Json& dump = result.lines[0];
  EXPECT_EQ(dump["window"], 9149);
  std::vector<int> ids;
  for (const Json& control : dump["controls"]) ids.push_back(control["id"]);
  EXPECT_EQ(ids, (std::vector<int>{101, 102, 103, 110, 111, 120, 130, 131, 140, 1, 1035, 1059})) << "template order";

  const Json keep = ControlOf(dump, 101);
  std::vector<std::string> keys;
  for (const auto& [key, value] : keep.items()) keys.push_back(key);
  EXPECT_EQ(keep["class"], "Button");
  EXPECT_EQ(keep["text"], "&Keep");
  EXPECT_EQ(keep["enabled"], true);
  EXPECT_EQ(keep["visible"], true);
  EXPECT_EQ(keep["check"], 1);
  EXPECT_EQ(keep["style"].get<unsigned>() & 0xF, 3u);
  EXPECT_EQ(keep["font"], Json::parse(R"({"face":"MS Sans Serif","height":-11,"weight":400,"charset":0})"));
  EXPECT_FALSE(keep.contains("readonly"));
  EXPECT_FALSE(keep.contains("items"));

  EXPECT_EQ(ControlOf(dump, 111)["readonly"], true);
  EXPECT_EQ(ControlOf(dump, 110)["readonly"], false);
  const Json colour = ControlOf(dump, 120);
  EXPECT_EQ(colour["items"], Json::parse(R"(["Red","Green","Blue"])"));
  EXPECT_EQ(colour["selection"], 1);
  EXPECT_FALSE(colour.contains("check"));
  // 40 x 16 dialog units at 210, 46 in the classic dialog font's 6 x 13 base units, rounded.
  EXPECT_EQ(ControlOf(dump, 140)["rect"], Json::parse(R"({"left":315,"top":75,"right":375,"bottom":101})"));

  const Json& page = result.lines[1];
  EXPECT_EQ(page["id"], 0);
  EXPECT_EQ(page["class"], "#32770");
  EXPECT_EQ(page["text"], "Double Tab");
  EXPECT_EQ(page["rect"]["left"], 0);
}

// The help key on the page goes out of the process, by the routes the library's edition takes,
// from where --exe-path says the host lies.
class DriveHelpRoute : public DriveTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(::mkdir(File("install").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(File("install/bin").c_str(), 0755), 0);
  }
  std::string Host() const { return File("install/bin/tessaly-host"); }
  std::string Viewer() const { return File("install/bin/TrevalonHelp"); }
};

TEST_F(DriveHelpRoute, HelpKeyOnThePageStartsTheViewerBesideTheHost) {
  for (const bool present : {false, true}) {
    if (present) {
      tessaly::test::WriteFile(Viewer(), "#!/bin/sh\nexit 0\n");
      ASSERT_EQ(::chmod(Viewer().c_str(), 0755), 0);
    }
    const auto result = Drive(std::string(kShown) + "key F1\n", {"--exe-path", Host()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    if constexpr (tessaly::kEdition == tessaly::Edition::Earlier) {
      const auto calls = Events(result, "htmlhelp");
      ASSERT_EQ(calls.size(), 1u);
      EXPECT_EQ(calls[0]["file"], File("install/bin/QUILLET.CHM"));
      EXPECT_EQ(calls[0]["command"], 15);
      EXPECT_EQ(calls[0]["data"], 9149 + 0x20000);
      EXPECT_TRUE(Events(result, "spawn").empty());
    } else {
      const std::string commandLine = "TrevalonHelp \"file://" + File("install") +
                                      "/help/WebHelp/Old_CSH_Invoker.htm?topicId=" + std::to_string(9149 + 0x20000) +
                                      "\"";
      const auto spawns = Events(result, "spawn");
      ASSERT_EQ(spawns.size(), 1u);
      EXPECT_EQ(spawns[0], Json({{"event", "spawn"},
                                 {"program", Viewer()},
                                 {"cmdline", commandLine},
                                 {"cwd", File("install/bin")},
                                 {"started", present}}));
      std::vector<std::string> debug;
      for (const Json& line : Events(result, "debug")) debug.push_back(line["text"]);
      std::vector<std::string> expected{commandLine, "working dir : " + File("install/bin")};
      if (!present) expected.push_back("command failed");
      EXPECT_EQ(debug, expected);
    }
  }
}

// The test moves into a folder and back.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::string& folder) : m_previous(::get_current_dir_name()) {
    EXPECT_EQ(::chdir(folder.c_str()), 0);
  }
  ~CurrentFolder() {
    EXPECT_EQ(::chdir(m_previous), 0);
    ::free(m_previous);
  }
  CurrentFolder(const CurrentFolder&) = delete;
  CurrentFolder& operator=(const CurrentFolder&) = delete;

 private:
  char* m_previous;
};

TEST_F(DriveHelpRoute, ARelativeExePathIsTakenAsGiven) {
  const CurrentFolder inside(Dir().Path());
  const auto result = Drive(std::string(kShown) + "key F1\n", {"--exe-path", "install/bin/tessaly-host"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  if constexpr (tessaly::kEdition == tessaly::Edition::Earlier) {
    const auto calls = Events(result, "htmlhelp");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0]["file"], "install/bin/QUILLET.CHM");
  } else {
    const auto spawns = Events(result, "spawn");
    ASSERT_EQ(spawns.size(), 1u);
    EXPECT_EQ(spawns[0]["program"], Viewer()) << "from the current folder";
    EXPECT_EQ(spawns[0]["cwd"], File("install/bin"));
  }
}

}  // namespace
