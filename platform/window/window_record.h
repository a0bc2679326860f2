#pragma once

// What the window system keeps for one window. Only the layer's own sources use it;
// everyone else goes through the Win32 calls and the snapshot.

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/structs.h"
#include "platform/win32/types.h"
#include "platform/window/window_types.h"

namespace platform::window::detail {

struct CheckListItem {
  std::u16string text;
  int state;
};

struct WindowRecord {
  HWND handle = nullptr;
  std::string className;
  WNDPROC classProc = nullptr;
  WNDPROC proc = nullptr;
  HWND parent = nullptr;       // child windows
  HWND owner = nullptr;        // pop-up windows
  std::vector<HWND> children;  // Z-order, top first
  int id = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::string text;
  HFONT font = nullptr;
  RECT rect{};  // in the parent's client area (top-level windows: on the screen)
  bool needsPaint = false;
  bool destroying = false;

  // Per class.
  int check = 0;                     // Button
  std::vector<std::string> entries;  // ComboBox, ListBox
  int selection = -1;
  HICON icon = nullptr;                  // Static
  std::vector<CheckListItem> listItems;  // check list
  std::u16string listCaption;
  int listOption = 0;

  // Dialogs made from a template.
  UINT templateId = 0;
  HFONT dialogFont = nullptr;
  bool dialogEnded = false;
  INT_PTR dialogResult = 0;
};

// The record of a live window; null for any other handle. Never keep the pointer across a
// message: a window procedure may destroy the window.
WindowRecord* Find(HWND window);

// Reports to the observers.
void NotifyChanged(HWND window, Change change);
void NotifyModalBegin(HWND dialog, UINT templateId);
void NotifyModalEnd(HWND dialog, UINT templateId, INT_PTR result);

void SetFocusWindow(HWND window);

// Forgets the posted messages and timers of a window that goes away.
void DropQueueOf(HWND window);

}  // namespace platform::window::detail
