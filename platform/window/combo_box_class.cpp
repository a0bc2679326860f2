// Combo boxes (and their list part): entries, sorting, selection. A sorted box inserts by
// the case-folded order of sorted lists, after the entries that compare equal.

#include <algorithm>
#include <cstring>

#include "platform/crt/text.h"
#include "platform/window/window.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_record.h"

namespace platform::window {

namespace {

LRESULT Insert(detail::WindowRecord& record, HWND window, LRESULT index, const char* text) {
  auto& entries = record.entries;
  std::string entry = text ? text : "";
  if (index < 0 || static_cast<std::size_t>(index) > entries.size()) index = static_cast<LRESULT>(entries.size());
  if (record.selection >= index) ++record.selection;
  entries.insert(entries.begin() + index, std::move(entry));
  detail::NotifyChanged(window, Change::Items);
  return index;
}

LRESULT SortedPosition(const std::vector<std::string>& entries, const char* text) {
  const std::string_view entry = text ? text : "";
  const auto at = std::upper_bound(entries.begin(), entries.end(), entry, [](std::string_view a, const std::string& b) {
    return crt::CompareIgnoringCase(a, b) < 0;
  });
  return at - entries.begin();
}

LRESULT FindExact(const std::vector<std::string>& entries, WPARAM start, const char* text) {
  const std::string_view wanted = text ? text : "";
  const auto count = static_cast<LRESULT>(entries.size());
  const LRESULT first = static_cast<LRESULT>(static_cast<int>(start)) + 1;
  for (LRESULT step = 0; step < count; ++step) {
    const LRESULT index = ((first < 0 ? 0 : first) + step) % count;
    if (crt::EqualsIgnoringCase(entries[static_cast<std::size_t>(index)], wanted)) return index;
  }
  return CB_ERR;
}

void Select(detail::WindowRecord& record, HWND window, int selection) {
  if (record.selection == selection) return;
  record.selection = selection;
  detail::NotifyChanged(window, Change::Selection);
}

}  // namespace

LRESULT ComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* record = detail::Find(window);
  if (!record) return 0;
  auto& entries = record->entries;
  const auto count = static_cast<LRESULT>(entries.size());
  const auto index = static_cast<LRESULT>(static_cast<int>(wParam));
  const char* text = reinterpret_cast<const char*>(lParam);
  switch (message) {
    case CB_ADDSTRING:
      return Insert(*record, window, (record->style & CBS_SORT) ? SortedPosition(entries, text) : count, text);
    case CB_INSERTSTRING:
      return Insert(*record, window, index < 0 ? count : index, text);
    case CB_DELETESTRING:
      if (index < 0 || index >= count) return CB_ERR;
      entries.erase(entries.begin() + index);
      if (record->selection == index)
        record->selection = -1;
      else if (record->selection > index)
        --record->selection;
      detail::NotifyChanged(window, Change::Items);
      return count - 1;
    case CB_RESETCONTENT:
      entries.clear();
      record->selection = -1;
      detail::NotifyChanged(window, Change::Items);
      return 0;
    case CB_GETCOUNT:
      return count;
    case CB_GETCURSEL:
      return record->selection;
    case CB_SETCURSEL:
      if (index < 0 || index >= count) {
        Select(*record, window, -1);
        return CB_ERR;
      }
      Select(*record, window, static_cast<int>(index));
      return index;
    case CB_GETLBTEXTLEN:
      return index >= 0 && index < count ? static_cast<LRESULT>(entries[static_cast<std::size_t>(index)].size())
                                         : CB_ERR;
    case CB_GETLBTEXT: {
      if (index < 0 || index >= count || !lParam) return CB_ERR;
      const std::string& entry = entries[static_cast<std::size_t>(index)];
      std::memcpy(reinterpret_cast<char*>(lParam), entry.c_str(), entry.size() + 1);
      return static_cast<LRESULT>(entry.size());
    }
    case CB_FINDSTRINGEXACT:
      return count ? FindExact(entries, wParam, text) : CB_ERR;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: {
      // The text of a drop-down list is its chosen entry.
      const std::string chosen =
          record->selection >= 0 ? entries[static_cast<std::size_t>(record->selection)] : std::string();
      if (message == WM_GETTEXTLENGTH) return static_cast<LRESULT>(chosen.size());
      if (!lParam || wParam == 0) return 0;
      const std::size_t copied = std::min<std::size_t>(chosen.size(), wParam - 1);
      std::memcpy(reinterpret_cast<char*>(lParam), chosen.data(), copied);
      reinterpret_cast<char*>(lParam)[copied] = '\0';
      return static_cast<LRESULT>(copied);
    }
    case WM_LBUTTONDOWN:
      if (IsWindowEnabled(window)) SetFocus(window);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

LRESULT ListBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* record = detail::Find(window);
  if (!record) return 0;
  switch (message) {
    case LB_ADDSTRING:
      record->entries.emplace_back(lParam ? reinterpret_cast<const char*>(lParam) : "");
      detail::NotifyChanged(window, Change::Items);
      return static_cast<LRESULT>(record->entries.size() - 1);
    case LB_RESETCONTENT:
      record->entries.clear();
      record->selection = -1;
      detail::NotifyChanged(window, Change::Items);
      return 0;
    case LB_GETCOUNT:
      return static_cast<LRESULT>(record->entries.size());
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace platform::window
