#pragma once

// Which Qt widget stands for a window of the layer: decided from its class and styles alone,
// so that a style change that turns one kind into another makes the widget anew.

#include <string_view>

#include "platform/win32/types.h"

namespace tessaly::desktop {

enum class WidgetKind {
  TopLevel,   // a window without WS_CHILD: dialog, frame, sheet
  Container,  // a child dialog (a property page) or any child window of unknown class
  PushButton,
  CheckBox,
  RadioButton,
  GroupBox,
  LineEdit,
  MultiLineEdit,
  Label,
  Icon,
  Separator,  // etched lines and frames drawn by static controls
  ComboBox,
  ListBox,
  CheckList,
  CheckListInner,  // the check list's inner list window: the check list's widget covers it
};

// `parentClass` is the class of the window's parent (empty for top-level windows).
WidgetKind KindOf(std::string_view className, DWORD style, std::string_view parentClass);

// Statics and group boxes that let the pointer through to what lies beneath them.
bool LetsPointerThrough(WidgetKind kind, DWORD style);

}  // namespace tessaly::desktop
