// The registry stand-in: keys as sections of one per-user file, values by name, sizes as
// the Win32 calls give them.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "platform/registry/registry.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"

namespace {

using tessaly::test::ReadFile;
using tessaly::test::ScopedEnv;
using tessaly::test::StatOf;
using tessaly::test::TempDir;

class Registry : public ::testing::Test {
 protected:
  std::string StoreFile() const { return m_config / "Corvanex/Trevalon/registry.ini"; }
  TempDir m_config;
  ScopedEnv m_configHome{"XDG_CONFIG_HOME", m_config.Path().c_str()};
  ScopedEnv m_home{"HOME", ::getenv("HOME")};
};

TEST_F(Registry, LivesInTheUsersConfigFolder) {
  EXPECT_EQ(platform::registry::StoreFilePath(), StoreFile());
  ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
  ::setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(platform::registry::StoreFilePath(), "/home/someone/.config/Corvanex/Trevalon/registry.ini");
}

TEST_F(Registry, FileIsCreatedForItsUserOnly) {
  ASSERT_FALSE(platform::registry::SetValue("HKCU\\Software\\Corvanex", "Value", "1"));
  EXPECT_EQ(StatOf(StoreFile()).st_mode & 0777, 0600u);
  EXPECT_EQ(StatOf(m_config / "Corvanex/Trevalon").st_mode & 0777, 0700u);
  EXPECT_EQ(ReadFile(StoreFile()), "[HKEY_CURRENT_USER\\Software\\Corvanex]\r\nValue=1\r\n");
}

TEST_F(Registry, RootsAreNamedInFullOrShort) {
  EXPECT_EQ(platform::registry::CanonicalKeyPath("HKCR\\htmlfile\\shell"), "HKEY_CLASSES_ROOT\\htmlfile\\shell");
  EXPECT_EQ(platform::registry::CanonicalKeyPath("\\hkey_current_user\\Software\\"), "HKEY_CURRENT_USER\\Software");
  EXPECT_EQ(platform::registry::CanonicalKeyPath("Software\\X"), std::nullopt);
}

TEST_F(Registry, QueriesGiveSizesWithTheTerminatingNul) {
  // A command whose quotes a plain profile read would strip must come back as written.
  const std::string command = "\"/usr/bin/firefox\" --new-window \"%1\"";
  ASSERT_FALSE(platform::registry::SetValue("HKEY_CLASSES_ROOT\\htmlfile\\shell\\open\\command", "@", command));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "\\htmlfile\\shell\\open\\command", 0, KEY_READ, &key), ERROR_SUCCESS);
  DWORD size = 0;
  DWORD type = 0;
  ASSERT_EQ(RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_SZ);
  EXPECT_EQ(size, command.size() + 1);
  std::string small(4, '\0');
  DWORD smallSize = 4;
  EXPECT_EQ(RegQueryValueExA(key, "", nullptr, nullptr, reinterpret_cast<LPBYTE>(small.data()), &smallSize),
            ERROR_MORE_DATA);
  EXPECT_EQ(smallSize, size);
  std::string value(size, '\0');
  ASSERT_EQ(RegQueryValueExA(key, "", nullptr, nullptr, reinterpret_cast<LPBYTE>(value.data()), &size), ERROR_SUCCESS);
  EXPECT_EQ(value.c_str(), command);
  EXPECT_EQ(RegQueryValueExA(key, "missing", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(Registry, MissingKeysDoNotOpen) {
  HKEY key = reinterpret_cast<HKEY>(1);
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\None", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key, nullptr);
}

TEST_F(Registry, SetValueThroughAnOpenKey) {
  ASSERT_FALSE(platform::registry::SetValue("HKCU\\Software\\A", "x", "1"));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\A", 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  const char text[] = "two words";
  ASSERT_EQ(RegSetValueExA(key, "y", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(platform::registry::GetValue("HKEY_CURRENT_USER\\Software\\A", "y"), "two words");
}

}  // namespace
