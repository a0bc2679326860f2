// The user's input to the active window (the innermost modal dialog, else the current page),
// the clock, and dump.

#include <climits>

#include "host/drive/control_json.h"
#include "host/drive/drive_command.h"
#include "host/drive/drive_output.h"
#include "host/sheet/tab_host.h"
#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"

namespace tessaly::host {

namespace {

using platform::window::input::Outcome;

// The window the user acts on, and in it the control of `idWord` (0: the window itself).
CommandError Target(DriveContext& context, const std::string& idWord, HWND& target) {
  const auto id = ParseNumber(idWord, INT_MIN, INT_MAX);
  if (!id) return NotANumber("ID", idWord);
  const HWND active = context.host.Sheet().ActiveWindow();
  if (!active) return "no window to act on: show a page first";
  target = *id == 0 ? active : platform::window::FindDescendant(active, static_cast<int>(*id));
  if (!target) return "no control " + idWord + " in the active window";
  return std::nullopt;
}

CommandError Result(Outcome outcome) {
  if (outcome == Outcome::Done) return std::nullopt;
  return platform::window::input::Describe(outcome);
}

CommandError Hover(DriveContext& context, Arguments arguments) {
  HWND target = nullptr;
  if (CommandError error = Target(context, arguments[0], target)) return error;
  return Result(platform::window::input::PointerOnto(target));
}

CommandError Click(DriveContext& context, Arguments arguments) {
  HWND target = nullptr;
  if (CommandError error = Target(context, arguments[0], target)) return error;
  return Result(platform::window::input::Click(target));
}

CommandError Select(DriveContext& context, Arguments arguments) {
  HWND target = nullptr;
  if (CommandError error = Target(context, arguments[0], target)) return error;
  return Result(platform::window::input::Choose(target, arguments[1]));
}

CommandError Type(DriveContext& context, Arguments arguments) {
  HWND target = nullptr;
  if (CommandError error = Target(context, arguments[0], target)) return error;
  return Result(platform::window::input::Type(target, arguments[1]));
}

CommandError Command(DriveContext& context, Arguments arguments) {
  const auto id = ParseNumber(arguments[0], 0, 0xFFFF);
  if (!id) return NotANumber("ID", arguments[0]);
  const HWND active = context.host.Sheet().ActiveWindow();
  if (!active) return "no window to act on: show a page first";
  return Result(platform::window::input::Command(active, static_cast<int>(*id)));
}

CommandError Modifier(const std::string& word, platform::window::input::Modifiers& modifiers) {
  if (word == "shift")
    modifiers.shift = true;
  else if (word == "ctrl")
    modifiers.ctrl = true;
  else if (word == "alt")
    modifiers.alt = true;
  else
    return "unknown modifier \"" + word + "\": shift, ctrl or alt";
  return std::nullopt;
}

CommandError Key(DriveContext& context, Arguments arguments) {
  const std::string& name = arguments[0];
  int key = 0;
  if (name == "F1" || name == "f1")
    key = VK_F1;
  else if (name == "escape" || name == "Escape")
    key = VK_ESCAPE;
  else
    return "unknown key \"" + name + "\": F1 or escape";
  platform::window::input::Modifiers modifiers;
  for (const std::string& word : arguments.subspan(1))
    if (CommandError error = Modifier(word, modifiers)) return error;
  const HWND active = context.host.Sheet().ActiveWindow();
  if (!active) return "no window to act on: show a page first";
  return Result(platform::window::input::Key(active, key, modifiers));
}

CommandError ListAdd(DriveContext& context, Arguments arguments) {
  const auto state = ParseNumber(arguments[2], INT_MIN, INT_MAX);
  if (!state) return NotANumber("STATE", arguments[2]);
  HWND target = nullptr;
  if (CommandError error = Target(context, arguments[0], target)) return error;
  return Result(platform::window::input::ListAdd(target, arguments[1], static_cast<int>(*state)));
}

CommandError ListSet(DriveContext& context, Arguments arguments) {
  const auto index = ParseNumber(arguments[1], 0, INT_MAX);
  if (!index) return NotANumber("INDEX", arguments[1]);
  const auto state = ParseNumber(arguments[2], INT_MIN, INT_MAX);
  if (!state) return NotANumber("STATE", arguments[2]);
  HWND target = nullptr;
  if (CommandError error = Target(context, arguments[0], target)) return error;
  return Result(platform::window::input::ListSet(target, static_cast<int>(*index), static_cast<int>(*state)));
}

CommandError Wait(DriveContext&, Arguments arguments) {
  const auto ms = ParseNumber(arguments[0], 0, INT64_MAX);
  if (!ms) return NotANumber("MS", arguments[0]);
  if (!platform::window::AdvanceClock(static_cast<std::uint64_t>(*ms))) return "the clock is not the virtual one";
  return std::nullopt;
}

CommandError Dump(DriveContext& context, Arguments arguments) {
  if (arguments.empty()) {
    const HWND active = context.host.Sheet().ActiveWindow();
    if (!active) return "no window to dump: show a page first";
    context.output.Write(WindowJson(active));
    return std::nullopt;
  }
  HWND target = nullptr;
  if (CommandError error = Target(context, arguments[0], target)) return error;
  context.output.Write(ControlJson(target, context.host.Sheet().ActiveWindow()));
  return std::nullopt;
}

constexpr DriveCommand kCommands[] = {
    {"hover", "hover ID", 1, 1, Hover},
    {"click", "click ID", 1, 1, Click},
    {"select", "select ID TEXT", 2, 2, Select},
    {"type", "type ID TEXT", 2, 2, Type},
    {"key", "key F1 [shift] [ctrl] [alt] | key escape", 1, 4, Key},
    {"command", "command ID", 1, 1, Command},
    {"list-add", "list-add ID TEXT STATE", 3, 3, ListAdd},
    {"list-set", "list-set ID INDEX STATE", 3, 3, ListSet},
    {"wait", "wait MS", 1, 1, Wait},
    {"dump", "dump [ID]", 0, 1, Dump},
};

}  // namespace

std::span<const DriveCommand> InputCommands() { return kCommands; }

}  // namespace tessaly::host
