// Loading libraries: a bare name only from the host executable's folder, a path as given.

#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/module/library.h"
#include "platform/process/module_path.h"
#include "tests/support/case_name.h"
#include "tests/support/temp_dir.h"

namespace {

using tessaly::test::Exists;
using tessaly::test::TempDir;

constexpr char kName[] = "libtessaly-test-answer.so";

// A host folder with the answering library, and a current folder with a planted one of the
// same name.
class LibraryLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(m_dir / "host");
    std::filesystem::create_directories(m_dir / "here");
    std::filesystem::copy_file(TESSALY_ANSWERING_LIBRARY, m_dir / "host" + "/" + kName);
    std::filesystem::copy_file(TESSALY_PLANTED_LIBRARY, m_dir / "here" + "/" + kName);
    ::setenv("TESSALY_TEST_PLANTED_MARKER", m_marker.c_str(), 1);
    ASSERT_TRUE(::getcwd(m_previous, sizeof m_previous));
    ASSERT_EQ(::chdir((m_dir / "here").c_str()), 0);
  }
  void TearDown() override {
    EXPECT_EQ(::chdir(m_previous), 0);
    platform::process::SetExecutablePath("");
    ::unsetenv("TESSALY_TEST_PLANTED_MARKER");
  }

  TempDir m_dir;
  const std::string m_marker = m_dir / "planted-was-loaded";
  char m_previous[4096] = {};
};

TEST_F(LibraryLoad, BareNameComesFromTheHostFolder) {
  platform::process::SetExecutablePath(m_dir / "host/tessaly-host");
  HMODULE library = LoadLibraryA(kName);
  ASSERT_NE(library, nullptr) << platform::module::LastLoadError();
  const FARPROC entry = GetProcAddress(library, "TessalyTestAnswer");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(platform::module::EntryAs<int (*)(int)>(entry)(20), 41);
  EXPECT_EQ(GetProcAddress(library, "NoSuchEntry"), nullptr);
  EXPECT_TRUE(FreeLibrary(library));
  EXPECT_FALSE(Exists(m_marker));
}

struct RefusedCase {
  const char* name;
  const char* executable;  // below the test folder; "" is a path without a folder
};

class LibraryRefused : public LibraryLoad, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(LibraryRefused, NeverTakesThePlantedOne) {
  const std::string executable = *GetParam().executable ? m_dir / GetParam().executable : std::string("tessaly-host");
  platform::process::SetExecutablePath(executable);
  EXPECT_EQ(LoadLibraryA(kName), nullptr);
  EXPECT_FALSE(platform::module::LastLoadError().empty());
  EXPECT_FALSE(Exists(m_marker));
}

const RefusedCase kRefusedCases[] = {
    {"HostFolderWithoutTheLibrary", "elsewhere/tessaly-host"},
    {"ExecutablePathWithoutFolder", ""},
};
INSTANTIATE_TEST_SUITE_P(Library, LibraryRefused, ::testing::ValuesIn(kRefusedCases), tessaly::test::CaseName{});

TEST_F(LibraryLoad, PathWithSlashIsTakenAsGiven) {
  platform::process::SetExecutablePath(m_dir / "elsewhere/tessaly-host");
  HMODULE library = LoadLibraryA((std::string("./") + kName).c_str());
  ASSERT_NE(library, nullptr);
  EXPECT_TRUE(Exists(m_marker));
  EXPECT_TRUE(FreeLibrary(library));
}

TEST(Library, RefusesNullsAndEmptyNames) {
  EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
  EXPECT_EQ(LoadLibraryA(""), nullptr);
  EXPECT_EQ(GetProcAddress(nullptr, "x"), nullptr);
  EXPECT_FALSE(FreeLibrary(nullptr));
}

}  // namespace
