#include "host/drive/driver.h"

#include <algorithm>

#include "host/drive/drive_line.h"
#include "host/drive/drive_output.h"
#include "platform/window/dialog_manager.h"

namespace tessaly::host {

namespace {

const DriveCommand* FindCommand(std::string_view name) {
  for (const std::span<const DriveCommand> table : {SheetCommands(), InputCommands()})
    for (const DriveCommand& command : table)
      if (command.name == name) return &command;
  return nullptr;
}

}  // namespace

Driver::Driver(std::istream& script, DriveContext context) : m_script(script), m_context(context) {
  platform::window::SetInputSource(this);
}

Driver::~Driver() { platform::window::SetInputSource(nullptr); }

void Driver::Run() {
  while (RunNextCommand()) {
  }
}

bool Driver::WaitForInput() {
  if (RunNextCommand()) return true;
  const HWND dialog = platform::window::ActiveModalDialog();
  if (std::find(m_cancelled.begin(), m_cancelled.end(), dialog) == m_cancelled.end()) {
    m_cancelled.push_back(dialog);
    m_context.output.Write({{"event", "script-end"}, {"cancels", platform::window::DialogTemplateId(dialog)}});
  }
  return false;
}

bool Driver::RunNextCommand() {
  std::string text;
  while (std::getline(m_script, text)) {
    ++m_nLine;
    const DriveLine line = SplitDriveLine(text);
    if (!line.error.empty()) {
      m_context.output.Error(line.error, m_nLine);
      return true;
    }
    if (line.words.empty()) continue;
    Execute(line.words);
    return true;
  }
  return false;
}

void Driver::Execute(const std::vector<std::string>& words) {
  const int line = m_nLine;
  const DriveCommand* command = FindCommand(words.front());
  if (!command) {
    m_context.output.Error("unknown command \"" + words.front() + "\"", line);
    return;
  }
  const Arguments arguments = std::span(words).subspan(1);
  if (arguments.size() < command->minArguments || arguments.size() > command->maxArguments) {
    m_context.output.Error("usage: " + std::string(command->usage), line);
    return;
  }
  if (const CommandError error = command->run(m_context, arguments)) m_context.output.Error(*error, line);
  // As an application's idle loop would: what fell due meanwhile (the hint of a page just
  // shown) is delivered before the next command.
  platform::window::PumpPending();
}

}  // namespace tessaly::host
