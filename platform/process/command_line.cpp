#include "platform/process/command_line.h"

namespace platform::process {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program name knows no escapes: a quote runs to the next quote, anything else to a blank.
std::size_t ReadProgramName(std::string_view line, std::string& name) {
  std::size_t at = 0;
  bool quoted = false;
  while (at < line.size() && (quoted || !IsBlank(line[at]))) {
    if (line[at] == '"')
      quoted = !quoted;
    else
      name += line[at];
    ++at;
  }
  return at;
}

// One argument from `at`, which is not a blank; returns the position after it.
std::size_t ReadArgument(std::string_view line, std::size_t at, std::string& argument) {
  bool quoted = false;
  while (at < line.size()) {
    std::size_t backslashes = 0;
    while (at < line.size() && line[at] == '\\') ++backslashes, ++at;
    if (at < line.size() && line[at] == '"') {
      argument.append(backslashes / 2, '\\');
      if (backslashes % 2 == 1) {
        argument += '"';
      } else if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
        argument += '"';
        ++at;
      } else {
        quoted = !quoted;
      }
      ++at;
      continue;
    }
    argument.append(backslashes, '\\');
    if (at >= line.size() || (IsBlank(line[at]) && !quoted)) break;
    argument += line[at++];
  }
  return at;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> items;
  if (commandLine.empty()) return items;
  std::string program;
  std::size_t at = ReadProgramName(commandLine, program);
  items.push_back(std::move(program));
  for (;;) {
    while (at < commandLine.size() && IsBlank(commandLine[at])) ++at;
    if (at >= commandLine.size()) break;
    std::string argument;
    at = ReadArgument(commandLine, at, argument);
    items.push_back(std::move(argument));
  }
  return items;
}

std::vector<std::string> ArgumentVector(std::string_view program, std::string_view commandLine) {
  std::vector<std::string> items = SplitCommandLine(commandLine);
  if (items.empty())
    items.emplace_back(program);
  else if (items.front().empty())
    items.front() = program;
  return items;
}

std::string QuoteArgument(std::string_view argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos) return std::string(argument);
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count only before a quote: there they must be doubled, and the quote escaped.
    if (c == '"') {
      quoted.append(backslashes * 2 + 1, '\\');
    } else {
      quoted.append(backslashes, '\\');
    }
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  quoted += '"';
  return quoted;
}

}  // namespace platform::process
