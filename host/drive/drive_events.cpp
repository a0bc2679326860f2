#include "host/drive/drive_events.h"

#include "host/drive/drive_output.h"
#include "platform/debug/debug_output.h"
#include "platform/help/html_help.h"
#include "platform/process/process.h"
#include "platform/win32/messages.h"

namespace tessaly::host {

using nlohmann::ordered_json;

DriveEvents::DriveEvents(DriveOutput& output) : m_output(output) {
  platform::window::AddObserver(this);
  platform::window::SetMessageBoxPresenter(this);
  platform::process::SetSpawnObserver([this](const platform::process::SpawnRecord& spawn) {
    m_output.Write({{"event", "spawn"},
                    {"program", PathTextUtf8(spawn.program)},
                    {"cmdline", PathTextUtf8(spawn.commandLine)},
                    {"cwd", PathTextUtf8(spawn.workingFolder)},
                    {"started", spawn.started}});
  });
  platform::debug::SetDebugObserver([this](std::string_view text) {
    m_output.Write({{"event", "debug"}, {"text", PathTextUtf8(text)}});
  });
  platform::help::SetHtmlHelpObserver([this](const platform::help::HtmlHelpRecord& call) {
    m_output.Write({{"event", "htmlhelp"},
                    {"file", PathTextUtf8(call.file)},
                    {"command", call.command},
                    {"data", static_cast<std::uint64_t>(call.data)}});
  });
}

DriveEvents::~DriveEvents() {
  platform::help::SetHtmlHelpObserver({});
  platform::debug::SetDebugObserver({});
  platform::process::SetSpawnObserver({});
  platform::window::SetMessageBoxPresenter(nullptr);
  platform::window::RemoveObserver(this);
}

void DriveEvents::OnModalBegin(HWND, UINT templateId) {
  m_output.Write({{"event", "modal-begin"}, {"template", templateId}});
}

void DriveEvents::OnModalEnd(HWND, UINT templateId, INT_PTR result) {
  m_output.Write({{"event", "modal-end"}, {"template", templateId}, {"result", result}});
}

int DriveEvents::Present(HWND, std::string_view text, std::string_view, UINT, UINT helpId) {
  m_output.Write({{"event", "messagebox"}, {"text", WindowTextUtf8(text)}, {"help", helpId}});
  return IDOK;
}

std::optional<LRESULT> DriveEvents::OnMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  m_output.Write({{"event", "message"},
                  {"to", "top-level"},
                  {"msg", message},
                  {"wparam", static_cast<std::uint64_t>(wParam)},
                  {"lparam", static_cast<std::int64_t>(lParam)}});
  if (message == WM_COMMANDHELP) return TRUE;
  return std::nullopt;
}

}  // namespace tessaly::host
