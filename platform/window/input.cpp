#include "platform/window/input.h"

#include <string>

#include "platform/text/code_page.h"
#include "platform/window/check_list.h"
#include "platform/window/key_state.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "platform/window/window_classes.h"

namespace platform::window::input {

namespace {

// A window the user can reach: it and everything above it enabled and visible.
bool Reachable(HWND window) {
  for (HWND up = window; up; up = GetParent(up)) {
    if (!IsWindowEnabled(up) || !(GetWindowLongA(up, GWL_STYLE) & WS_VISIBLE)) return false;
    if (!(GetWindowLongA(up, GWL_STYLE) & WS_CHILD)) break;
  }
  return true;
}

bool TakesPointer(HWND window) {
  return IsWindowEnabled(window) && (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) &&
         SendMessageA(window, WM_NCHITTEST, 0, 0) != HTTRANSPARENT;
}

Outcome Check(HWND window) {
  if (!IsWindow(window)) return Outcome::NoWindow;
  return Reachable(window) ? Outcome::Done : Outcome::Unreachable;
}

Outcome Finish(Outcome outcome) {
  PumpPending();
  return outcome;
}

void Notify(HWND control, UINT code) {
  if (!(GetWindowLongA(control, GWL_STYLE) & WS_CHILD)) return;
  SendMessageA(GetParent(control), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), static_cast<WORD>(code)),
               reinterpret_cast<LPARAM>(control));
}

class HeldModifiers {
 public:
  explicit HeldModifiers(Modifiers modifiers) : m_modifiers(modifiers) { Set(true); }
  ~HeldModifiers() { Set(false); }
  HeldModifiers(const HeldModifiers&) = delete;
  HeldModifiers& operator=(const HeldModifiers&) = delete;

 private:
  void Set(bool down) {
    if (m_modifiers.shift) SetKeyDown(VK_SHIFT, down);
    if (m_modifiers.ctrl) SetKeyDown(VK_CONTROL, down);
    if (m_modifiers.alt) SetKeyDown(VK_MENU, down);
  }
  Modifiers m_modifiers;
};

HWND KeyTarget(HWND active) {
  const HWND focus = GetFocus();
  return focus && (focus == active || IsChild(active, focus)) && Reachable(focus) ? focus : active;
}

}  // namespace

const char* Describe(Outcome outcome) {
  switch (outcome) {
    case Outcome::Done:
      return "done";
    case Outcome::NoWindow:
      return "no such window";
    case Outcome::Unreachable:
      return "window is disabled or hidden";
    case Outcome::WrongKind:
      return "not applicable to this kind of window";
    case Outcome::ReadOnly:
      return "edit box is read-only";
    case Outcome::NoSuchEntry:
      return "no such entry";
  }
  return "unknown";
}

Outcome PointerOnto(HWND window) {
  if (!IsWindow(window)) return Outcome::NoWindow;
  HWND target = window;
  while (!TakesPointer(target) && (GetWindowLongA(target, GWL_STYLE) & WS_CHILD)) target = GetParent(target);
  if (!TakesPointer(target) || !Reachable(target)) return Outcome::Unreachable;
  SendMessageA(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  SendMessageA(target, WM_MOUSEMOVE, 0, 0);
  return Finish(Outcome::Done);
}

Outcome Click(HWND window) {
  if (Outcome outcome = Check(window); outcome != Outcome::Done) return outcome;
  SendMessageA(window, WM_LBUTTONDOWN, 0, 0);
  SendMessageA(window, WM_LBUTTONUP, 0, 0);
  return Finish(Outcome::Done);
}

Outcome Key(HWND active, int virtualKey, Modifiers modifiers) {
  if (Outcome outcome = Check(active); outcome != Outcome::Done) return outcome;
  HeldModifiers held(modifiers);
  const HWND target = KeyTarget(active);
  switch (virtualKey) {
    case VK_F1: {
      HELPINFO info{sizeof(HELPINFO), HELPINFO_WINDOW, GetDlgCtrlID(target), target, 0, {0, 0}};
      SendMessageA(target, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
      break;
    }
    case VK_ESCAPE:
      SendMessageA(active, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(active, IDCANCEL)));
      break;
    case VK_RETURN:
      SendMessageA(active, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(active, IDOK)));
      break;
    default:
      SendMessageA(target, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 0);
      SendMessageA(target, WM_KEYUP, static_cast<WPARAM>(virtualKey), 0);
      break;
  }
  return Finish(Outcome::Done);
}

Outcome Type(HWND edit, std::string_view text) {
  if (Outcome outcome = Check(edit); outcome != Outcome::Done) return outcome;
  if (ClassNameOf(edit) != kEditClass) return Outcome::WrongKind;
  if (GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) return Outcome::ReadOnly;
  SetFocus(edit);
  const std::string narrow = platform::text::Utf8ToAnsi(text);
  SetWindowTextA(edit, narrow.c_str());
  Notify(edit, EN_CHANGE);
  return Finish(Outcome::Done);
}

Outcome Choose(HWND combo, std::string_view text) {
  if (Outcome outcome = Check(combo); outcome != Outcome::Done) return outcome;
  if (ClassNameOf(combo) != kComboBoxClass) return Outcome::WrongKind;
  const std::string wanted = platform::text::Utf8ToAnsi(text);
  const auto count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int index = 0; index < count; ++index) {
    std::string entry(static_cast<std::size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0)),
                      '\0');
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.data()));
    if (entry != wanted) continue;
    SetFocus(combo);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Notify(combo, CBN_SELCHANGE);
    return Finish(Outcome::Done);
  }
  return Outcome::NoSuchEntry;
}

Outcome Command(HWND window, int id) {
  if (Outcome outcome = Check(window); outcome != Outcome::Done) return outcome;
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
  return Finish(Outcome::Done);
}

Outcome ListAdd(HWND list, std::string_view text, int state) {
  if (Outcome outcome = Check(list); outcome != Outcome::Done) return outcome;
  if (!CheckListAppend(list, platform::text::Utf8ToWide(text), state)) return Outcome::WrongKind;
  return Finish(Outcome::Done);
}

Outcome ListSet(HWND list, int index, int state) {
  if (Outcome outcome = Check(list); outcome != Outcome::Done) return outcome;
  if (ClassNameOf(list) != kCheckListClass) return Outcome::WrongKind;
  if (!CheckListSetState(list, index, state)) return Outcome::NoSuchEntry;
  return Finish(Outcome::Done);
}

Outcome ListRemove(HWND list, int index) {
  if (Outcome outcome = Check(list); outcome != Outcome::Done) return outcome;
  if (ClassNameOf(list) != kCheckListClass) return Outcome::WrongKind;
  if (!CheckListRemove(list, index)) return Outcome::NoSuchEntry;
  return Finish(Outcome::Done);
}

}  // namespace platform::window::input
