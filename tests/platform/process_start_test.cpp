// Starting programs: what the started program gets, what the caller gets back, and that the
// started program is nobody's child to wait for.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/process/process.h"
#include "tests/platform/process_recording.h"
#include "tests/support/case_name.h"
#include "tests/support/temp_dir.h"

namespace {

using platform::process::SpawnRecord;
using tessaly::test::RecordedRun;
using tessaly::test::TempDir;
using tessaly::test::WaitForRun;
using Items = std::vector<std::string>;

class ProcessStart : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("TESSALY_TEST_RECORD", m_record.c_str(), 1);
    platform::process::SetSpawnObserver([this](const SpawnRecord& record) { m_spawns.push_back(record); });
  }
  void TearDown() override {
    platform::process::SetSpawnObserver({});
    ::unsetenv("TESSALY_TEST_RECORD");
  }

  // Starts with the given pieces; closes the handles of a started program.
  bool Start(const char* program, std::string commandLine, const char* folder, BOOL inherit = FALSE,
             const char* environment = nullptr) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const BOOL result = CreateProcessA(program, commandLine.data(), nullptr, nullptr, inherit, 0,
                                       const_cast<char*>(environment), folder, &startup, &started);
    if (result) {
      EXPECT_NE(started.dwProcessId, 0u);
      EXPECT_TRUE(CloseHandle(started.hThread));
      EXPECT_TRUE(CloseHandle(started.hProcess));
    }
    return result != FALSE;
  }

  TempDir m_dir;
  const std::string m_record = m_dir / "record";
  std::vector<SpawnRecord> m_spawns;
};

TEST_F(ProcessStart, RunsTheProgramWithTheSplitArgumentsInTheWorkingFolder) {
  ASSERT_TRUE(
      Start(TESSALY_RECORDING_PROGRAM, "TrevalonHelp \"file:///opt/a b/x.htm?topicId=1\" -x", m_dir.Path().c_str()));
  const auto run = WaitForRun(m_record);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->arguments, (Items{"TrevalonHelp", "file:///opt/a b/x.htm?topicId=1", "-x"}));
  EXPECT_EQ(run->folder, m_dir.Path());
  ASSERT_EQ(m_spawns.size(), 1u);
  EXPECT_EQ(m_spawns[0].program, TESSALY_RECORDING_PROGRAM);
  EXPECT_EQ(m_spawns[0].commandLine, "TrevalonHelp \"file:///opt/a b/x.htm?topicId=1\" -x");
  EXPECT_EQ(m_spawns[0].workingFolder, m_dir.Path());
  EXPECT_TRUE(m_spawns[0].started);
}

TEST_F(ProcessStart, ALineWithoutProgramNameGetsTheProgramPathFirst) {
  ASSERT_TRUE(Start(TESSALY_RECORDING_PROGRAM, " \"file:///opt/x/help/Portiva/Default.htm\"", nullptr));
  const auto run = WaitForRun(m_record);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->arguments, (Items{TESSALY_RECORDING_PROGRAM, "file:///opt/x/help/Portiva/Default.htm"}));
}

TEST_F(ProcessStart, WithoutAWorkingFolderKeepsTheCallers) {
  ASSERT_TRUE(Start(TESSALY_RECORDING_PROGRAM, "p", nullptr));
  const auto run = WaitForRun(m_record);
  ASSERT_TRUE(run);
  char folder[4096];
  ASSERT_TRUE(::getcwd(folder, sizeof folder));
  EXPECT_EQ(run->folder, folder);
  EXPECT_EQ(m_spawns.at(0).workingFolder, "");
}

TEST_F(ProcessStart, NullProgramTakesTheProgramNameOfTheLine) {
  ASSERT_TRUE(Start(nullptr, "\"" TESSALY_RECORDING_PROGRAM "\" a", nullptr));
  const auto run = WaitForRun(m_record);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->arguments, (Items{TESSALY_RECORDING_PROGRAM, "a"}));
  EXPECT_EQ(m_spawns.at(0).program, TESSALY_RECORDING_PROGRAM);
}

// Windows looks for a relative program from the caller's folder, not from the new one.
TEST_F(ProcessStart, RelativeProgramIsFoundFromTheCallersFolder) {
  const std::string program = TESSALY_RECORDING_PROGRAM;
  const std::string folder = program.substr(0, program.rfind('/'));
  const std::string name = program.substr(program.rfind('/') + 1);
  char previous[4096];
  ASSERT_TRUE(::getcwd(previous, sizeof previous));
  ASSERT_EQ(::chdir(folder.c_str()), 0);
  const bool started = Start(name.c_str(), "p", m_dir.Path().c_str());
  ASSERT_EQ(::chdir(previous), 0);
  ASSERT_TRUE(started);
  const auto run = WaitForRun(m_record);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->folder, m_dir.Path());
}

