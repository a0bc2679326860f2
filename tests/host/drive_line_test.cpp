// Splitting the lines of a drive script into words.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/drive/drive_line.h"
#include "tests/support/case_name.h"

namespace {

using Words = std::vector<std::string>;

struct LineCase {
  const char* name;
  const char* line;
  Words words;
  bool error = false;
};

class DriveLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(DriveLines, SplitIntoWords) {
  const auto split = tessaly::host::SplitDriveLine(GetParam().line);
  EXPECT_EQ(split.words, GetParam().words);
  EXPECT_EQ(!split.error.empty(), GetParam().error);
}

// clang-format off
const LineCase kLines[] = {
    {"Plain", "click 1041", {"click", "1041"}},
    {"ExtraBlanks", "  hover\t1042   ", {"hover", "1042"}},
    {"Blank", "   ", {}},
    {"Comment", "  # create x", {}},
    {"HashInsideAWordStays", "type 1056 a#b", {"type", "1056", "a#b"}},
    {"QuotedBlanks", "create \"/tmp/my settings.cfg\" \"\" WAP", {"create", "/tmp/my settings.cfg", "", "WAP"}},
    {"EscapesInQuotes", R"(type 1056 "say \"hi\" \\ bye")", {"type", "1056", R"(say "hi" \ bye)"}},
    {"BackslashOutsideQuotesStays", R"(type 1056 a\b)", {"type", "1056", R"(a\b)"}},
    {"QuotesJoinAWord", R"(select 1052 Mozilla" "Firefox)", {"select", "1052", "Mozilla Firefox"}},
    {"CarriageReturnAtTheEnd", "save\r", {"save"}},
    {"UnterminatedQuote", "type 1056 \"open", {}, true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, DriveLines, ::testing::ValuesIn(kLines), tessaly::test::CaseName{});

}  // namespace
