#pragma once

// Dialogs from templates: the dialog window with the template's font, its controls in
// template order with their places converted from dialog units to pixels by the font's
// base units, and the modal run.

#include <functional>
#include <string_view>

#include "platform/resource/dialog_template.h"
#include "platform/win32/structs.h"
#include "platform/win32/types.h"

namespace platform::window {

// The average character width and the height of a font, in pixels at 96 dots per inch.
// Without real glyphs these follow the classic 8-point dialog font's 6 by 13.
SIZE BaseUnitsOf(std::string_view face, int pointSize);
RECT DialogUnitsToPixels(const DialogTemplate& dialog, short x, short y, short cx, short cy);

// Creates the dialog: a child of `parent` when the template says WS_CHILD, else a pop-up
// owned by it. `onCreated` runs once the dialog window exists and before any control, so
// that a framework can take over its messages. The template's font is created for the
// dialog (and deleted with it) and given to every control. WM_INITDIALOG follows last,
// with `initParam`. Null when the dialog cannot be made.
HWND CreateDialogFromTemplate(const DialogTemplate& dialog, HWND parent, const std::function<void(HWND)>& onCreated,
                              LPARAM initParam);

// Puts each combo box's initial entries of the template into it (the dialog's
// initialisation data).
void FillInitialEntries(HWND dialog, const DialogTemplate& dialogTemplate);

UINT DialogTemplateId(HWND dialog);

// Shows the dialog, disables its owner, runs its modal loop, re-enables the owner and
// destroys the dialog; returns the result given to EndDialog.
INT_PTR RunModalDialog(HWND dialog);

}  // namespace platform::window
