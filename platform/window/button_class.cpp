// Buttons: push buttons, check boxes, three-state boxes, radio buttons and group boxes.
// Automatic types change their own state on a click; every click reaches the parent as a
// command.

#include "platform/window/window.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_record.h"

using platform::window::Change;
using platform::window::detail::Find;
using platform::window::detail::NotifyChanged;

namespace {

DWORD TypeOf(HWND button) { return Find(button) ? Find(button)->style & BS_TYPEMASK : BS_PUSHBUTTON; }

bool HasCheckState(DWORD type) {
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_3STATE ||
         type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
}

void SetCheck(HWND button, int check) {
  auto* record = Find(button);
  if (!record || !HasCheckState(record->style & BS_TYPEMASK) || record->check == check) return;
  record->check = check;
  NotifyChanged(button, Change::Check);
}

bool StartsGroup(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_GROUP) != 0; }

// The other automatic radio buttons of the button's group lose their check.
void UncheckRadioGroup(HWND button) {
  HWND first = button;
  while (!StartsGroup(first) && GetWindow(first, GW_HWNDPREV)) first = GetWindow(first, GW_HWNDPREV);
  for (HWND sibling = first; sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling != first && StartsGroup(sibling)) break;
    if (sibling != button && platform::window::ClassNameOf(sibling) == platform::window::kButtonClass &&
        TypeOf(sibling) == BS_AUTORADIOBUTTON)
      SetCheck(sibling, BST_UNCHECKED);
  }
}

void Click(HWND button) {
  if (!IsWindowEnabled(button)) return;
  const auto* record = Find(button);
  const int check = record->check;
  switch (record->style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
      SetCheck(button, check == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED);
      break;
    case BS_AUTO3STATE:
      SetCheck(button, (check + 1) % 3);
      break;
    case BS_AUTORADIOBUTTON:
      SetCheck(button, BST_CHECKED);
      UncheckRadioGroup(button);
      break;
    default:
      break;
  }
  if (const auto* clicked = Find(button); clicked && (clicked->style & WS_CHILD))
    SendMessageA(clicked->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(clicked->id), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

}  // namespace

namespace platform::window {

LRESULT ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* record = detail::Find(window);
  if (!record) return 0;
  switch (message) {
    case BM_GETCHECK:
      return record->check;
    case BM_SETCHECK: {
      const DWORD type = record->style & BS_TYPEMASK;
      const bool threeState = type == BS_3STATE || type == BS_AUTO3STATE;
      const int check = static_cast<int>(wParam);
      SetCheck(window, check == BST_INDETERMINATE && !threeState ? BST_CHECKED : (check > 2 ? BST_CHECKED : check));
      return 0;
    }
    case BM_SETSTYLE:
      // The button styles are the low word; the window styles above it stay.
      record->style = (record->style & 0xFFFF0000u) | LOWORD(wParam);
      NotifyChanged(window, Change::Style);
      return 0;
    case BM_CLICK:
    case WM_LBUTTONUP:
      Click(window);
      return 0;
    case WM_LBUTTONDOWN:
      if (IsWindowEnabled(window)) SetFocus(window);
      return 0;
    case WM_NCHITTEST:
      return (record->style & BS_TYPEMASK) == BS_GROUPBOX ? HTTRANSPARENT : HTCLIENT;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace platform::window
