// The debug output: one observer, and standard error when TESSALY_DEBUG asks for it.

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/debug/debug_output.h"
#include "tests/support/temp_dir.h"

namespace {

using tessaly::test::ReadFile;
using tessaly::test::TempDir;

// Standard error goes to a file while a test runs.
class DebugOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    m_savedError = ::dup(STDERR_FILENO);
    const int file = ::open(m_errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(file, STDERR_FILENO);
    ::close(file);
    platform::debug::SetDebugObserver([this](std::string_view text) { m_heard.emplace_back(text); });
  }
  void TearDown() override {
    platform::debug::SetDebugObserver({});
    ::dup2(m_savedError, STDERR_FILENO);
    ::close(m_savedError);
    ::unsetenv("TESSALY_DEBUG");
  }

  TempDir m_dir;
  const std::string m_errors = m_dir / "stderr";
  int m_savedError = -1;
  std::vector<std::string> m_heard;
};

TEST_F(DebugOutput, ObserverHearsEachTextAsSent) {
  OutputDebugStringA("working dir : /opt/x/bin");
  OutputDebugStringA("");
  OutputDebugStringA(nullptr);
  OutputDebugStringA("line\n");
  EXPECT_EQ(m_heard, (std::vector<std::string>{"working dir : /opt/x/bin", "", "line\n"}));
}

TEST_F(DebugOutput, StandardErrorOnlyWhenAskedFor) {
  OutputDebugStringA("quiet");
  ::setenv("TESSALY_DEBUG", "", 1);
  OutputDebugStringA("still quiet");
  ::setenv("TESSALY_DEBUG", "1", 1);
  OutputDebugStringA("command failed");
  OutputDebugStringA("ends its line\n");
  EXPECT_EQ(ReadFile(m_errors), "command failed\nends its line\n");
}

TEST_F(DebugOutput, AnEmptyObserverStopsTheReports) {
  platform::debug::SetDebugObserver({});
  OutputDebugStringA("unheard");
  EXPECT_TRUE(m_heard.empty());
}

}  // namespace
