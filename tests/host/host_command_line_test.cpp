// The command line of tessaly-host: usage errors, the script source, the library it loads,
// and the hand-over to the desktop front end.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/host/drive_fixture.h"
#include "tests/support/case_name.h"

namespace {

using tessaly::test::DoubleLibrary;
using tessaly::test::DriveTest;
using tessaly::test::HostProgram;
using tessaly::test::RunProgram;

struct CommandLineCase {
  const char* name;
  std::vector<std::string> arguments;
  int exitCode;
  const char* message;  // a part of the one line on stderr
};

class HostCommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(HostCommandLine, RefusesWithOneLine) {
  const auto ran = RunProgram(HostProgram(), GetParam().arguments);
  EXPECT_EQ(ran.exitCode, GetParam().exitCode);
  EXPECT_NE(ran.err.find(GetParam().message), std::string::npos) << ran.err;
  EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 1) << ran.err;
  EXPECT_EQ(ran.out, "");
}

const CommandLineCase kCommandLines[] = {
    {"NothingGiven", {}, 2, "a settings file is needed"},
    {"UnknownOption", {"--drive", "--fast"}, 2, "unknown option --fast"},
    {"OptionWithoutValue", {"--drive", "--exe-path"}, 2, "--exe-path needs a value"},
    {"OptionTwice", {"--drive", "--library", "a.so", "--library", "b.so"}, 2, "--library is given twice"},
    {"DriveWithSettingsFile", {"--drive", "script.txt", "settings.cfg"}, 2, "no settings file"},
    {"DriveWithDesktopOptions", {"--drive", "--protocol", "WAP"}, 2, "for the desktop"},
    {"TwoSettingsFiles", {"a.cfg", "b.cfg"}, 2, "unexpected argument b.cfg"},
    {"ScriptMissing", {"--drive", "/nonexistent/script.txt"}, 1, "cannot read /nonexistent/script.txt"},
    {"LibraryMissing", {"--drive", "--library", "/nonexistent/libTab.so"}, 1, "cannot load /nonexistent/libTab.so"},
    {"LibraryWithoutTheExports",
     {"--drive", "--library", std::string(TESSALY_BINARY_DIR) + "/lib/libkarvil32.so"},
     1,
     "does not export SetActiveApp, SetAdditionalData, SetProductDefault, create_new_tab1"},
#if !defined(TESSALY_HOST_HAS_DESKTOP)
    {"DesktopNotBuilt", {"settings.cfg"}, 2, "the desktop front end is not built"},
#endif
};

INSTANTIATE_TEST_SUITE_P(Cases, HostCommandLine, ::testing::ValuesIn(kCommandLines), tessaly::test::CaseName{});

TEST(HostHelp, PrintsBothFormsOfUse) {
  const auto ran = RunProgram(HostProgram(), {"--help"});
  EXPECT_EQ(ran.exitCode, 0);
  EXPECT_NE(ran.out.find("tessaly-host --drive [SCRIPT]"), std::string::npos);
  EXPECT_NE(ran.out.find("SETTINGS_FILE"), std::string::npos);
}

class HostScriptSource : public DriveTest {};

TEST_F(HostScriptSource, ReadsTheScriptFileOrStandardInput) {
  tessaly::test::WriteFile(File("script.txt"), "create f.cfg\nquery-flag 2\n");
  struct Form {
    std::vector<std::string> arguments;
    bool fromFile;
  };
  const Form forms[] = {
      {{"--drive", File("script.txt"), "--library", DoubleLibrary()}, true},
      {{"--library", DoubleLibrary(), "--drive", File("script.txt")}, true},
      {{"--drive", "-", "--library", DoubleLibrary()}, false},
      {{"--drive", "--library", DoubleLibrary()}, false},
  };
  for (const Form& form : forms) {
    // Standard input holds another script: only the forms without a file read it.
    const auto ran = RunProgram(HostProgram(), form.arguments, "create s.cfg\nquery-flag 3\n");
    EXPECT_EQ(ran.exitCode, 0) << ran.err;
    EXPECT_EQ(ran.out, form.fromFile ? "{\"query-flag\":true}\n" : "{\"query-flag\":false}\n")
        << form.arguments[0] << " " << form.arguments[1];
  }
}

TEST_F(HostScriptSource, FindsTheDefaultLibraryBesideItsOwnBinFolderWhateverExePathSays) {
  // The library of this build tree is found from the host's real place; whether it already
  // makes pages is not the point here.
  const auto ran = RunProgram(HostProgram(), {"--drive", "--exe-path", "/nowhere/bin/tessaly-host"}, "\n");
  EXPECT_EQ(ran.err.find("cannot load"), std::string::npos) << ran.err;
}

}  // namespace
