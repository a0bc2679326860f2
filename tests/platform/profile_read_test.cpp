// Reads of profile files, case by case against the behaviour of the Win32 functions.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/profile/profile.h"
#include "tests/support/case_name.h"
#include "tests/support/temp_dir.h"

namespace {

using tessaly::test::TempDir;
using tessaly::test::WriteFile;

struct StringCase {
  const char* name;
  std::string file;
  const char* section;
  const char* key;
  const char* defaultText;
  DWORD size;
  std::string expected;
};

class StringRead : public ::testing::TestWithParam<StringCase> {};

TEST_P(StringRead, GivesTheTextOfTheWin32Read) {
  const StringCase& c = GetParam();
  TempDir dir;
  const std::string path = dir / "settings.ini";
  WriteFile(path, c.file);
  std::vector<char> buffer(c.size + 1, '#');
  const DWORD length = GetPrivateProfileStringA(c.section, c.key, c.defaultText, buffer.data(), c.size, path.c_str());
  EXPECT_EQ(std::string(buffer.data(), length), c.expected);
  EXPECT_EQ(length, c.expected.size());
  if (c.size > 0) {
    EXPECT_EQ(buffer[length], '\0');
  }
}

// clang-format off
const StringCase kStringCases[] = {
    // line ends and the last line
    {"LfLines", "[S]\nk=v\n", "S", "k", "d", 256, "v"},
    {"CrLfLines", "[S]\r\nk=v\r\n", "S", "k", "d", 256, "v"},
    {"LoneCrLines", "[S]\rk=v\r", "S", "k", "d", 256, "v"},
    {"LastLineWithoutLineEnd", "[S]\nk=v", "S", "k", "d", 256, "v"},
    {"BlankLinesIgnored", "\n\n[S]\n\n\nk=v\n\n", "S", "k", "d", 256, "v"},
    // blanks
    {"BlanksAroundNamesAndValue", " \t[ S ]\t\n\v k \f= \x1a v w \t\n", "S", "k", "d", 256, "v w"},
    {"AskedNamesTrimmed", "[S]\nk=v\n", " S ", " k\t", "d", 256, "v"},
    // section headers
    {"HeaderRunsToLastBracket", "[a]b]\nk=v\n", "a]b", "k", "d", 256, "v"},
    {"JunkAfterHeader", "[Trail] junk\nk=v\n", "Trail", "k", "d", 256, "v"},
    {"UnclosedHeaderIsAKey", "[unclosed\nk=v\n", "unclosed", "k", "d", 256, "d"},
    {"KeysBeforeAnySectionBelongToNone", "k=v\n[S]\nj=w\n", "S", "k", "d", 256, "d"},
    // key lines
    {"SplitAtFirstEquals", "[S]\nk=a=b\n", "S", "k", "d", 256, "a=b"},
    {"KeyWithoutEqualsGivesDefault", "[S]\nk\n", "S", "k", "d", 256, "d"},
    {"NoComments", "[S]\n;k=v\n", "S", ";k", "d", 256, "v"},
    {"SemicolonInValueStays", "[S]\nk=v ; c\n", "S", "k", "d", 256, "v ; c"},
    // names
    {"SectionCaseIgnored", "[Web]\nk=v\n", "WEB", "k", "d", 256, "v"},
    {"KeyCaseIgnored", "[S]\nSimulateCache=1\n", "S", "SIMULATECACHE", "d", 256, "1"},
    {"OnlyAsciiCaseIgnored", "[S]\n\xC4k=v\n", "S", "\xE4k", "d", 256, "d"},
    // duplicates
    {"FirstKeyCounts", "[S]\nk=1\nk=2\n", "S", "k", "d", 256, "1"},
    {"FirstKeyWithoutEqualsHidesLater", "[S]\nk\nk=2\n", "S", "k", "d", 256, "d"},
    {"OnlyFirstSectionSearched", "[S]\na=1\n[S]\nk=2\n", "S", "k", "d", 256, "d"},
    // NUL bytes and the byte order mark
    {"NulEndsValue", std::string("[S]\nk=ab\0cd\n", 12), "S", "k", "d", 256, "ab"},
    {"BomBeforeFirstHeader", "\xEF\xBB\xBF[S]\nk=v\n", "S", "k", "d", 256, "v"},
    {"HighBytesPassThrough", "[S]\nk=\xE9t\xE9\n", "S", "k", "d", 256, "\xE9t\xE9"},
    // quotes
    {"DoubleQuotesRemoved", "[S]\nk=\"abc\"\n", "S", "k", "d", 256, "abc"},
    {"SingleQuotesRemoved", "[S]\nk='abc'\n", "S", "k", "d", 256, "abc"},
    {"UnpairedQuoteStays", "[S]\nk=\"abc\n", "S", "k", "d", 256, "\"abc"},
    {"MixedQuotesStay", "[S]\nk='abc\"\n", "S", "k", "d", 256, "'abc\""},
    {"LoneQuoteStays", "[S]\nk=\"\n", "S", "k", "d", 256, "\""},
    {"EmptyQuotesGiveEmpty", "[S]\nk=\"\"\n", "S", "k", "d", 256, ""},
    {"BlanksInsideQuotesStay", "[S]\nk=\" abc \"\n", "S", "k", "d", 256, " abc "},
    // empty values and defaults
    {"EmptyValueIsNotMissing", "[S]\nk=\n", "S", "k", "d", 256, ""},
    {"BlankValueIsNotMissing", "[S]\nk=   \n", "S", "k", "d", 256, ""},
    {"MissingKey", "[S]\nj=v\n", "S", "k", "default", 256, "default"},
    {"MissingSection", "[T]\nk=v\n", "S", "k", "default", 256, "default"},
    {"DefaultLosesTrailingSpaces", "", "S", "k", "de f  ", 256, "de f"},
    {"DefaultKeepsTrailingTab", "", "S", "k", "d\t", 256, "d\t"},
    {"NullDefaultIsEmpty", "", "S", "k", nullptr, 256, ""},
    // the buffer
    {"CutToSizeMinusOne", "[S]\nk=abcdef\n", "S", "k", "d", 4, "abc"},
    {"QuotesRemovedBeforeCut", "[S]\nk=\"abc\"\n", "S", "k", "d", 4, "abc"},
    {"DefaultCutToo", "", "S", "k", "abcdef", 3, "ab"},
    {"SizeOneGivesEmpty", "[S]\nk=v\n", "S", "k", "d", 1, ""},
    {"SizeZeroCopiesNothing", "[S]\nk=v\n", "S", "k", "d", 0, ""},
    // lists of names
    {"NullSectionListsSections", "[A]\nk=v\n[B]\n", nullptr, "k", "d", 256, std::string("A\0B\0", 4)},
    {"NullKeyListsKeys", "[A]\nk=v\nj\n[B]\nx=1\n", "A", nullptr, "d", 256, std::string("k\0j\0", 4)},
    {"CutListEndsInTwoNuls", "[Alpha]\n[Beta]\n", nullptr, "k", "d", 8, std::string("Alpha\0", 6)},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, StringRead, ::testing::ValuesIn(kStringCases), tessaly::test::CaseName{});

TEST(StringReadFiles, MissingFileOrFolderGivesTheDefault) {
  TempDir dir;
  char buffer[16];
  for (const std::string& path : {dir / "none.ini", dir / "no/folder.ini"}) {
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "dflt", buffer, sizeof buffer, path.c_str()), 4u);
    EXPECT_STREQ(buffer, "dflt");
  }
}

