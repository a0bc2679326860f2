#include "settings/pick_list.h"

#include "platform/crt/text.h"

namespace tessaly {

std::string CPickList::Text() const {
  const std::optional<std::size_t> selected = Selection();
  return selected ? Entry(*selected) : std::string();
}

std::vector<std::string> CPickList::Entries() const {
  std::vector<std::string> entries;
  entries.reserve(Count());
  for (std::size_t i = 0; i < Count(); ++i) entries.push_back(Entry(i));
  return entries;
}

std::optional<std::size_t> CPickList::IndexOf(std::string_view text) const {
  for (std::size_t i = 0; i < Count(); ++i)
    if (Entry(i) == text) return i;
  return std::nullopt;
}

void CPickList::SelectByBeginning(std::string_view text) {
  for (std::size_t i = 0; i < Count(); ++i) {
    if (platform::crt::StartsWithIgnoringCase(Entry(i), text)) {
      Select(i);
      return;
    }
  }
}

void CPickList::SelectByWholeText(std::string_view text) {
  for (std::size_t i = 0; i < Count(); ++i) {
    if (platform::crt::EqualsIgnoringCase(Entry(i), text)) {
      Select(i);
      return;
    }
  }
  Select(std::nullopt);
}

}  // namespace tessaly
