// The library's own tab driven end to end: a new settings file, options changed on the tab, a
// Firefox User-Agent on Linux composed in the User-Agent dialog, two content types put in use
// in the content types dialog, the tab stored; the file then holds exactly the keys the tab and
// its dialogs write.

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/profile/profile.h"
#include "settings/edition.h"
#include "tests/host/drive_fixture.h"
#include "tests/host/library_tab_journey.h"

namespace {

using tessaly::test::kFirefoxOnLinux;
using tessaly::test::SectionOf;

using tessaly::test::DriveTest;
using tessaly::test::Events;
using tessaly::test::Json;
using tessaly::test::LinesWith;

class LibraryTab : public DriveTest {};

TEST_F(LibraryTab, TheTabAndItsDialogsStoreExactlyTheirKeys) {
  const std::string settings = File("new settings.cfg");
  const auto result = DriveLibrary("create \"" + settings +
                                   "\" \"\" HTTP\n"
                                   "show\n"
                                   "click 1042\n"  // Download non-HTML resources: off
                                   "click 1043\n"  // Simulate a new user on each iteration: off
                                   "click 1061\n"  // Check for newer versions: on
                                   "click 1060\n"  // Cache URLs requiring content: on, which offers Advanced
                                   "click 1040\n"  // Change...: the User-Agent dialog
                                   "click 1057\n"  // Use browser
                                   "select 1052 \"Mozilla Firefox\"\n"
                                   "select 1054 Linux\n"
                                   "select 1055 \"English (United States)\"\n"
                                   "click 1\n"
                                   "dump 1051\n"
                                   "click 1063\n"  // Advanced...: the content types dialog
                                   "click 1064\n"  // the list in use
                                   "list-set 1068 0 16\n"
                                   "list-add 1068 application/json 16\n"
                                   "click 1\n"
                                   "save\n");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Events(result, "modal-begin"),
            (std::vector<Json>{Json::parse(R"({"event":"modal-begin","template":150})"),
                               Json::parse(R"({"event":"modal-begin","template":151})")}));
  for (const Json& end : Events(result, "modal-end")) EXPECT_EQ(end["result"], 1) << end;
  EXPECT_TRUE(Events(result, "messagebox").empty());
  EXPECT_EQ(LinesWith(result, "text").at(0)["text"], std::string(kFirefoxOnLinux))
      << "the tab shows the composed User-Agent";

  const std::map<std::string, std::string> expected = tessaly::test::WebSectionAfterTheJourney();
  EXPECT_EQ(SectionOf(settings, "WEB"), expected);
  std::vector<char> sections(256);
  GetPrivateProfileStringA(nullptr, nullptr, "", sections.data(), sections.size(), settings.c_str());
  EXPECT_STREQ(sections.data(), "WEB") << "no other section";
  EXPECT_EQ(sections[4], '\0');
}

}  // namespace
