#include "host/drive/drive_line.h"

namespace tessaly::host {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

DriveLine SplitDriveLine(std::string_view line) {
  DriveLine result;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at == line.size()) break;
    if (result.words.empty() && line[at] == '#') return result;
    std::string word;
    bool quoted = false;
    for (; at < line.size() && (quoted || !IsBlank(line[at])); ++at) {
      const char c = line[at];
      if (c == '"') {
        quoted = !quoted;
      } else if (quoted && c == '\\' && at + 1 < line.size() && (line[at + 1] == '"' || line[at + 1] == '\\')) {
        word += line[++at];
      } else {
        word += c;
      }
    }
    if (quoted) {
      result.words.clear();
      result.error = "unterminated quote";
      return result;
    }
    result.words.push_back(std::move(word));
  }
  return result;
}

}  // namespace tessaly::host
