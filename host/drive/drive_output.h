#pragma once

// The driver's output: one JSON object per line, its members in the order written, texts in
// UTF-8, each line flushed as it is written so that a reader sees events as they happen.

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <string_view>

namespace tessaly::host {

class DriveOutput {
 public:
  explicit DriveOutput(std::ostream& out) : m_out(out) {}

  void Write(const nlohmann::ordered_json& line);
  void Error(std::string_view text, int lineNumber);
  bool HadError() const { return m_bHadError; }

 private:
  std::ostream& m_out;
  bool m_bHadError = false;
};

// Narrow text of a window or a message in the thread's code page, as UTF-8.
std::string WindowTextUtf8(std::string_view narrow);

// A path or a line that names paths: kept as it is when it is UTF-8 already (file names here
// are bytes, usually UTF-8), else read in the thread's code page.
std::string PathTextUtf8(std::string_view narrow);

}  // namespace tessaly::host
