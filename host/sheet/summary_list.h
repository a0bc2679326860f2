#pragma once

// The object list a host hands a tab for its summary. The rows the tab appends belong to the
// host: the list frees them when it goes.

#include <string>
#include <vector>

#include "platform/afx/collections.h"

class CCfgTab;

namespace tessaly::host {

// One row as the tab wrote it, in the tab's narrow text.
struct SummaryRow {
  int flag = 0;
  std::string title;
  std::string value;
};

class SummaryList {
 public:
  SummaryList() = default;
  ~SummaryList();
  SummaryList(const SummaryList&) = delete;
  SummaryList& operator=(const SummaryList&) = delete;

  // Asks the tab for its rows; false when it has no summary to give.
  bool CollectFrom(CCfgTab& tab);
  std::vector<SummaryRow> Rows();

 private:
  void Free();

  CObList m_list;
};

}  // namespace tessaly::host
