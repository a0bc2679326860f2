#pragma once

// Runs a program with an argument vector (no shell) and collects what it printed.

#include <string>
#include <vector>

namespace tessaly::test {

struct ProgramResult {
  int exitCode = -1;  // -1 when it did not exit normally
  std::string out;
  std::string err;
};

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input = {});

// A built program of this build tree's bin/.
std::string BuiltProgram(const std::string& name);

}  // namespace tessaly::test
