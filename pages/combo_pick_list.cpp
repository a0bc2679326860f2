#include "pages/combo_pick_list.h"

#include <string>

#include "platform/window/window.h"

HWND CComboPickList::Control() const { return m_dialog.m_hWnd ? ::GetDlgItem(m_dialog.m_hWnd, m_nControlId) : nullptr; }

std::size_t CComboPickList::Count() const {
  const HWND combo = Control();
  const LRESULT count = combo ? ::SendMessageA(combo, CB_GETCOUNT, 0, 0) : 0;
  return count > 0 ? static_cast<std::size_t>(count) : 0;
}

std::string CComboPickList::Entry(std::size_t index) const {
  const HWND combo = Control();
  if (!combo) return {};
  const LRESULT length = ::SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::string entry(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.data()));
  entry.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return entry;
}

std::optional<std::size_t> CComboPickList::Selection() const {
  const HWND combo = Control();
  const LRESULT selected = combo ? ::SendMessageA(combo, CB_GETCURSEL, 0, 0) : CB_ERR;
  if (selected < 0) return std::nullopt;
  return static_cast<std::size_t>(selected);
}

void CComboPickList::Reset() {
  if (const HWND combo = Control()) ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
}

std::size_t CComboPickList::Add(std::string_view entry) {
  const HWND combo = Control();
  if (!combo) return 0;
  const std::string text(entry);
  const LRESULT position = ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  return position > 0 ? static_cast<std::size_t>(position) : 0;
}

void CComboPickList::Select(std::optional<std::size_t> index) {
  const HWND combo = Control();
  if (!combo) return;
  // An index out of range, like none, leaves the box without a selection.
  ::SendMessageA(combo, CB_SETCURSEL, index ? static_cast<WPARAM>(*index) : static_cast<WPARAM>(-1), 0);
}

bool CComboPickList::Sorts() const {
  const HWND combo = Control();
  return combo && (::GetWindowLongA(combo, GWL_STYLE) & CBS_SORT) != 0;
}
