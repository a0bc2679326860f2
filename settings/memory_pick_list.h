#pragma once

// A pick list held in memory, ordered as a drop-down list orders its entries.

#include "settings/pick_list.h"

namespace tessaly {

class CMemoryPickList : public CPickList {
 public:
  explicit CMemoryPickList(bool sorts) : m_bSorts(sorts) {}

  std::size_t Count() const override { return m_entries.size(); }
  std::string Entry(std::size_t index) const override { return m_entries.at(index); }
  std::optional<std::size_t> Selection() const override { return m_nSelected; }
  void Reset() override;
  // A sorting list puts the entry after every entry that does not order after it without
  // regard to case, so equal entries keep the order they came in.
  std::size_t Add(std::string_view entry) override;
  void Select(std::optional<std::size_t> index) override;
  bool Sorts() const override { return m_bSorts; }

 private:
  bool m_bSorts;
  std::vector<std::string> m_entries;
  std::optional<std::size_t> m_nSelected;
};

}  // namespace tessaly
