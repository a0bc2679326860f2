// The content-type list: reading and writing its stored forms, defaults, and the dialog's
// stored settings.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/content_type_list.h"
#include "settings/content_type_settings.h"
#include "tests/support/case_name.h"
#include "tests/support/temp_dir.h"

namespace {

using tessaly::CContentTypeSettings;
using tessaly::ContentTypeItem;
using tessaly::test::ReadFile;
using tessaly::test::TempDir;
using tessaly::test::WriteFile;
using Items = std::vector<ContentTypeItem>;

struct PairFormCase {
  const char* name;
  const char* text;
  Items items;
};

class ReadPairForm : public ::testing::TestWithParam<PairFormCase> {};

TEST_P(ReadPairForm, GivesTheItemsInOrder) { EXPECT_EQ(tessaly::ReadPairForm(GetParam().text), GetParam().items); }

// clang-format off
const PairFormCase kPairFormCases[] = {
    {"Empty", "", {}},
    {"Defaults", "text/xml;0;text/plain;0", {{"text/xml", false}, {"text/plain", false}}},
    {"DefaultsWithTrailingSeparator", "text/xml;0;text/plain;0;", {{"text/xml", false}, {"text/plain", false}}},
    {"LastTypeWithoutFlag", "text/xml;1;text/plain", {{"text/xml", true}, {"text/plain", true}}},
    {"TypesWithoutFlags", "a;b;c", {{"a", true}, {"b", true}, {"c", true}}},
    {"FlagAfterAnUnflaggedPair", "a;b;0", {{"a", true}, {"b", true}, {"0", true}}},
    {"EmptyTokensSkipped", "a;;0", {{"a", false}}},
    {"LeadingSeparator", ";a;1", {{"a", true}}},
    {"OnlySeparators", ";;", {{";;", false}}},
    {"OneSeparator", ";", {{";", false}}},
    {"FlagMustBeOneCharacter", "a;01;b;1 ", {{"a", true}, {"01", true}, {"b", true}, {"1 ", true}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, ReadPairForm, ::testing::ValuesIn(kPairFormCases), tessaly::test::CaseName{});

TEST(WritePairForm, JoinsItemsWithoutATrailingSeparator) {
  EXPECT_EQ(tessaly::WritePairForm(Items{{"text/xml", true}, {"text/plain", false}}), "text/xml;1;text/plain;0");
  EXPECT_EQ(tessaly::WritePairForm(Items{}), "");
}

TEST(EnabledTypes, KeepTypesWithANonZeroFlag) {
  EXPECT_EQ(tessaly::EnabledTypesOf("text/xml;1;text/plain;0"), "text/xml");
  EXPECT_EQ(tessaly::EnabledTypesOf("a;1;b;1"), "a;b");
  EXPECT_EQ(tessaly::EnabledTypesOf("a;2;b;x;c; 3"), "a;c");
  EXPECT_EQ(tessaly::EnabledTypesOf("text/xml;0;text/plain;0;"), "");
  EXPECT_EQ(tessaly::EnabledTypesOf("a"), "");
  EXPECT_EQ(tessaly::EnabledTypesOf("a;"), "");
  EXPECT_EQ(tessaly::EnabledTypesOf(";1"), "");
}

TEST(ScriptTypes, NamesCompareExactly) {
  EXPECT_EQ(tessaly::ScriptTypeIndexOf("WAP"), 1);
  EXPECT_EQ(tessaly::ScriptTypeIndexOf("iMode"), 2);
  EXPECT_EQ(tessaly::ScriptTypeIndexOf("VoiceXML"), 3);
  EXPECT_EQ(tessaly::ScriptTypeIndexOf("SOAP"), 4);
  for (const char* other : {"", "wap", "WAP ", "Web", "soap"}) EXPECT_EQ(tessaly::ScriptTypeIndexOf(other), 0) << other;
}

TEST(ScriptTypes, EveryIndexHasTheSameDefaultList) {
  for (int index = 0; index < tessaly::kScriptTypeCount; ++index) {
    CStrCheckList list;
    list.m_str = "other";
    list.LoadDefaults(index);
    EXPECT_EQ(list.m_str, "text/xml;0;text/plain;0;") << index;
  }
}

class StoredContentTypes : public ::testing::Test {
 protected:
  CContentTypeSettings Read(const std::string& web) {
    WriteFile(m_file, "[WEB]\n" + web);
    CContentTypeSettings settings(m_file, 0);
    settings.ReadSettings();
    return settings;
  }
  std::string Web() const { return ReadFile(m_file); }

  TempDir m_dir;
  std::string m_file = m_dir / "default.cfg";
};

TEST_F(StoredContentTypes, MissingKeysGiveTheDefaultListOutOfUse) {
  CContentTypeSettings settings = Read("");
  EXPECT_EQ(settings.m_listTypes.m_str, "text/xml;0;text/plain;0");
  EXPECT_EQ(settings.m_bSpecifyTypes, 0);
  ASSERT_FALSE(settings.WriteSettings());
  EXPECT_EQ(Web(),
            "[WEB]\nKeepNonTextMimeTypeForQuillet=text/xml;0;text/plain;0\nKeepNonTextMimeType=\n"
            "IgnoreContentCachingTypes=1\n");
}

TEST_F(StoredContentTypes, PresentEmptyListIsNoItemsAndALoneSeparatorTheDefaults) {
  EXPECT_EQ(Read("KeepNonTextMimeTypeForQuillet=\n").m_listTypes.m_str, "");
  CContentTypeSettings settings = Read("KeepNonTextMimeTypeForQuillet=;\n");
  EXPECT_EQ(settings.m_listTypes.m_str, "text/xml;0;text/plain;0;");
  ASSERT_FALSE(settings.WriteSettings());
  EXPECT_NE(Web().find("KeepNonTextMimeTypeForQuillet=text/xml;0;text/plain;0;\n"), std::string::npos);
}

TEST_F(StoredContentTypes, InUseSwitchBothWays) {
  EXPECT_EQ(Read("IgnoreContentCachingTypes=0\n").m_bSpecifyTypes, 1);
  EXPECT_EQ(Read("IgnoreContentCachingTypes=1\n").m_bSpecifyTypes, 0);
  EXPECT_EQ(Read("IgnoreContentCachingTypes=x\n").m_bSpecifyTypes, 1);
  CContentTypeSettings settings = Read("");
  settings.m_bSpecifyTypes = 1;
  ASSERT_FALSE(settings.WriteSettings());
  EXPECT_NE(Web().find("IgnoreContentCachingTypes=0"), std::string::npos);
}

TEST_F(StoredContentTypes, AListTakenOutOfUseSurvives) {
  CContentTypeSettings settings = Read("KeepNonTextMimeTypeForQuillet=a;1;b;0\nIgnoreContentCachingTypes=0\n");
  settings.m_bSpecifyTypes = 0;
  ASSERT_FALSE(settings.WriteSettings());
  const CContentTypeSettings reopened = Read(Web().substr(6));
  EXPECT_EQ(reopened.m_listTypes.m_str, "a;1;b;0");
  EXPECT_EQ(reopened.m_bSpecifyTypes, 0);
  EXPECT_NE(Web().find("KeepNonTextMimeType=a\n"), std::string::npos);
}

TEST_F(StoredContentTypes, AListLongerThanTheReadIsKeptWhole) {
  std::string list;
  for (int i = 0; i < 40; ++i) tessaly::AppendPairFormItem(list, "application/x-type" + std::to_string(i), i % 2);
  ASSERT_GT(list.size(), 255u);
  CContentTypeSettings settings = Read("KeepNonTextMimeTypeForQuillet=" + list + "\n");
  EXPECT_EQ(settings.m_listTypes.m_str, list);
  ASSERT_FALSE(settings.WriteSettings());
  EXPECT_NE(Web().find("KeepNonTextMimeTypeForQuillet=" + list + "\n"), std::string::npos);
}

TEST_F(StoredContentTypes, AFailedWriteIsReported) {
  CContentTypeSettings settings(m_dir / "missing/default.cfg", 0);
  settings.ReadSettings();
  EXPECT_TRUE(settings.WriteSettings());
}

}  // namespace
