#pragma once

// What a dialog tells the user when its OK could not write the settings file: the dialog then
// stays open, so that the choice is not lost without a word.

#include "platform/afx/afx_string.h"

void ReportSettingsNotWritten(const CString& settingsFile);
