#pragma once

// Running tessaly-host --drive on a script, on the stand-in library unless told otherwise,
// with its JSON lines parsed.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "tests/support/run_program.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"

namespace tessaly::test {

using Json = nlohmann::json;

struct DriveResult {
  int exitCode = -1;
  std::vector<Json> lines;  // every line of the output, parsed
  std::string err;
};

std::string HostProgram();
std::string DoubleLibrary();

// The output lines that have `key`, and the events of one kind.
std::vector<Json> LinesWith(const DriveResult& result, const std::string& key);
std::vector<Json> Events(const DriveResult& result, const std::string& kind);
// The control of `id` in a dump line; null when it has none.
Json ControlOf(const Json& dump, int id);

class DriveTest : public ::testing::Test {
 protected:
  DriveTest();

  // Runs the script (given on standard input) with the host's arguments after --drive.
  DriveResult Drive(const std::string& script, std::vector<std::string> arguments = {});
  // The same on the real library.
  DriveResult DriveLibrary(const std::string& script, std::vector<std::string> arguments = {});

  std::string File(const std::string& name) const { return m_dir / name; }
  const TempDir& Dir() const { return m_dir; }

 private:
  TempDir m_dir;
  ScopedEnv m_config;
};

}  // namespace tessaly::test
