// Writes of profile files on disk: what stays, what is replaced, and that a write that
// fails or is cut short loses nothing.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

#include "platform/profile/file_faults.h"
#include "platform/profile/profile.h"
#include "tests/support/case_name.h"
#include "tests/support/temp_dir.h"

namespace {

using tessaly::test::Exists;
using tessaly::test::ListFolder;
using tessaly::test::ReadFile;
using tessaly::test::StatOf;
using tessaly::test::TempDir;
using tessaly::test::WriteFile;
namespace faults = platform::profile::faults;

const std::string kOriginal =
    "; run-time settings\r\n"
    "[General]\r\n"
    "CannedScriptType = 0   \r\n"
    "\r\n"
    "[WEB]\n"
    "  SimulateCache=1\n"
    "SearchForImages = True ; kept as is\n"
    "\n"
    "[Other]\r\n"
    "x=1";

bool Write(const std::string& file, const char* key, const char* value) {
  return WritePrivateProfileStringA("WEB", key, value, file.c_str()) == TRUE;
}

// Runs `body` in a child process and gives its exit status (-1 when it did not exit).
template <typename Body>
int InChild(Body body) {
  const pid_t child = ::fork();
  if (child == 0) {
    body();
    _exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ProfileWrite, KeepsEveryLineItDoesNotChange) {
  TempDir dir;
  const std::string file = dir / "default.cfg";
  WriteFile(file, kOriginal);
  ASSERT_TRUE(Write(file, "simulatecache", "0"));
  ASSERT_TRUE(Write(file, "ResetContext", "False"));
  EXPECT_EQ(ReadFile(file),
            "; run-time settings\r\n"
            "[General]\r\n"
            "CannedScriptType = 0   \r\n"
            "\r\n"
            "[WEB]\n"
            "SimulateCache=0\n"
            "SearchForImages = True ; kept as is\n"
            "ResetContext=False\r\n"
            "\n"
            "[Other]\r\n"
            "x=1");
}

TEST(ProfileWrite, LeavesTheFileAloneWhenNothingChanges) {
  TempDir dir;
  const std::string file = dir / "default.cfg";
  WriteFile(file, kOriginal);
  const struct stat before = StatOf(file);
  ASSERT_TRUE(WritePrivateProfileStringA("General", "CannedScriptType", "0", file.c_str()));
  ASSERT_TRUE(Write(file, "Missing", nullptr));
  const struct stat after = StatOf(file);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
  EXPECT_EQ(ReadFile(file), kOriginal);
}

TEST(ProfileWrite, ChangingNothingInAReadOnlyFileSucceeds) {
  TempDir dir;
  const std::string file = dir / "default.cfg";
  WriteFile(file, kOriginal);
  ::chmod(file.c_str(), 0444);
  EXPECT_TRUE(WritePrivateProfileStringA("General", "CannedScriptType", "0", file.c_str()));
  EXPECT_TRUE(Write(file, "Missing", nullptr));
  EXPECT_FALSE(Write(file, "SimulateCache", "0"));
  EXPECT_EQ(ReadFile(file), kOriginal);
}

TEST(ProfileWrite, CreatesANewFileWithTheUmaskApplied) {
  TempDir dir;
  const std::string file = dir / "new.cfg";
  const mode_t previous = ::umask(027);
  ASSERT_TRUE(Write(file, "SimulateCache", "1"));
  ::umask(previous);
  EXPECT_EQ(ReadFile(file), "[WEB]\r\nSimulateCache=1\r\n");
  EXPECT_EQ(StatOf(file).st_mode & 0777, 0640u);
}

TEST(ProfileWrite, DeletingFromAMissingFileCreatesNothing) {
  TempDir dir;
  EXPECT_TRUE(Write(dir / "none.cfg", "SimulateCache", nullptr));
  EXPECT_EQ(ListFolder(dir.Path()), "");
}

TEST(ProfileWrite, KeepsThePermissionsOfTheFile) {
  TempDir dir;
  const std::string file = dir / "default.cfg";
  WriteFile(file, kOriginal);
  ::chmod(file.c_str(), 0604);
  ASSERT_TRUE(Write(file, "SimulateCache", "0"));
  EXPECT_EQ(StatOf(file).st_mode & 07777, 0604u);
}

TEST(ProfileWrite, WritesThroughSymbolicLinksAtTheirTarget) {
  TempDir dir;
  ::mkdir((dir / "real").c_str(), 0700);
  const std::string target = dir / "real/default.cfg";
  WriteFile(target, kOriginal);
  ASSERT_EQ(::symlink("real/default.cfg", (dir / "hop").c_str()), 0);
  ASSERT_EQ(::symlink("hop", (dir / "link.cfg").c_str()), 0);
  ASSERT_TRUE(Write(dir / "link.cfg", "SimulateCache", "0"));
  struct stat link {};
  ASSERT_EQ(::lstat((dir / "link.cfg").c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  EXPECT_NE(ReadFile(target).find("SimulateCache=0\n"), std::string::npos);
  EXPECT_EQ(ListFolder(dir / "real"), "default.cfg");
}

TEST(ProfileWrite, RefusesLineBreaksAndLeavesTheFile) {
  TempDir dir;
  const std::string file = dir / "default.cfg";
  WriteFile(file, kOriginal);
  EXPECT_FALSE(Write(file, "CustomUserAgent", "x\r\n[General]\r\nCannedScriptType=5"));
  EXPECT_FALSE(Write(file, "a=b", "1"));
  EXPECT_EQ(ReadFile(file), kOriginal);
}

// A write that cannot be done: it reports failure, the original stays byte for byte and
// nothing is left beside it. The write runs in a child, so that a file size limit stays there.
struct Obstacle {
  const char* name;
  const char* file;
  void (*arrange)(const TempDir& dir);
  void (*inWriter)();
};

class FailedWrite : public ::testing::TestWithParam<Obstacle> {};

TEST_P(FailedWrite, LeavesTheOriginalAsItWas) {
  const Obstacle& obstacle = GetParam();
  TempDir dir;
  const std::string original = dir / "default.cfg";
  WriteFile(original, kOriginal);
  if (obstacle.arrange) obstacle.arrange(dir);
  const std::string listing = ListFolder(dir.Path());
  const std::string file = dir / obstacle.file;
  const int status = InChild([&] {
    if (obstacle.inWriter) obstacle.inWriter();
    _exit(Write(file, "SimulateCache", std::string(4096, '0').c_str()) ? 1 : 0);
  });
  ::chmod(dir.Path().c_str(), 0700);
  EXPECT_EQ(status, 0) << "the write reported success";
  EXPECT_EQ(ListFolder(dir.Path()), listing);
  EXPECT_EQ(ReadFile(original), kOriginal);
}

const Obstacle kObstacles[] = {
    {"MissingFolder", "missing/default.cfg", nullptr, nullptr},
    {"ReadOnlyFile", "default.cfg", [](const TempDir& dir) { ::chmod((dir / "default.cfg").c_str(), 0444); }, nullptr},
    {"ReadOnlyFolder", "default.cfg", [](const TempDir& dir) { ::chmod(dir.Path().c_str(), 0555); }, nullptr},
    {"FolderInPlaceOfTheFile", "folder.cfg", [](const TempDir& dir) { ::mkdir((dir / "folder.cfg").c_str(), 0700); },
     nullptr},
    {"DiskFull", "default.cfg", nullptr,
     [] {
       std::signal(SIGXFSZ, SIG_IGN);
       const rlimit limit{1024, RLIM_INFINITY};
       ::setrlimit(RLIMIT_FSIZE, &limit);
     }},
};

INSTANTIATE_TEST_SUITE_P(Obstacles, FailedWrite, ::testing::ValuesIn(kObstacles), tessaly::test::CaseName{});

// Every step of a write is failed in turn: the write then reports failure and leaves the
// original and the folder as they were, or (for the flush of the folder entry, which comes
// after the rename) reports success with the new text in place.
TEST(InterruptedWrite, AFailureAtAnyStepLosesNothing) {
  TempDir dir;
  const std::string file = dir / "default.cfg";
  int steps = 0;
  for (int nth = 1;; ++nth) {
    WriteFile(file, kOriginal);
    faults::Arm(nth, faults::Action::Fail);
    const bool written = Write(file, "SimulateCache", "0");
    const int taken = faults::StepsTaken();
    faults::Disarm();
    if (taken < nth) break;  // the write needed fewer steps: every one has been failed
    steps = nth;
    EXPECT_EQ(ListFolder(dir.Path()), "default.cfg") << "step " << nth;
    if (written) {
      EXPECT_NE(ReadFile(file).find("SimulateCache=0"), std::string::npos) << "step " << nth;
    } else {
      EXPECT_EQ(ReadFile(file), kOriginal) << "step " << nth;
    }
  }
  EXPECT_GE(steps, 7);  // lock, read, create, write, permissions, flush, close, rename, ...
}

// The process ends right before each step in turn: the file is then the whole old text or
// the whole new one, never anything in between.
TEST(InterruptedWrite, ACrashAtAnyStepLeavesTheOldOrTheNewFile) {
  TempDir dir;
  const std::string file = dir / "default.cfg";
  std::string expected_new = kOriginal;
  expected_new.replace(expected_new.find("  SimulateCache=1"), 17, "SimulateCache=0");
  for (int nth = 1; nth < 100; ++nth) {
    WriteFile(file, kOriginal);
    const int status = InChild([&] {
      faults::Arm(nth, faults::Action::Crash);
      _exit(Write(file, "SimulateCache", "0") ? 0 : 1);
    });
    const std::string now = ReadFile(file);
    EXPECT_TRUE(now == kOriginal || now == expected_new) << "crash before step " << nth;
    if (status != faults::kCrashExitStatus) {
      EXPECT_EQ(status, 0);
      EXPECT_EQ(now, expected_new);
      return;
    }
  }
  FAIL() << "the write never got past its crashes";
}

// Writers in several processes, each setting keys of its own in one file at the same time:
// every update survives.
TEST(ConcurrentWrites, LoseNoUpdate) {
  TempDir dir;
  const std::string file = dir / "default.cfg";
  WriteFile(file, kOriginal);
  constexpr int kWriters = 4;
  constexpr int kKeysEach = 40;
  std::vector<pid_t> writers;
  for (int w = 0; w < kWriters; ++w) {
    const pid_t child = ::fork();
    if (child == 0) {
      bool ok = true;
      for (int k = 0; k < kKeysEach; ++k) {
        const std::string key = "Key" + std::to_string(w) + "_" + std::to_string(k);
        ok = WritePrivateProfileStringA("Writer", key.c_str(), std::to_string(k).c_str(), file.c_str()) && ok;
      }
      _exit(ok ? 0 : 1);
    }
    writers.push_back(child);
  }
  for (pid_t writer : writers) {
    int status = 0;
    ::waitpid(writer, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  for (int w = 0; w < kWriters; ++w) {
    for (int k = 0; k < kKeysEach; ++k) {
      const std::string key = "Key" + std::to_string(w) + "_" + std::to_string(k);
      EXPECT_EQ(static_cast<int>(GetPrivateProfileIntA("Writer", key.c_str(), -1, file.c_str())), k) << key;
    }
  }
  EXPECT_EQ(ListFolder(dir.Path()), "default.cfg");
  EXPECT_EQ(ReadFile(file).substr(0, kOriginal.size()), kOriginal);
}

}  // namespace
