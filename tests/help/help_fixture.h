#pragma once

// An installation tree of its own for each help test: <root>/opt/app/bin/host as the host
// executable, the recording program as the help viewer beside it and as a browser elsewhere,
// the registry and the desktop's folders inside the test folder, and the debug output and the
// program starts collected.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/debug/debug_output.h"
#include "platform/process/module_path.h"
#include "platform/process/process.h"
#include "platform/registry/registry.h"
#include "tests/platform/process_recording.h"
#include "tests/support/temp_dir.h"

namespace tessaly::test {

inline constexpr char kOpenCommandKey[] = "HKEY_CLASSES_ROOT\\htmlfile\\shell\\open\\command";

class HelpFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
      std::filesystem::create_directories(m_dir / name);
    ::setenv("XDG_CONFIG_HOME", (m_dir / "XDG_CONFIG_HOME").c_str(), 1);
    ::setenv("XDG_CONFIG_DIRS", (m_dir / "XDG_CONFIG_DIRS").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (m_dir / "XDG_DATA_HOME").c_str(), 1);
    ::setenv("XDG_DATA_DIRS", (m_dir / "XDG_DATA_DIRS").c_str(), 1);
    ::unsetenv("XDG_CURRENT_DESKTOP");
    ::setenv("TESSALY_TEST_RECORD", m_record.c_str(), 1);
    ::setenv("TESSALY_TEST_HELP_LIBRARY_RECORD", m_libraryRecord.c_str(), 1);
    ::unsetenv("TESSALY_TEST_HELP_LIBRARY_ANSWER");
    PlaceHost(m_dir / "opt/app");
    std::filesystem::create_directories(m_dir / "web");
    std::filesystem::create_symlink(TESSALY_RECORDING_PROGRAM, m_browser);
    platform::process::SetSpawnObserver([this](const platform::process::SpawnRecord& r) { m_spawns.push_back(r); });
    platform::debug::SetDebugObserver([this](std::string_view text) { m_debug.emplace_back(text); });
  }
  void TearDown() override {
    platform::process::SetSpawnObserver({});
    platform::debug::SetDebugObserver({});
    platform::process::SetExecutablePath("");
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS", "TESSALY_TEST_RECORD",
          "TESSALY_TEST_HELP_LIBRARY_RECORD", "TESSALY_TEST_HELP_LIBRARY_ANSWER"})
      ::unsetenv(name);
  }

  // Makes `installation`/bin/host the host executable, with the viewer beside it.
  void PlaceHost(const std::string& installation) {
    m_installation = installation;
    m_bin = installation + "/bin";
    std::filesystem::create_directories(m_bin);
    std::filesystem::create_symlink(TESSALY_RECORDING_PROGRAM, m_bin + "/TrevalonHelp");
    platform::process::SetExecutablePath(m_bin + "/host");
  }

  // Puts a help library double ("answering", "entryless" or "planted") into `folder`.
  static void PlaceHelpLibrary(const std::string& kind, const std::string& folder) {
    std::filesystem::copy_file(std::string(TESSALY_HELP_DOUBLES) + "/" + kind + "/ZoZozuVodo.so",
                               folder + "/ZoZozuVodo.so");
  }

  static void RegisterOpenCommand(const std::string& command) {
    ASSERT_FALSE(platform::registry::SetValue(kOpenCommandKey, "", command));
  }

  TempDir m_dir;
  const std::string m_record = m_dir / "record";
  const std::string m_libraryRecord = m_dir / "library-calls";
  const std::string m_browser = m_dir / "web/browser";
  std::string m_installation;
  std::string m_bin;
  std::vector<platform::process::SpawnRecord> m_spawns;
  std::vector<std::string> m_debug;
};

}  // namespace tessaly::test
