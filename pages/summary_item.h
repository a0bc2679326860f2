#pragma once

// One summary row of a settings tab, as the host collects it: a flag for the host, a title and
// a value. The record is plain, with no base class and no virtual table, so that host and
// library agree on its layout alone. The library allocates each record with new and appends it
// to the host's CObList; from then on the host owns it and frees it with delete.

#include "platform/afx/afx_string.h"
#include "platform/afx/collections.h"

struct SummaryItem {
  int flag;
  CString title;
  CString value;
};

// CObList holds CObject pointers; a summary record travels in it as an opaque pointer that only
// these two turn into a list entry and back. The list never looks at what its entries point to.
inline CObject* AsListEntry(SummaryItem* item) { return reinterpret_cast<CObject*>(item); }
inline SummaryItem* SummaryItemOf(CObject* entry) { return reinterpret_cast<SummaryItem*>(entry); }
