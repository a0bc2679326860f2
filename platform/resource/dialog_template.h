#pragma once

// A dialog template as a module carries it: the dialog's frame and font, and per control
// its id, class, style, text and place in dialog units. Controls are listed in template
// order, which becomes their Z-order.

#include <span>
#include <string_view>

#include "platform/win32/types.h"

namespace platform {

struct DialogControl {
  int id;
  std::string_view className;
  DWORD style;
  std::string_view text;
  short x;
  short y;
  short cx;
  short cy;
  // A static with SS_ICON shows this icon of the resource chain.
  UINT iconId = 0;
  // The entries that the dialog's initialisation puts into a combo box.
  std::span<const std::string_view> initEntries = {};
};

struct DialogTemplate {
  UINT id;
  DWORD style;
  std::string_view caption;
  std::string_view fontFace;
  int pointSize;
  BYTE charSet;
  short cx;
  short cy;
  std::span<const DialogControl> controls;
};

}  // namespace platform
