#include "host/sheet/summary_list.h"

#include "framework/cfg_tab.h"
#include "pages/summary_item.h"

namespace tessaly::host {

SummaryList::~SummaryList() { Free(); }

bool SummaryList::CollectFrom(CCfgTab& tab) {
  Free();
  // Rows appended before a refusal are still ours to free.
  return tab.GetSummary(&m_list);
}

std::vector<SummaryRow> SummaryList::Rows() {
  std::vector<SummaryRow> rows;
  for (POSITION at = m_list.GetHeadPosition(); at;) {
    const SummaryItem* item = SummaryItemOf(m_list.GetNext(at));
    if (item) rows.push_back({item->flag, item->title.Str(), item->value.Str()});
  }
  return rows;
}

void SummaryList::Free() {
  for (POSITION at = m_list.GetHeadPosition(); at;) delete SummaryItemOf(m_list.GetNext(at));
  m_list.RemoveAll();
}

}  // namespace tessaly::host
