#pragma once

// Writes what a window of the layer shows into its widget: text, check, items, selection,
// read-only mark, enabled state, font and icon. The widget's signals are blocked meanwhile,
// so that nothing written here goes back to the layer as if the user had done it. Place and
// visibility belong to the mirror, which knows the window's surroundings.

#include <QString>
#include <QWidget>

#include "host/desktop/widget_kind.h"
#include "platform/window/snapshot.h"
#include "platform/window/window_types.h"

namespace tessaly::desktop {

void ApplyChange(QWidget* widget, WidgetKind kind, const platform::window::WindowSnapshot& shot,
                 platform::window::Change change);
// Everything but place and visibility.
void ApplyState(QWidget* widget, WidgetKind kind, const platform::window::WindowSnapshot& shot);

// A label's text without its mnemonic marks: "&&" is one "&", a single "&" goes.
QString WithoutMnemonics(const QString& text);

}  // namespace tessaly::desktop