TEST(StringReadFiles, FolderInPlaceOfTheFileGivesTheDefaultAndIsReported) {
  TempDir dir;
  char buffer[16];
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "dflt", buffer, sizeof buffer, dir.Path().c_str()), 4u);
  EXPECT_EQ(platform::profile::CheckReadable(dir.Path()), std::errc::is_a_directory);
  EXPECT_FALSE(platform::profile::CheckReadable(dir / "missing.ini"));
}

TEST(StringReadFiles, TenMegabyteLineWithoutLineEnd) {
  TempDir dir;
  const std::string path = dir / "big.ini";
  WriteFile(path, "[S]\nk=" + std::string(10 << 20, 'x'));
  std::vector<char> buffer(300);
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "", buffer.data(), 300, path.c_str()), 299u);
  EXPECT_EQ(platform::profile::ReadString(path, "S", "k")->size(), std::size_t{10 << 20});
}

struct IntCase {
  const char* name;
  const char* value;  // null: the key is missing
  INT defaultValue;
  std::int32_t expected;
};

class IntRead : public ::testing::TestWithParam<IntCase> {};

TEST_P(IntRead, GivesTheLeadingDecimalInteger) {
  const IntCase& c = GetParam();
  TempDir dir;
  const std::string path = dir / "settings.ini";
  WriteFile(path, c.value ? std::string("[S]\nk=") + c.value + "\n" : std::string("[S]\nj=1\n"));
  EXPECT_EQ(static_cast<std::int32_t>(GetPrivateProfileIntA("S", "k", c.defaultValue, path.c_str())), c.expected);
}

// clang-format off
const IntCase kIntCases[] = {
    {"Plain", "42", 7, 42},
    {"Negative", "-2", 7, -2},
    {"Plus", "+5", 7, 5},
    {"TrailingLetters", "12abc", 7, 12},
    {"StopsAtDecimalPoint", "3.9", 7, 3},
    {"NoDigits", "abc", 7, 0},
    {"BlankAfterSign", "- 5", 7, 0},
    {"Quoted", "\"15\"", 7, 15},
    {"QuotedWithInnerBlanks", "\" 16\"", 7, 16},
    {"WrapsToMinusOne", "4294967295", 7, -1},
    {"WrapsModulo", "4294967298", 7, 2},
    {"NoHexPrefix", "0x1F", 7, 0},
    {"EmptyValueGivesDefault", "", 7, 7},
    {"EmptyQuotesGiveDefault", "\"\"", 7, 7},
    {"MissingKeyGivesDefault", nullptr, -3, -3},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, IntRead, ::testing::ValuesIn(kIntCases), tessaly::test::CaseName{});

TEST(IntReadFiles, KeyWithoutEqualsGivesDefault) {
  TempDir dir;
  const std::string path = dir / "settings.ini";
  WriteFile(path, "[S]\nk\n");
  EXPECT_EQ(GetPrivateProfileIntA("S", "k", 9, path.c_str()), 9u);
  EXPECT_EQ(GetPrivateProfileIntA("S", "k", 9, (dir / "missing.ini").c_str()), 9u);
}

}  // namespace
