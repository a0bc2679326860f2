#pragma once

// Makes the widget that stands for one window of the layer, of its kind, with what does not
// change later: its focus policy (tab stops take the keyboard), the pointer going through the
// statics and group boxes that let it through, and pointer tracking for the hint.

#include <QWidget>

#include "host/desktop/widget_kind.h"
#include "platform/win32/types.h"

namespace tessaly::desktop {

// `parent` is the parent window's widget, or for a top-level window its owner's (may be null).
// Null for the check list's inner window, which has no widget of its own.
QWidget* MakeWidget(WidgetKind kind, DWORD style, QWidget* parent);

}  // namespace tessaly::desktop
