// The tessaly tool end to end: its commands, their output lines and their exit codes.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/run_program.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"

namespace {

using tessaly::test::BuiltProgram;
using tessaly::test::ReadFile;
using tessaly::test::RunProgram;
using tessaly::test::ScopedEnv;
using tessaly::test::TempDir;
using tessaly::test::WriteFile;

struct CliCase {
  const char* name;
  std::optional<std::string> settings;  // the settings file before, or none
  std::vector<std::string> arguments;   // "FILE" stands for the settings file
  int exitCode;
  std::string out;
  std::optional<std::string> after = std::nullopt;  // the settings file after, when it matters
};

class Cli : public ::testing::TestWithParam<CliCase> {
 protected:
  TempDir m_dir;
  ScopedEnv m_config{"XDG_CONFIG_HOME", m_dir.Path().c_str()};
};

TEST_P(Cli, PrintsAndExitsAsDocumented) {
  const CliCase& c = GetParam();
  const std::string file = m_dir / "default.cfg";
  if (c.settings) WriteFile(file, *c.settings);
  std::vector<std::string> arguments = c.arguments;
  for (std::string& argument : arguments) {
    if (argument == "FILE") argument = file;
  }
  const auto result = RunProgram(BuiltProgram("tessaly"), arguments);
  EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
  EXPECT_EQ(result.out, c.out);
  if (c.exitCode == 0) {
    EXPECT_EQ(result.err, "");
  } else {
    EXPECT_EQ(result.err.rfind("tessaly: ", 0), 0u) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
  }
  if (c.after) {
    EXPECT_EQ(ReadFile(file), *c.after);
  }
}

const std::string kLoadedEmpty =
    "SimulateCache=on\nSearchForImages=on\nResetContext=on\nClearCacheForSimulateNewUser=on\n"
    "CacheAlwaysCheckForNewerPages=off\nCacheHtmlPages=off\nadvanced=disabled\n"
    "available.SimulateCache=yes\navailable.SearchForImages=yes\navailable.ResetContext=yes\n"
    "available.ClearCacheForSimulateNewUser=yes\navailable.CacheAlwaysCheckForNewerPages=yes\n"
    "available.CacheHtmlPages=yes\n";

// clang-format off
const CliCase kCases[] = {
    // profile files
    {"IniGet", "[S]\nk = \"v w\" \n", {"ini", "get", "FILE", "s", "K"}, 0, "v w\n"},
    {"IniGetDefault", "[S]\n", {"ini", "get", "FILE", "S", "k", "--default", "d  "}, 0, "d\n"},
    {"IniGetCut", "[S]\nk=abcdef\n", {"ini", "get", "FILE", "S", "k", "--size", "4"}, 0, "abc\n"},
    {"IniGetHugeBuffer", "[S]\nk=abc\n", {"ini", "get", "FILE", "S", "k", "--size", "4000000000"}, 0, "abc\n"},
    {"IniGetMissingFile", std::nullopt, {"ini", "get", "FILE", "S", "k", "--default", "x"}, 0, "x\n"},
    {"IniGetInt", "[S]\nk=12abc\n", {"ini", "get-int", "FILE", "S", "k"}, 0, "12\n"},
    {"IniGetIntWraps", "[S]\nk=4294967295\n", {"ini", "get-int", "FILE", "S", "k"}, 0, "-1\n"},
    {"IniGetIntDefault", "", {"ini", "get-int", "FILE", "S", "k", "--default", "-7"}, 0, "-7\n"},
    {"IniGetIntBadDefault", "", {"ini", "get-int", "FILE", "S", "k", "--default", "x"}, 2, ""},
    {"IniSet", "[S]\r\nk=1\r\n", {"ini", "set", "FILE", "S", "j", "two words"}, 0, "", "[S]\r\nk=1\r\nj=two words\r\n"},
    {"IniSetNewFile", std::nullopt, {"ini", "set", "FILE", "WEB", "k", "v"}, 0, "", "[WEB]\r\nk=v\r\n"},
    {"IniSetLineBreakRefused", "[S]\n", {"ini", "set", "FILE", "S", "k", "a\nb"}, 2, "", "[S]\n"},
    {"IniDelete", "[S]\nk=1\nj=2\n", {"ini", "delete", "FILE", "S", "k"}, 0, "", "[S]\nj=2\n"},
    {"IniMissingArgument", "", {"ini", "get", "FILE", "S"}, 2, ""},
    {"UnknownCommand", "", {"frobnicate"}, 2, ""},
    {"NoCommand", "", {}, 2, ""},
    {"GarbageFileReadsWithoutACrash", std::string("\0\xff[\x01]=\r\r\n[S\0]\n=\n[", 16),
     {"ini", "get", "FILE", "S", "k", "--default", "d"}, 0, "d\n"},
    // the tab's options
    {"SettingsOfAGarbageFile", std::string("\xff\xfe[WEB\0]\r\x1a\x1a=\n[WEB]\nSimulateCache\n\0\0", 28),
     {"settings", "summary", "FILE"}, 0,
     "0\tBrowser cache\tYes\n1\tCache HTML pages\tNo\n1\tDownload non-HTML resources\tYes\n"
     "1\tSimulate a new user each iteration\tYes\n"},
    {"SettingsShowEmpty", "", {"settings", "show", "FILE"}, 0, kLoadedEmpty},
    {"SettingsShowMissingFile", std::nullopt, {"settings", "show", "FILE"}, 0, kLoadedEmpty},
    {"SettingsShowCacheOff", "[WEB]\nSimulateCache=0\nCacheHtmlPages=yes\nResetContext=no\n", {"settings", "show", "FILE"}, 0,
     "SimulateCache=off\nSearchForImages=on\nResetContext=off\nClearCacheForSimulateNewUser=on\n"
     "CacheAlwaysCheckForNewerPages=off\nCacheHtmlPages=on\nadvanced=disabled\n"
     "available.SimulateCache=yes\navailable.SearchForImages=yes\navailable.ResetContext=yes\n"
     "available.ClearCacheForSimulateNewUser=no\navailable.CacheAlwaysCheckForNewerPages=no\n"
     "available.CacheHtmlPages=no\n"},
    {"SettingsDefaultsWithScriptTypes", "[WEB]\nWebRecorderVersion=4\nSimulateCache=0\n",
     {"settings", "defaults", "FILE", "--script-types", "WebAjax"}, 0,
     "SimulateCache=on\nSearchForImages=on\nResetContext=off\nClearCacheForSimulateNewUser=on\n"
     "CacheAlwaysCheckForNewerPages=off\nCacheHtmlPages=on\nadvanced=enabled\n"
     "available.SimulateCache=yes\navailable.SearchForImages=yes\navailable.ResetContext=yes\n"
     "available.ClearCacheForSimulateNewUser=no\navailable.CacheAlwaysCheckForNewerPages=yes\n"
     "available.CacheHtmlPages=yes\n"},
    {"SettingsSummaryCacheOn", "", {"settings", "summary", "FILE"}, 0,
     "0\tBrowser cache\tYes\n1\tCache HTML pages\tNo\n1\tDownload non-HTML resources\tYes\n"
     "1\tSimulate a new user each iteration\tYes\n"},
    {"SettingsSummaryCacheOff", "[WEB]\nSimulateCache=0\n", {"settings", "summary", "FILE"}, 0,
     "0\tBrowser cache\tNo\n1\tDownload non-HTML resources\tYes\n1\tSimulate a new user each iteration\tYes\n"},
    {"SettingsSet", "[WEB]\nSearchForImages=1\n", {"settings", "set", "FILE", "SimulateCache=off", "CacheHtmlPages=on"}, 0, "",
     "[WEB]\nSearchForImages=True\nSimulateCache=0\nResetContext=True\nCacheAlwaysCheckForNewerPages=No\n"
     "CacheHtmlPages=Yes\nClearCacheForSimulateNewUser=True\n"},
    {"SettingsSetUnknownKey", "", {"settings", "set", "FILE", "Cache=on"}, 2, "", ""},
    {"SettingsSetBadValue", "", {"settings", "set", "FILE", "SimulateCache=yes"}, 2, "", ""},
    // content types
    {"ContentTypesShowEmpty", "", {"content-types", "show", "FILE"}, 0,
     "in_use=0\nlist=text/xml;0;text/plain;0\nitem=text/xml\toff\nitem=text/plain\toff\nenabled=\n"},
    {"ContentTypesOutOfUse", "", {"content-types", "set", "FILE", "--in-use", "0"}, 0, "",
     "[WEB]\r\nKeepNonTextMimeTypeForQuillet=text/xml;0;text/plain;0\r\nKeepNonTextMimeType=\r\n"
     "IgnoreContentCachingTypes=1\r\n"},
    {"ContentTypesInUseWithItems", "[WEB]\nKeepNonTextMimeTypeForQuillet=;\n",
     {"content-types", "set", "FILE", "--in-use", "1", "--item", "text/plain=on", "--item", "application/json=on"}, 0, "",
     "[WEB]\nKeepNonTextMimeTypeForQuillet=text/xml;0;text/plain;1;application/json;1\n"
     "KeepNonTextMimeType=text/plain;application/json\nIgnoreContentCachingTypes=0\n"},
    {"ContentTypesRestore", "[WEB]\nKeepNonTextMimeTypeForQuillet=a;1\nIgnoreContentCachingTypes=0\n",
     {"content-types", "set", "FILE", "--protocol", "SOAP", "--restore"}, 0, "",
     "[WEB]\nKeepNonTextMimeTypeForQuillet=text/xml;0;text/plain;0\nIgnoreContentCachingTypes=0\n"
     "KeepNonTextMimeType=\n"},
    {"ContentTypesItemNeedsTheListInUse", "", {"content-types", "set", "FILE", "--item", "a=on"}, 2, "", ""},
    {"ContentTypesNothingToDo", "", {"content-types", "set", "FILE"}, 2, "", ""},
    // product default
    {"ProductDefaultWithoutRegistryValue", "", {"product-default", "FILE", "--product", "1"}, 0, "", ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, Cli, ::testing::ValuesIn(kCases), tessaly::test::CaseName{});

class CliFiles : public ::testing::Test {
 protected:
  tessaly::test::ProgramResult Run(const std::vector<std::string>& arguments) {
    return RunProgram(BuiltProgram("tessaly"), arguments);
  }
  TempDir m_dir;
  ScopedEnv m_config{"XDG_CONFIG_HOME", m_dir.Path().c_str()};
};

TEST_F(CliFiles, UnreadableFileExitsOneWithOneLine) {
  for (const auto& arguments :
       std::vector<std::vector<std::string>>{{"ini", "get", m_dir.Path(), "S", "k"},
                                             {"settings", "show", m_dir.Path()},
                                             {"content-types", "show", m_dir.Path()},
                                             {"settings", "set", m_dir.Path(), "SimulateCache=on"}}) {
    const auto result = Run(arguments);
    EXPECT_EQ(result.exitCode, 1) << arguments[0];
    EXPECT_EQ(result.err, "tessaly: cannot read '" + m_dir.Path() + "': Is a directory\n");
  }
}

TEST_F(CliFiles, FailedWriteExitsOneAndLeavesTheFile) {
  const std::string file = m_dir / "default.cfg";
  WriteFile(file, "[WEB]\nSimulateCache=1\n");
  ::chmod(file.c_str(), 0444);
  for (const auto& arguments : std::vector<std::vector<std::string>>{{"ini", "set", file, "WEB", "SimulateCache", "0"},
                                                                     {"settings", "set", file, "SimulateCache=off"},
                                                                     {"content-types", "set", file, "--in-use", "1"}}) {
    const auto result = Run(arguments);
    EXPECT_EQ(result.exitCode, 1) << arguments[0];
    EXPECT_EQ(result.err, "tessaly: cannot write '" + file + "': Permission denied\n");
  }
  EXPECT_EQ(ReadFile(file), "[WEB]\nSimulateCache=1\n");
  EXPECT_EQ(Run({"ini", "set", m_dir / "no/such/folder.cfg", "S", "k", "v"}).exitCode, 1);
}

TEST_F(CliFiles, RegistryValuesRoundTrip) {
  const std::string key = "HKEY_CURRENT_USER\\Software\\Corvanex\\Trevalon\\Scripting\\Options\\Protocol Options\\WEB";
  EXPECT_EQ(Run({"registry", "get", key, "IgnoreSearchForImagesOnController", "--default", "0"}).out, "0\n");
  EXPECT_EQ(Run({"registry", "set", key, "IgnoreSearchForImagesOnController", "1"}).exitCode, 0);
  EXPECT_EQ(Run({"registry", "get", key, "IgnoreSearchForImagesOnController"}).out, "1\n");
  EXPECT_EQ(Run({"registry", "set", "HKCR\\htmlfile\\shell\\open\\command", "@", "\"/usr/bin/b\" \"%1\""}).exitCode, 0);
  EXPECT_EQ(Run({"registry", "get", "HKEY_CLASSES_ROOT\\htmlfile\\shell\\open\\command", "@"}).out,
            "\"/usr/bin/b\" \"%1\"\n");
  EXPECT_EQ(Run({"registry", "get", "Software\\NoRoot", "x"}).exitCode, 2);

  const std::string file = m_dir / "default.cfg";
  WriteFile(file, "[General]\nCannedScriptType=0\n");
  EXPECT_EQ(Run({"product-default", file, "--product", "1"}).exitCode, 0);
  EXPECT_EQ(ReadFile(file), "[General]\nCannedScriptType=0\n[WEB]\nSearchForImages=1\n");
}

}  // namespace
