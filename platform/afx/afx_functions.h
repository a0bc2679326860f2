#pragma once

// The framework's free functions that callers use for messages and texts.

#include "platform/afx/afx_string.h"
#include "platform/win32/messages.h"

// Shows a message box through the front end's presenter; answers the button pressed.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);
// With the text of a string of the resource chain; the help context defaults to its id.
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));

// The string `id` with every "%1" replaced by `argument`; empty when the string is missing.
void AfxFormatString1(CString& result, UINT id, LPCSTR argument);
