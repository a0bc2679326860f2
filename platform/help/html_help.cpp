#include "platform/help/html_help.h"

#include <cstdlib>

#include "platform/process/command_line.h"
#include "platform/process/process.h"
#include "platform/support/observer_slot.h"

namespace platform::help {

namespace {

ObserverSlot<HtmlHelpObserver>& Observer() {
  static ObserverSlot<HtmlHelpObserver> slot;
  return slot;
}

void StartViewer(const HtmlHelpRecord& request) {
  const char* viewer = std::getenv("TESSALY_HTMLHELP_VIEWER");
  if (!viewer || !*viewer) return;
  std::string commandLine = ViewerCommandLine(request);
  if (commandLine.empty()) return;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (CreateProcessA(viewer, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
  }
}

}  // namespace

void SetHtmlHelpObserver(HtmlHelpObserver observer) { Observer().Set(std::move(observer)); }

std::string ViewerCommandLine(const HtmlHelpRecord& request) {
  if (request.file.empty()) return {};
  // A leading blank leaves the program name to the program path.
  std::string line = " " + process::QuoteArgument(request.file);
  if (request.command == HH_HELP_CONTEXT) return line + " " + std::to_string(request.data);
  if (request.command == HH_DISPLAY_TOPIC) return line;
  return {};
}

}  // namespace platform::help

HWND HtmlHelpA(HWND, LPCSTR file, UINT command, DWORD_PTR data) {
  using namespace platform::help;
  const HtmlHelpRecord request{file ? file : "", command, data};
  Observer().Notify(request);
  StartViewer(request);
  return nullptr;
}
