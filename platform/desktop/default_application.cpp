#include "platform/desktop/default_application.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <vector>

namespace platform::desktop {

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) parts.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// A folder list of the base-directory rules: absolute entries only, else the fallback.
std::vector<std::string> Folders(const char* variable, std::string_view fallback) {
  std::vector<std::string> folders;
  for (std::string& folder : Split(Variable(variable), ':'))
    if (folder.front() == '/') folders.push_back(std::move(folder));
  if (folders.empty())
    for (std::string& folder : Split(fallback, ':')) folders.push_back(std::move(folder));
  return folders;
}

std::string HomeBased(const char* variable, std::string_view below) {
  const std::string value = Variable(variable);
  if (!value.empty() && value.front() == '/') return value;
  return Variable("HOME") + "/" + std::string(below);
}

std::vector<std::string> ConfigFolders() {
  std::vector<std::string> folders{HomeBased("XDG_CONFIG_HOME", ".config")};
  for (std::string& folder : Folders("XDG_CONFIG_DIRS", "/etc/xdg")) folders.push_back(std::move(folder));
  return folders;
}

std::vector<std::string> ApplicationFolders() {
  std::vector<std::string> folders{HomeBased("XDG_DATA_HOME", ".local/share") + "/applications"};
  for (const std::string& folder : Folders("XDG_DATA_DIRS", "/usr/local/share:/usr/share"))
    folders.push_back(folder + "/applications");
  return folders;
}

std::string Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r");
  return std::string(text.substr(first, last - first + 1));
}

// The value of `key` in group `group` of a desktop-style key file.
std::optional<std::string> KeyFileValue(const std::string& file, std::string_view group, std::string_view key) {
  std::ifstream in(file);
  std::string line;
  bool inGroup = false;
  while (std::getline(in, line)) {
    const std::string text = Trim(line);
    if (text.empty() || text.front() == '#') continue;
    if (text.front() == '[') {
      inGroup = text == "[" + std::string(group) + "]";
      continue;
    }
    const std::size_t equals = text.find('=');
    if (inGroup && equals != std::string::npos && Trim(text.substr(0, equals)) == key)
      return Trim(text.substr(equals + 1));
  }
  return std::nullopt;
}

// The string escapes of key files: \s \n \t \r and \\.
std::string Unescape(std::string_view value) {
  std::string text;
  for (std::size_t at = 0; at < value.size(); ++at) {
    if (value[at] != '\\' || at + 1 == value.size()) {
      text += value[at];
      continue;
    }
    const char next = value[++at];
    switch (next) {
      case 's':
        text += ' ';
        break;
      case 'n':
        text += '\n';
        break;
      case 't':
        text += '\t';
        break;
      case 'r':
        text += '\r';
        break;
      case '\\':
        text += '\\';
        break;
      default:
        text += '\\', text += next;
    }
  }
  return text;
}

// The first argument of an Exec line: quoted with \" \` \$ \\ escapes, or up to a blank.
std::string FirstExecArgument(std::string_view exec) {
  std::string program;
  std::size_t at = exec.find_first_not_of(' ');
  if (at == std::string_view::npos) return {};
  if (exec[at] != '"') return std::string(exec.substr(at, exec.find(' ', at) - at));
  for (++at; at < exec.size() && exec[at] != '"'; ++at) {
    if (exec[at] == '\\' && at + 1 < exec.size()) ++at;
    program += exec[at];
  }
  return program;
}

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string OnPath(const std::string& program) {
  if (program.empty() || program.find('/') != std::string::npos) return program;
  for (const std::string& folder : Split(Variable("PATH"), ':')) {
    const std::string candidate = folder + "/" + program;
    if (folder.front() == '/' && IsExecutableFile(candidate)) return candidate;
  }
  return {};
}

std::string ProgramOfEntry(std::string_view desktopId) {
  if (desktopId.empty() || desktopId.find('/') != std::string_view::npos) return {};
  for (const std::string& folder : ApplicationFolders()) {
    const std::string file = folder + "/" + std::string(desktopId);
    if (::access(file.c_str(), R_OK) == 0) return OnPath(DesktopEntryProgram(file));
  }
  return {};
}

std::string FirstProgramOf(const std::vector<std::string>& lists, std::string_view group, std::string_view type) {
  for (const std::string& list : lists) {
    const auto ids = KeyFileValue(list, group, type);
    if (!ids) continue;
    for (const std::string& id : Split(*ids, ';')) {
      std::string program = ProgramOfEntry(Trim(id));
      if (!program.empty()) return program;
    }
  }
  return {};
}

std::vector<std::string> MimeAppsLists() {
  std::vector<std::string> desktops;
  for (std::string desktop : Split(Variable("XDG_CURRENT_DESKTOP"), ':')) {
    for (char& c : desktop) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    desktops.push_back(std::move(desktop));
  }
  std::vector<std::string> folders = ConfigFolders();
  for (const std::string& folder : ApplicationFolders()) folders.push_back(folder);
  std::vector<std::string> lists;
  for (const std::string& folder : folders) {
    for (const std::string& desktop : desktops) lists.push_back(folder + "/" + desktop + "-mimeapps.list");
    lists.push_back(folder + "/mimeapps.list");
  }
  return lists;
}

std::vector<std::string> InApplicationFolders(std::string_view name) {
  std::vector<std::string> files;
  for (const std::string& folder : ApplicationFolders()) files.push_back(folder + "/" + std::string(name));
  return files;
}

}  // namespace

std::string DesktopEntryProgram(const std::string& desktopFile) {
  const auto hidden = KeyFileValue(desktopFile, "Desktop Entry", "Hidden");
  if (hidden && *hidden == "true") return {};
  const auto exec = KeyFileValue(desktopFile, "Desktop Entry", "Exec");
  return exec ? FirstExecArgument(Unescape(*exec)) : std::string();
}

std::string DefaultApplicationProgram(std::string_view mimeType) {
  if (std::string program = FirstProgramOf(MimeAppsLists(), "Default Applications", mimeType); !program.empty())
    return program;
  if (std::string program = FirstProgramOf(InApplicationFolders("defaults.list"), "Default Applications", mimeType);
      !program.empty())
    return program;
  return FirstProgramOf(InApplicationFolders("mimeinfo.cache"), "MIME Cache", mimeType);
}

}  // namespace platform::desktop
