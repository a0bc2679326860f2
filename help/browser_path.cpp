#include "help/browser_path.h"

#include <vector>

#include "help/help_command.h"
#include "help/help_launcher.h"
#include "platform/debug/debug_output.h"
#include "platform/desktop/default_application.h"
#include "platform/registry/registry.h"

namespace tessaly {

namespace {

constexpr char kOpenCommandKey[] = "\\htmlfile\\shell\\open\\command";

std::string DesktopBrowser() {
  std::string program = platform::desktop::DefaultApplicationProgram("text/html");
  return program.size() > kHelpTextLimit ? std::string() : program;
}

enum class Read { kDone, kFailed, kTooLong };

// The key's default value, read as the size first, then the text.
Read OpenCommand(HKEY key, std::string& command) {
  DWORD size = 0;
  if (RegQueryValueExA(key, nullptr, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) return Read::kFailed;
  if (size > kHelpTextLimit + 1) return Read::kTooLong;
  std::vector<char> text(size + 1, '\0');
  if (RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<LPBYTE>(text.data()), &size) != ERROR_SUCCESS)
    return Read::kFailed;
  command = text.data();
  return Read::kDone;
}

}  // namespace

std::string ProgramBetweenQuotes(std::string_view command) {
  // The quote that closes the program's own: a command that quotes its argument too
  // ("/usr/bin/web" -url "%1") must still name the program alone.
  const std::size_t first = command.find('"');
  if (first == std::string_view::npos) return {};
  const std::size_t closing = command.find('"', first + 1);
  if (closing == std::string_view::npos) return {};
  return std::string(command.substr(first + 1, closing - first - 1));
}

std::string GetBrowserPath() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kOpenCommandKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return DesktopBrowser();
  std::string command;
  const Read read = OpenCommand(key, command);
  RegCloseKey(key);
  if (read == Read::kFailed) OutputDebugStringA("NO IE path at registry !!!");
  if (read != Read::kDone) return {};
  return ProgramBetweenQuotes(command);
}

}  // namespace tessaly
