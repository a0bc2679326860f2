// Narrow and wide text in the thread's ANSI code page, and the UTF-8 of front ends.

#include <gtest/gtest.h>

#include <string>

#include "platform/text/code_page.h"
#include "tests/support/case_name.h"
#include "tests/support/scoped_env.h"

namespace {

using platform::text::ToNarrow;
using platform::text::ToWide;

struct NarrowingCase {
  const char* name;
  UINT codePage;
  std::u16string wide;
  std::string narrow;
};

class Narrowing : public ::testing::TestWithParam<NarrowingCase> {};

TEST_P(Narrowing, GivesTheCodePagesBytesOrItsReplacementCharacter) {
  const NarrowingCase& c = GetParam();
  EXPECT_EQ(ToNarrow(c.wide, c.codePage), c.narrow);
  const int length = static_cast<int>(c.wide.size());
  std::string buffer(2 * c.wide.size() + 2, '#');
  const int written = WideCharToMultiByte(c.codePage, 0, c.wide.data(), length, buffer.data(),
                                          static_cast<int>(buffer.size()), nullptr, nullptr);
  EXPECT_EQ(buffer.substr(0, static_cast<std::size_t>(written)), c.narrow);
}

const NarrowingCase kNarrowingCases[] = {
    {"Ascii", kCodePageWestern, u"text/xml", "text/xml"},
    {"WesternAccents", kCodePageWestern, u"caf\u00e9 \u20ac", "caf\xe9 \x80"},
    {"WesternCannotShowKana", kCodePageWestern, u"a\u30a2b", "a?b"},
    {"WesternCannotShowOutsideTheBasicPlane", kCodePageWestern, u"x\U0001F600y", "x?y"},
    {"JapaneseKana", kCodePageJapanese, u"\u30a2", "\x83\x41"},
    {"JapaneseFaceName", kCodePageJapanese, u"\uff2d\uff33 \uff30\u30b4\u30b7\u30c3\u30af",
     "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"},
    {"JapaneseCannotShowAccents", kCodePageJapanese, u"\u00e9", "?"},
    {"LoneSurrogate", kCodePageWestern, std::u16string(1, char16_t(0xD800)), "?"},
    {"Empty", kCodePageWestern, u"", ""},
};
INSTANTIATE_TEST_SUITE_P(CodePages, Narrowing, ::testing::ValuesIn(kNarrowingCases), tessaly::test::CaseName());

TEST(CodePage, WideningReversesNarrowingAndKeepsUndefinedWesternBytes) {
  EXPECT_EQ(ToWide("caf\xe9 \x80", kCodePageWestern), u"caf\u00e9 \u20ac");
  EXPECT_EQ(ToWide("\x81\x8d", kCodePageWestern), u"\u0081\u008d");
  EXPECT_EQ(ToWide("\x83\x41z", kCodePageJapanese), u"\u30a2z");
}

TEST(CodePage, TheThreadsCodePageFollowsTheLocale) {
  {
    tessaly::test::ScopedEnv locale("LC_ALL", "ja_JP.UTF-8");
    EXPECT_EQ(GetACP(), kCodePageJapanese);
    EXPECT_EQ(ToNarrow(u"\u30a2", CP_ACP), "\x83\x41");
  }
  {
    tessaly::test::ScopedEnv locale("LC_ALL", "de_DE.UTF-8");
    EXPECT_EQ(GetACP(), kCodePageWestern);
  }
  tessaly::test::ScopedEnv locale("LC_ALL", "javanese");
  EXPECT_EQ(GetACP(), kCodePageWestern) << "only a locale named ja is Japanese";
}

TEST(CodePage, BufferTooSmallIsAFailureNotACut) {
  const std::u16string wide = u"abcdef";
  char buffer[3] = {};
  EXPECT_EQ(WideCharToMultiByte(kCodePageWestern, 0, wide.data(), 6, buffer, 3, nullptr, nullptr), 0);
  EXPECT_EQ(WideCharToMultiByte(kCodePageWestern, 0, wide.data(), 6, nullptr, 0, nullptr, nullptr), 6);
  BOOL usedDefault = FALSE;
  char one[4] = {};
  WideCharToMultiByte(kCodePageWestern, 0, u"\u30a2", 1, one, 4, nullptr, &usedDefault);
  EXPECT_TRUE(usedDefault);
}

TEST(CodePage, Utf8RoundTripsAndMalformedBytesBecomeReplacements) {
  const std::u16string wide = u"a\u00e9\u30a2\U0001F600";
  EXPECT_EQ(platform::text::Utf8ToWide(platform::text::WideToUtf8(wide)), wide);
  EXPECT_EQ(platform::text::Utf8ToWide("a\xff"
                                       "b"),
            u"a\ufffdb");
  EXPECT_EQ(platform::text::Utf8ToWide("\xc0\xaf"), u"\ufffd\ufffd") << "an overlong form is not accepted";
}

}  // namespace
