#include "settings/memory_pick_list.h"

#include <algorithm>

#include "platform/crt/text.h"

namespace tessaly {

void CMemoryPickList::Reset() {
  m_entries.clear();
  m_nSelected.reset();
}

std::size_t CMemoryPickList::Add(std::string_view entry) {
  auto place = m_entries.end();
  if (m_bSorts) {
    place = std::upper_bound(m_entries.begin(), m_entries.end(), entry, [](std::string_view added, const auto& held) {
      return platform::crt::CompareIgnoringCase(added, held) < 0;
    });
  }
  const auto index = static_cast<std::size_t>(place - m_entries.begin());
  m_entries.insert(place, std::string(entry));
  if (m_nSelected && *m_nSelected >= index) ++*m_nSelected;
  return index;
}

void CMemoryPickList::Select(std::optional<std::size_t> index) {
  m_nSelected = index && *index < m_entries.size() ? index : std::nullopt;
}

}  // namespace tessaly
