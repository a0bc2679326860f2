#pragma once

// One row of a tab's summary. The tab appends each row to its host's object list, and the
// host owns the rows from then on and frees them.

#include "platform/afx/afx_string.h"
#include "platform/afx/object.h"

struct SummaryItem {
  int flag;
  CString title;
  CString value;
};

// The host's list holds object pointers; a row travels in it as one and is taken back out the
// same way.
inline CObject* SummaryItemToEntry(SummaryItem* item) { return reinterpret_cast<CObject*>(item); }
inline SummaryItem* SummaryItemFromEntry(CObject* entry) { return reinterpret_cast<SummaryItem*>(entry); }
