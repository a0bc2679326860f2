#include "help/help_launcher.h"

#include <cstdio>

#include "help/help_command.h"
#include "platform/debug/debug_output.h"
#include "platform/module/library.h"
#include "platform/process/module_path.h"
#include "platform/process/process.h"
#include "platform/window/foreground_window.h"

namespace tessaly {

namespace {

constexpr char kHelpLibrary[] = "ZoZozuVodo.so";
constexpr char kHelpEntry[] = "ZoZozuVodo2";
using HelpEntry = int (*)(HWND foreground, const char* idText, int reserved);

// The product's help library, when present, may show the topic itself. It stays loaded once
// it has an entry, as later requests will ask it again.
bool HelpLibraryShows(const char* idText) {
  HMODULE library = LoadLibraryA(kHelpLibrary);
  if (!library) return false;
  const FARPROC entry = GetProcAddress(library, kHelpEntry);
  if (!entry) {
    FreeLibrary(library);
    return false;
  }
  return platform::module::EntryAs<HelpEntry>(entry)(GetForegroundWindow(), idText, 0) != 0;
}

void Start(const HelpCommand& command) {
  OutputDebugStringA(command.commandLine.c_str());
  OutputDebugStringA(("working dir : " + command.workingFolder).c_str());
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  std::string commandLine = command.commandLine;
  if (!CreateProcessA(command.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      command.workingFolder.c_str(), &startup, &started)) {
    OutputDebugStringA("command failed");
    return;
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
}

}  // namespace

void LaunchHelp(int helpId) {
  char idText[30];
  std::snprintf(idText, sizeof idText, "%d", helpId);
  if (HelpLibraryShows(idText)) return;

  // A path that does not fit is not cut: a cut path would name another program.
  char executable[kHelpTextLimit + 1];
  const DWORD length = GetModuleFileNameA(nullptr, executable, sizeof executable);
  if (length == 0 || length >= sizeof executable) return;
  const std::string browser = IsBrowserHelp(helpId) ? GetBrowserPath() : std::string();
  if (const auto command = HelpCommandFor(helpId, std::string_view(executable, length), browser)) Start(*command);
}

}  // namespace tessaly
