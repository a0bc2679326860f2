#pragma once

// Reading what the recording program wrote down about its start.

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/temp_dir.h"

namespace tessaly::test {

struct RecordedRun {
  std::string folder;
  std::string descriptors;  // open above 2, comma-separated
  std::string input;        // what descriptor 0 leads to
  std::string output;       // what descriptor 1 leads to
  bool ownSession = false;
  std::vector<std::string> arguments;
};

// Waits for the program's record; nothing when it does not come (the program did not run).
inline std::optional<RecordedRun> WaitForRun(const std::string& record,
                                             std::chrono::milliseconds patience = std::chrono::seconds(20)) {
  const auto until = std::chrono::steady_clock::now() + patience;
  while (!Exists(record)) {
    if (std::chrono::steady_clock::now() > until) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  std::vector<std::string> fields;
  const std::string content = ReadFile(record);
  for (std::size_t start = 0; start < content.size();) {
    const std::size_t end = content.find('\0', start);
    fields.push_back(content.substr(start, end - start));
    start = end + 1;
  }
  if (fields.size() < 5) return std::nullopt;
  RecordedRun run{fields[0], fields[1], fields[2], fields[3], fields[4] == "session", {}};
  run.arguments.assign(fields.begin() + 5, fields.end());
  return run;
}

}  // namespace tessaly::test
