// What a write does to the text of a profile file: the smallest edit, every other byte kept.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/profile/profile_edit.h"
#include "tests/support/case_name.h"

namespace {

using platform::profile::EditText;
using platform::profile::IsWritable;

struct EditCase {
  const char* name;
  std::string before;
  const char* section;
  const char* key;                   // null: delete the section
  const char* value;                 // null: delete the key
  std::optional<std::string> after;  // nothing: the text is not rewritten
};

class Edit : public ::testing::TestWithParam<EditCase> {};

TEST_P(Edit, ChangesOnlyWhatTheWriteNames) {
  const EditCase& c = GetParam();
  const std::string_view key = c.key ? c.key : "";
  const std::string_view value = c.value ? c.value : "";
  EXPECT_EQ(EditText(c.before, c.section, c.key ? &key : nullptr, c.value ? &value : nullptr), c.after);
}

// clang-format off
const EditCase kEditCases[] = {
    // setting a key that exists
    {"RewritesFirstMatchingLine", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "5", "[S]\r\nk=5\r\nk=2\r\n"},
    {"KeepsNameSpellingAndLineEnd", "; c\n[web]\n  SimulateCache = 0  \r\nx=1\n", "WEB", "simulatecache", "1",
     "; c\n[web]\nSimulateCache=1\r\nx=1\n"},
    {"KeyWithoutEqualsGetsValue", "[S]\nk\n", "S", "k", "v", "[S]\nk=v\n"},
    {"LastLineWithoutLineEnd", "[S]\nk=1", "S", "k", "2", "[S]\nk=2"},
    {"SameValueNotRewritten", "[S]\nk = v \n", "S", "k", "v", std::nullopt},
    {"OtherSectionsUntouched", "[A]\nk=1\n\n[B]\nk=1\n", "B", "k", "2", "[A]\nk=1\n\n[B]\nk=2\n"},
    // new keys
    {"NewKeyAfterLastNonBlankLine", "[S]\r\na=1\r\n\r\n[T]\r\n", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n\r\n[T]\r\n"},
    {"NewKeyInEmptySection", "[S]\n[T]\n", "S", "k", "v", "[S]\nk=v\n[T]\n"},
    {"NewKeyUsesTheFilesLineEnd", "[S]\r\na=1\n", "S", "b", "2", "[S]\r\na=1\nb=2\r\n"},
    {"NewKeyAfterLastLineWithoutLineEnd", "[S]\na=1", "S", "b", "2", "[S]\na=1\nb=2\n"},
    {"CommentLinesCountAsKeys", "[S]\na=1\n;note\n\n", "S", "b", "2", "[S]\na=1\n;note\nb=2\n\n"},
    // new sections
    {"NewSectionAppended", "[A]\r\nk=1\r\n", "S", "k", "v", "[A]\r\nk=1\r\n[S]\r\nk=v\r\n"},
    {"LineEndAddedBeforeNewSection", "[A]\nk=1", "S", "k", "v", "[A]\nk=1\n[S]\nk=v\n"},
    {"NewFileUsesCrLf", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
    {"BomKept", "\xEF\xBB\xBF[S]\nk=1\n", "S", "k", "2", "\xEF\xBB\xBF[S]\nk=2\n"},
    {"BomOnlyFile", "\xEF\xBB\xBF", "S", "k", "v", "\xEF\xBB\xBF[S]\r\nk=v\r\n"},
    // values a read would change are quoted, so that they read back as written
    {"LeadingBlankQuoted", "", "S", "k", " a", "[S]\r\nk=\" a\"\r\n"},
    {"QuotedValueQuotedAgain", "", "S", "k", "\"a\"", "[S]\r\nk=\"\"a\"\"\r\n"},
    {"LoneQuoteNotQuoted", "", "S", "k", "\"", "[S]\r\nk=\"\r\n"},
    {"EmptyValue", "[S]\nk=1\n", "S", "k", "", "[S]\nk=\n"},
    // deleting
    {"DeleteRemovesFirstMatchingLine", "[S]\r\nk=1\r\nj=2\r\nk=3\r\n", "S", "K", nullptr, "[S]\r\nj=2\r\nk=3\r\n"},
    {"DeleteLastKeyKeepsHeader", "[S]\nk=1\n[T]\n", "S", "k", nullptr, "[S]\n[T]\n"},
    {"DeleteMissingKeyNotRewritten", "[S]\nj=1\n", "S", "k", nullptr, std::nullopt},
    {"DeleteInMissingFileCreatesNothing", "", "S", "k", nullptr, std::nullopt},
    {"DeleteSection", "[A]\n[S]\nk=1\n;c\n\n[B]\nx=1\n", "s", nullptr, nullptr, "[A]\n[B]\nx=1\n"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, Edit, ::testing::ValuesIn(kEditCases), tessaly::test::CaseName{});

TEST(Writable, RefusesWhatWouldInjectLinesOrKeys) {
  const auto writable = [](std::string_view section, std::string_view key, std::string_view value) {
    return IsWritable(section, &key, &value);
  };
  EXPECT_TRUE(writable("WEB", "k", "any text; even = signs"));
  EXPECT_TRUE(writable("a]b", "[k", "v"));
  EXPECT_FALSE(writable("WEB", "k", "one\r\n[Other]"));
  EXPECT_FALSE(writable("WEB", "k", "one\rtwo"));
  EXPECT_FALSE(writable("W\nEB", "k", "v"));
  EXPECT_FALSE(writable("WEB", "k\nx", "v"));
  EXPECT_FALSE(writable("WEB", "a=b", "v"));
  EXPECT_FALSE(writable("WEB", "[k]", "v"));
  EXPECT_FALSE(writable("WEB", "[k", "v]"));
}

}  // namespace
