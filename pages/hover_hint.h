#pragma once

// The hover rule of the windows with a hint panel: the control under the pointer chooses its
// title and description from the window's table, shown after the hover delay; a window with no
// pair of its own, or the window itself, gets the general hint.

#include <span>

#include "framework/hint_panel.h"
#include "platform/afx/wnd.h"
#include "resources/resource_ids.h"

struct HoverHint {
  int ctrlId;
  UINT titleId;
  UINT textId;
};

inline const HoverHint& HoverHintFor(std::span<const HoverHint> table, int ctrlId) {
  static constexpr HoverHint kGeneral{0, tessaly::res::IDS_HINT_DEFAULT_TITLE, tessaly::res::IDS_HINT_DEFAULT_TEXT};
  for (const HoverHint& hint : table)
    if (hint.ctrlId == ctrlId) return hint;
  return kGeneral;
}

// For the owner's cursor message: requests the hint of the window under the pointer unless it
// is the one last requested, then lets the default processing set the cursor.
template <typename Owner>
BOOL FollowPointer(Owner& owner, CWnd* window, std::span<const HoverHint> table) {
  const int ctrlId = window && window->m_hWnd != owner.m_hWnd ? window->GetDlgCtrlID() : 0;
  if (ctrlId != owner.m_nHintCtrlId) {
    const HoverHint& hint = HoverHintFor(table, ctrlId);
    owner.SetHint(hint.titleId, hint.textId, ctrlId, CHintPanel::kHoverDelayMs);
  }
  return static_cast<BOOL>(owner.Default());
}
