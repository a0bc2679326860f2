#include "platform/window/snapshot.h"

#include "platform/gdi/gdi.h"
#include "platform/text/code_page.h"
#include "platform/window/check_list.h"
#include "platform/window/window.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_record.h"

namespace platform::window {

namespace {

void Collect(HWND window, std::vector<HWND>& out) {
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
    out.push_back(child);
    Collect(child, out);
  }
}

std::optional<FontSnapshot> FontOf(HWND window) {
  const auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  const std::optional<LOGFONTA> record = gdi::FontRecord(font);
  if (!record) return std::nullopt;
  return FontSnapshot{
      text::ToNarrow(text::ToWide(record->lfFaceName,
                                  record->lfCharSet == SHIFTJIS_CHARSET ? kCodePageJapanese : kCodePageWestern),
                     CP_UTF8),
      record->lfHeight, record->lfWeight, record->lfCharSet};
}

}  // namespace

WindowSnapshot Snapshot(HWND window, HWND relativeTo) {
  WindowSnapshot shot;
  const detail::WindowRecord* record = detail::Find(window);
  if (!record) return shot;
  shot.handle = window;
  shot.id = record->id;
  shot.className = record->className;
  shot.enabled = !(record->style & WS_DISABLED);
  shot.visible = IsWindowVisible(window) != FALSE;
  shot.style = record->style;
  const std::string_view kind = record->className;
  if (kind == kButtonClass) shot.check = record->check;
  if (kind == kEditClass) shot.readOnly = (record->style & ES_READONLY) != 0;
  if (kind == kComboBoxClass || kind == kComboListClass || kind == kListBoxClass) {
    std::vector<std::string> items;
    for (const std::string& entry : record->entries) items.push_back(text::AnsiToUtf8(entry));
    shot.items = std::move(items);
    shot.selection = record->selection;
  }
  if (kind == kCheckListClass) {
    std::vector<std::pair<std::string, int>> items;
    for (const auto& item : record->listItems) items.emplace_back(text::WideToUtf8(item.text), item.state);
    shot.listItems = std::move(items);
    shot.text = text::WideToUtf8(record->listCaption);
  } else {
    std::string narrow(static_cast<std::size_t>(GetWindowTextLengthA(window)), '\0');
    GetWindowTextA(window, narrow.data(), static_cast<int>(narrow.size() + 1));
    shot.text = text::AnsiToUtf8(narrow);
  }
  shot.font = FontOf(window);
  RECT place{};
  GetWindowRect(window, &place);
  RECT origin{};
  if (relativeTo == window)
    origin = place;
  else if (relativeTo && (GetWindowLongA(relativeTo, GWL_STYLE) & WS_CHILD))
    GetWindowRect(relativeTo, &origin);
  shot.rect = {place.left - origin.left, place.top - origin.top, place.right - origin.left, place.bottom - origin.top};
  return shot;
}

std::vector<HWND> Descendants(HWND root) {
  std::vector<HWND> out;
  Collect(root, out);
  return out;
}

}  // namespace platform::window
