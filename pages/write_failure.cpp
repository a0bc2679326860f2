#include "pages/write_failure.h"

#include "platform/afx/afx_functions.h"
#include "resources/format_string.h"
#include "resources/library_resources.h"
#include "resources/resource_ids.h"

void ReportSettingsNotWritten(const CString& settingsFile) {
  using namespace tessaly::res;
  const std::string text = FormatString1(LibraryString(IDS_CANNOT_OPEN_FILE), settingsFile.Str());
  AfxMessageBox(text.c_str(), MB_OK, IDS_CANNOT_OPEN_FILE);
}