TEST_F(ProcessStart, GetsNoDescriptorOfOursAndNoStandardInputOrOutput) {
  const int leaked = ::open("/dev/null", O_RDONLY);  // inheritable on purpose
  ASSERT_GE(leaked, 3);
  const bool started = Start(TESSALY_RECORDING_PROGRAM, "p", nullptr);
  ::close(leaked);
  ASSERT_TRUE(started);
  const auto run = WaitForRun(m_record);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->descriptors, "");
  EXPECT_EQ(run->input, "/dev/null");
  EXPECT_EQ(run->output, "/dev/null");
  EXPECT_TRUE(run->ownSession);
}

TEST_F(ProcessStart, InheritsInheritableDescriptorsWhenAsked) {
  const int shared = ::open("/dev/null", O_RDONLY);
  ASSERT_GE(shared, 3);
  const bool started = Start(TESSALY_RECORDING_PROGRAM, "p", nullptr, TRUE);
  ASSERT_TRUE(started);
  const auto run = WaitForRun(m_record);
  ::close(shared);
  ASSERT_TRUE(run);
  EXPECT_NE(("," + run->descriptors + ",").find("," + std::to_string(shared) + ","), std::string::npos)
      << run->descriptors;
}

TEST_F(ProcessStart, GivesAnEnvironmentBlockAsItIs) {
  const std::string block = "TESSALY_TEST_RECORD=" + m_record + std::string("\0OTHER=1\0", 9);
  ASSERT_TRUE(Start(TESSALY_RECORDING_PROGRAM, "p", nullptr, FALSE, block.c_str()));
  EXPECT_TRUE(WaitForRun(m_record));
}

// The host may wait for children of its own; ours must neither linger nor take its place.
TEST_F(ProcessStart, LeavesNoChildBehindAndTheHostsOwnChildrenAlone) {
  const pid_t own = ::fork();
  if (own == 0) {
    ::usleep(200000);
    ::_exit(7);
  }
  ASSERT_GT(own, 0);
  ASSERT_TRUE(Start(TESSALY_RECORDING_PROGRAM, "p", nullptr));
  ASSERT_TRUE(WaitForRun(m_record));
  int status = 0;
  ASSERT_EQ(::waitpid(own, &status, 0), own);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 7);
  EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

struct FailureCase {
  const char* name;
  std::string program;
  const char* folder;
};

class ProcessStartFailure : public ProcessStart, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ProcessStartFailure, ReportsFailureAndRunsNothing) {
  const FailureCase& c = GetParam();
  const std::string folder = c.folder ? (m_dir / c.folder) : std::string();
  EXPECT_FALSE(Start(c.program.c_str(), " \"file:///x\"", c.folder ? folder.c_str() : nullptr));
  ASSERT_EQ(m_spawns.size(), 1u);
  EXPECT_FALSE(m_spawns[0].started);
  EXPECT_NE(m_spawns[0].error, 0);
  EXPECT_EQ(m_spawns[0].program, c.program);
  EXPECT_FALSE(WaitForRun(m_record, std::chrono::milliseconds(100)));
}

const FailureCase kFailureCases[] = {
    {"EmptyProgram", "", nullptr},
    {"MissingProgram", "/nonexistent/web", nullptr},
    {"FolderAsProgram", "/", nullptr},
    {"NotExecutable", "/etc/passwd", nullptr},
    {"MissingWorkingFolder", TESSALY_RECORDING_PROGRAM, "missing"},
};
INSTANTIATE_TEST_SUITE_P(Process, ProcessStartFailure, ::testing::ValuesIn(kFailureCases), tessaly::test::CaseName{});

TEST_F(ProcessStart, HandlesCloseOnceAndUnknownOnesNot) {
  std::string line = "p";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessA(TESSALY_RECORDING_PROGRAM, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &started));
  EXPECT_NE(started.hProcess, started.hThread);
  EXPECT_TRUE(CloseHandle(started.hProcess));
  EXPECT_FALSE(CloseHandle(started.hProcess));
  EXPECT_TRUE(CloseHandle(started.hThread));
  EXPECT_FALSE(CloseHandle(nullptr));
  int notAHandle = 0;
  EXPECT_FALSE(CloseHandle(&notAHandle));
  EXPECT_TRUE(WaitForRun(m_record));
}

TEST(CreateProcess, RefusesMissingStartupOrResultRecords) {
  std::string line = "p";
  PROCESS_INFORMATION started{};
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  EXPECT_FALSE(
      CreateProcessA("/bin/true", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &started));
  EXPECT_FALSE(
      CreateProcessA("/bin/true", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, nullptr));
}

}  // namespace
