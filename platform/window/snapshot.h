#pragma once

// What a window shows, in one record, for the driver's dump and for front ends that
// mirror the windows. Texts are UTF-8.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/structs.h"
#include "platform/win32/types.h"

namespace platform::window {

struct FontSnapshot {
  std::string face;
  int height;
  int weight;
  int charSet;
};

struct WindowSnapshot {
  HWND handle = nullptr;
  int id = 0;
  std::string className;
  std::string text;
  bool enabled = false;
  bool visible = false;
  DWORD style = 0;
  std::optional<int> check;                                           // buttons
  std::optional<bool> readOnly;                                       // edit boxes
  std::optional<std::vector<std::string>> items;                      // combo and list boxes
  std::optional<std::vector<std::pair<std::string, int>>> listItems;  // check lists
  std::optional<int> selection;                                       // combo and list boxes
  std::optional<FontSnapshot> font;
  RECT rect{};  // pixels, relative to the top-left corner of `relativeTo`
};

WindowSnapshot Snapshot(HWND window, HWND relativeTo);

// Every descendant of the window, depth first in Z-order.
std::vector<HWND> Descendants(HWND root);

}  // namespace platform::window
