// The OS-interface libraries: language class, folder names, string holders, registry values.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "os/DaraDevAvivo/DaraDevAvivo.h"
#include "os/karvil32/karvil32.h"
#include "platform/registry/registry.h"
#include "tests/support/case_name.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"

namespace {

using tessaly::test::ScopedEnv;
using tessaly::test::TempDir;

struct LocaleCase {
  const char* name;
  const char* lcAll;
  const char* lcMessages;
  const char* lang;
  int expected;
};

class OsLanguage : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(OsLanguage, IsJapaneseOnlyForAJapaneseLocale) {
  const LocaleCase& c = GetParam();
  ScopedEnv all("LC_ALL", c.lcAll), messages("LC_MESSAGES", c.lcMessages), lang("LANG", c.lang);
  EXPECT_EQ(os_get_os_lang(), c.expected);
}

// clang-format off
const LocaleCase kLocales[] = {
    {"JapaneseUtf8", nullptr, nullptr, "ja_JP.UTF-8", 3},
    {"JapaneseShiftJis", nullptr, nullptr, "ja_JP.SJIS", 3},
    {"BareJapanese", nullptr, nullptr, "ja", 3},
    {"English", nullptr, nullptr, "en_US.UTF-8", 1},
    {"Unset", nullptr, nullptr, nullptr, 1},
    {"C", nullptr, nullptr, "C", 1},
    {"JavaneseIsNotJapanese", nullptr, nullptr, "jv_ID", 1},
    {"LcAllWins", "en_GB.UTF-8", nullptr, "ja_JP.UTF-8", 1},
    {"MessagesBeforeLang", nullptr, "ja_JP.UTF-8", "en_US", 3},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Locales, OsLanguage, ::testing::ValuesIn(kLocales), tessaly::test::CaseName{});

TEST(OsDirName, GivesTheParentFolder) {
  char buffer[OS_DIR_NAME_BUFFER];
  const auto parent = [&](const char* path) {
    return os_get_dir_name(path, buffer) == 0 ? std::string(buffer) : std::string("<failed>");
  };
  EXPECT_EQ(parent("/opt/trevalon/bin"), "/opt/trevalon");
  EXPECT_EQ(parent("/opt/trevalon/bin/"), "/opt/trevalon");
  EXPECT_EQ(parent("/bin"), "/");
  EXPECT_EQ(parent("bin"), ".");
  EXPECT_EQ(parent("relative/bin"), "relative");
  EXPECT_EQ(parent(nullptr), "<failed>");
  EXPECT_EQ(parent(("/" + std::string(300, 'a') + "/bin").c_str()), "<failed>");
  EXPECT_STREQ(buffer, "");
}

TEST(OsString, HolderOwnsACopyUntilReleased) {
  std::string text = "value";
  OsStrSb holder = xfvOsStrCreate(text.c_str());
  text[0] = 'X';
  EXPECT_STREQ(holder.text, "value");
  xfvOsStrDestruct(&holder);
  EXPECT_EQ(holder.text, nullptr);
  OsStrSb empty = xfvOsStrCreate(nullptr);
  EXPECT_STREQ(empty.text, "");
  xfvOsStrDestruct(&empty);
}

class RegistryValues : public ::testing::Test {
 protected:
  TempDir m_config;
  ScopedEnv m_env{"XDG_CONFIG_HOME", m_config.Path().c_str()};
};

TEST_F(RegistryValues, GetStringKeyDataGivesTheValueOrTheDefault) {
  ASSERT_FALSE(platform::registry::SetValue("HKEY_CURRENT_USER\\Software\\T", "Name", "stored"));
  const auto read = [](const char* key, const char* name) {
    OsStrSb holder = GetStringKeyData(key, name, HKEY_CURRENT_USER, "fallback");
    std::string text = holder.text;
    xfvOsStrDestruct(&holder);
    return text;
  };
  EXPECT_EQ(read("Software\\T", "Name"), "stored");
  EXPECT_EQ(read("software\\t", "name"), "stored");
  EXPECT_EQ(read("Software\\T", "Other"), "fallback");
  EXPECT_EQ(read("Software\\Missing", "Name"), "fallback");
  OsStrSb classes = GetStringKeyData("Software\\T", "Name", HKEY_CLASSES_ROOT, "none");
  EXPECT_STREQ(classes.text, "none");
  xfvOsStrDestruct(&classes);
}

}  // namespace
