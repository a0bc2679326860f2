#pragma once

// The one entry point for what a user does: a front end, the scripted driver or a test
// hands each action here, and the layer turns it into the messages the windows would get.
// Texts come in UTF-8. Each action delivers whatever falls due at once afterwards.

#include <string_view>

#include "platform/win32/types.h"

namespace platform::window::input {

enum class Outcome {
  Done,
  NoWindow,     // the handle names no window
  Unreachable,  // the window, or a window above it, is disabled or hidden
  WrongKind,    // the action does not apply to this kind of window
  ReadOnly,     // an edit box that takes no typing
  NoSuchEntry,  // no combo-box entry of that text, no check-list item of that index
};
const char* Describe(Outcome outcome);

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// The pointer comes onto the window: the window that takes it (hidden, disabled and
// see-through windows let it through to their parent) gets the cursor message, which
// travels up to its parents.
Outcome PointerOnto(HWND window);

// A mouse click on a control: the pointer does not move and no cursor message is sent.
Outcome Click(HWND window);

// A key pressed while `active` (a dialog or page) is the active window. F1 asks for help
// at the focus window (or `active` when the focus is elsewhere); Escape and Return are
// Cancel and OK of a dialog; other keys reach the focus window as WM_KEYDOWN.
Outcome Key(HWND active, int virtualKey, Modifiers modifiers);

// Replaces the text of an edit box, as typing over it does.
Outcome Type(HWND edit, std::string_view text);

// Chooses the combo-box entry of exactly this text.
Outcome Choose(HWND combo, std::string_view text);

// A command from a menu or an accelerator, sent to the window.
Outcome Command(HWND window, int id);

// The user editing a check-list control.
Outcome ListAdd(HWND list, std::string_view text, int state);
Outcome ListSet(HWND list, int index, int state);
Outcome ListRemove(HWND list, int index);

}  // namespace platform::window::input
