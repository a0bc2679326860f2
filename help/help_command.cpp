#include "help/help_command.h"

#include <unistd.h>

#include <climits>
#include <cstdint>
#include <vector>

namespace tessaly {

namespace {

constexpr int kAnchoredFirst = 180000;
constexpr int kAnchoredLast = 189999;
constexpr int kBrowserStart = -1;
constexpr int kViewerStart = 0;

std::string Absolute(std::string_view path) {
  if (!path.empty() && path.front() == '/') return std::string(path);
  std::vector<char> folder(PATH_MAX);
  if (!::getcwd(folder.data(), folder.size())) return {};
  return std::string(folder.data()) + "/" + std::string(path);
}

bool KeptInUrl(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  return std::string_view("-._~/!$&'()*+,;=:@").find(static_cast<char>(c)) != std::string_view::npos;
}

// The id as the command lines print it: unsigned decimal.
std::string UnsignedText(int helpId) { return std::to_string(static_cast<std::uint32_t>(helpId)); }

std::string PageOf(int helpId) {
  if (helpId == kBrowserStart) return "/help/Portiva/Default.htm";
  if (IsBrowserHelp(helpId)) return "/help/Portiva/Default_CSH.htm#" + UnsignedText(helpId);
  if (helpId == kViewerStart) return "/help/WebHelp/Old_CSH_Invoker.htm";
  return "/help/WebHelp/Old_CSH_Invoker.htm?topicId=" + UnsignedText(helpId);
}

}  // namespace

bool IsBrowserHelp(int helpId) {
  return helpId == kBrowserStart || (helpId >= kAnchoredFirst && helpId <= kAnchoredLast);
}

std::string FileUrlOf(std::string_view absoluteFolder) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (const char c : absoluteFolder) {
    const auto byte = static_cast<unsigned char>(c);
    if (KeptInUrl(byte)) {
      url += c;
    } else {
      url += '%';
      url += kHex[byte >> 4];
      url += kHex[byte & 0xF];
    }
  }
  return url;
}

std::optional<HelpCommand> HelpCommandFor(int helpId, std::string_view executablePath, std::string_view browser) {
  const std::string executable = Absolute(executablePath);
  const std::size_t programSlash = executable.rfind('/');
  if (executablePath.empty() || programSlash == std::string::npos) return std::nullopt;
  const std::string executableFolder = executable.substr(0, programSlash);
  // The help pages lie in the folder above: the root has none to offer.
  const std::size_t folderSlash = executableFolder.rfind('/');
  if (folderSlash == std::string::npos || folderSlash == 0) return std::nullopt;
  const std::string installationFolder = executableFolder.substr(0, folderSlash);

  HelpCommand command;
  command.workingFolder = executableFolder;
  const std::string quotedUrl = "\"" + FileUrlOf(installationFolder) + PageOf(helpId) + "\"";
  if (IsBrowserHelp(helpId)) {
    command.program = std::string(browser);
    command.commandLine = " " + quotedUrl;
  } else {
    command.program = executableFolder + "/" + kHelpViewerName;
    command.commandLine = std::string(kHelpViewerName) + " " + quotedUrl;
  }
  for (const std::string* text : {&command.program, &command.commandLine, &command.workingFolder})
    if (text->size() > kHelpTextLimit) return std::nullopt;
  return command;
}

}  // namespace tessaly
