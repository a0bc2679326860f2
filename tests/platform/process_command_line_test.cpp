// Splitting Windows command lines into arguments, and writing arguments so that they split back.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/process/command_line.h"
#include "tests/support/case_name.h"

namespace {

using platform::process::ArgumentVector;
using platform::process::QuoteArgument;
using platform::process::SplitCommandLine;
using Items = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string line;
  Items expected;
};

class Split : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Split, GivesTheArgumentsAWindowsProgramSees) {
  EXPECT_EQ(SplitCommandLine(GetParam().line), GetParam().expected);
}

// clang-format off
const SplitCase kSplitCases[] = {
    {"EmptyLineGivesNothing", "", {}},
    {"ProgramOnly", "viewer", {"viewer"}},
    {"BlanksSeparate", "viewer a  b\tc", {"viewer", "a", "b", "c"}},
    {"TrailingBlanksAddNothing", "viewer a  \t", {"viewer", "a"}},
    {"LeadingBlankMeansNoProgramName", " \"file:///opt/x/a.htm\"", {"", "file:///opt/x/a.htm"}},
    {"QuotedProgramNameKeepsBlanks", "\"/opt/my app/viewer\" a", {"/opt/my app/viewer", "a"}},
    {"ProgramNameKnowsNoEscapes", "C:\\dir\\\"x y\" a", {"C:\\dir\\x y", "a"}},
    {"QuotesGroupBlanks", "p \"a b\" c", {"p", "a b", "c"}},
    {"QuotesInsideAnArgument", "p a\"b c\"d", {"p", "ab cd"}},
    {"EmptyQuotesGiveAnEmptyArgument", "p \"\" b", {"p", "", "b"}},
    {"UnclosedQuoteRunsToTheEnd", "p \"a b", {"p", "a b"}},
    {"BackslashesAloneAreLiteral", "p a\\\\b\\c\\", {"p", "a\\\\b\\c\\"}},
    {"EvenBackslashesBeforeAQuoteAreHalved", "p a\\\\\"b c\"", {"p", "a\\b c"}},
    {"OddBackslashesEscapeTheQuote", "p a\\\\\\\"b c", {"p", "a\\\"b", "c"}},
    {"EscapedQuoteInsideAGroup", "p \"a \\\" b\"", {"p", "a \" b"}},
    {"DoubledQuoteInsideAGroupIsOneQuote", "p \"a\"\"b\" c", {"p", "a\"b", "c"}},
    {"DoubledQuoteKeepsTheGroupOpen", "p \"a\"\" b\"", {"p", "a\" b"}},
    {"DoubledQuoteOutsideAGroupIsEmpty", "p a\"\"b", {"p", "ab"}},
    {"UrlWithQueryAndFragment", "TrevalonHelp \"file:///opt/x/help/WebHelp/Old_CSH_Invoker.htm?topicId=131221\"",
     {"TrevalonHelp", "file:///opt/x/help/WebHelp/Old_CSH_Invoker.htm?topicId=131221"}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(CommandLine, Split, ::testing::ValuesIn(kSplitCases), tessaly::test::CaseName{});

TEST(ArgumentVector, NamesTheProgramWhereTheLineDoesNot) {
  EXPECT_EQ(ArgumentVector("/usr/bin/web", " \"file:///a\""), (Items{"/usr/bin/web", "file:///a"}));
  EXPECT_EQ(ArgumentVector("/usr/bin/web", ""), (Items{"/usr/bin/web"}));
  EXPECT_EQ(ArgumentVector("/opt/bin/TrevalonHelp", "TrevalonHelp \"file:///a\""),
            (Items{"TrevalonHelp", "file:///a"}));
}

class Quote : public ::testing::TestWithParam<std::string> {};

TEST_P(Quote, SplitsBackToTheSameArgument) {
  const std::string& argument = GetParam();
  EXPECT_EQ(SplitCommandLine("p " + QuoteArgument(argument)), (Items{"p", argument})) << QuoteArgument(argument);
  EXPECT_EQ(SplitCommandLine("p " + QuoteArgument(argument) + " " + QuoteArgument(argument)),
            (Items{"p", argument, argument}));
}

INSTANTIATE_TEST_SUITE_P(CommandLine, Quote,
                         ::testing::Values("plain", "", "two words", "tab\there", "a\"b", "\"", "\"\"", "trailing\\",
                                           "trailing\\\\", "before\\\"quote", "\\\\\"\\", "/opt/my help/QUILLET.CHM",
                                           "x\\ y"));

TEST(Quote, LeavesPlainArgumentsAsTheyAre) {
  EXPECT_EQ(QuoteArgument("131221"), "131221");
  EXPECT_EQ(QuoteArgument("/opt/x/a.chm"), "/opt/x/a.chm");
  EXPECT_EQ(QuoteArgument("a b"), "\"a b\"");
}

}  // namespace
