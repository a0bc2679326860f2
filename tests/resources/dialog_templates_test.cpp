// The library's dialog templates and icons as the window layer builds them from the chain.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/crt/text.h"
#include "platform/gdi/gdi.h"
#include "platform/resource/resource_chain.h"
#include "platform/window/check_list.h"
#include "platform/window/dialog_manager.h"
#include "platform/window/input.h"
#include "platform/window/window.h"
#include "resources/library_resources.h"
#include "resources/resource_ids.h"
#include "settings/edition.h"

namespace {

using namespace tessaly::res;

constexpr bool kEarlier = tessaly::kEdition == tessaly::Edition::Earlier;

class LibraryTemplates : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::JoinResourceChain(LibraryModule());
    m_sheet = CreateWindowExA(0, "#32770", "sheet", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr, 0, nullptr);
  }
  void TearDown() override {
    for (HWND dialog : m_made) DestroyWindow(dialog);
    DestroyWindow(m_sheet);
    platform::LeaveResourceChain(LibraryModule());
  }
  HWND Make(UINT id) {
    const platform::DialogTemplate* dialog = platform::FindDialog(id);
    if (!dialog) return nullptr;
    // The tab is a child of the sheet; the dialogs are pop-ups.
    const HWND window = platform::window::CreateDialogFromTemplate(*dialog, m_sheet, nullptr, 0);
    ShowWindow(window, SW_SHOW);
    platform::window::FillInitialEntries(window, *dialog);
    m_made.push_back(window);
    return window;
  }
  static std::vector<std::string> Entries(HWND combo) {
    std::vector<std::string> entries;
    for (LRESULT i = 0, n = SendMessageA(combo, CB_GETCOUNT, 0, 0); i < n; ++i) {
      std::string entry(static_cast<std::size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0)),
                        '\0');
      SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry.data()));
      entries.push_back(entry);
    }
    return entries;
  }

 private:
  HWND m_sheet = nullptr;
  std::vector<HWND> m_made;
};

TEST_F(LibraryTemplates, AreFoundOnlyWhileTheLibraryIsInTheChain) {
  EXPECT_NE(platform::FindDialog(IDD_BROWSER_EMU), nullptr);
  EXPECT_NE(platform::FindIcon(IDI_CONTENT_TYPES), nullptr);
  platform::LeaveResourceChain(LibraryModule());
  EXPECT_EQ(platform::FindDialog(IDD_BROWSER_EMU), nullptr);
  EXPECT_EQ(platform::FindIcon(IDI_BROWSER_EMU), nullptr);
  platform::JoinResourceChain(LibraryModule());
}

TEST_F(LibraryTemplates, TabIsAChildDialogWithItsTabStopsInOrder) {
  const platform::DialogTemplate* dialog = platform::FindDialog(IDD_BROWSER_EMU);
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->style & WS_CHILD);
  EXPECT_EQ(dialog->caption, "Browser Emulation");
  EXPECT_EQ(dialog->cx, kEarlier ? 337 : 360);
  EXPECT_EQ(dialog->cy, kEarlier ? 209 : 280);
  const HWND tab = Make(IDD_BROWSER_EMU);
  std::vector<int> stops;
  for (HWND child = GetTopWindow(tab); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) stops.push_back(GetDlgCtrlID(child));
  EXPECT_EQ(stops, (std::vector<int>{1040, 1041, 1060, 1063, 1061, 1042, 1043, 1069}));
  EXPECT_TRUE(GetWindowLongA(GetDlgItem(tab, IDC_USER_AGENT), GWL_STYLE) & ES_READONLY);
  RECT change{};
  GetWindowRect(GetDlgItem(tab, IDC_CHANGE_USER_AGENT), &change);
  EXPECT_EQ(change.left, kEarlier ? 398 : 408);  // 265 or 272 dialog units
}

TEST_F(LibraryTemplates, IconsSitInTheTabAndTheContentTypesDialog) {
  for (auto [dialogId, iconId] :
       {std::pair{IDD_BROWSER_EMU, IDI_BROWSER_EMU}, {IDD_CONTENT_TYPES, IDI_CONTENT_TYPES}}) {
    const HWND dialog = Make(dialogId);
    HWND shown = nullptr;
    for (HWND child = GetTopWindow(dialog); child; child = GetWindow(child, GW_HWNDNEXT))
      if (SendMessageA(child, STM_GETICON, 0, 0)) shown = child;
    ASSERT_NE(shown, nullptr) << dialogId;
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(shown, STM_GETICON, 0, 0)), LoadIconFromChain(iconId));
  }
}

TEST_F(LibraryTemplates, UserAgentDialogListsAndRadioGroup) {
  const HWND dialog = Make(IDD_BROWSER_TYPE);
  const std::vector<std::string> browsers =
      kEarlier ? std::vector<std::string>{"Microsoft Internet Explorer", "Mozilla Firefox", "Netscape Navigator"}
               : std::vector<std::string>{"Microsoft Internet Explorer", "Google Chrome", "Mozilla Firefox"};
  EXPECT_EQ(Entries(GetDlgItem(dialog, IDC_BROWSER_TYPE)), browsers);
  EXPECT_EQ(Entries(GetDlgItem(dialog, IDC_BROWSER_VERSION)), std::vector<std::string>{""});
  const std::vector<std::string> platforms = Entries(GetDlgItem(dialog, IDC_BROWSER_PLATFORM));
  EXPECT_EQ(platforms.size(), kEarlier ? 7u : 11u);
  EXPECT_TRUE(std::is_sorted(platforms.begin(), platforms.end(), [](const std::string& a, const std::string& b) {
    return platform::crt::CompareIgnoringCase(a, b) < 0;
  }));
  EXPECT_TRUE(Entries(GetDlgItem(dialog, IDC_BROWSER_LANGUAGE)).empty());
  platform::window::input::Click(GetDlgItem(dialog, IDC_USE_BROWSER));
  platform::window::input::Click(GetDlgItem(dialog, IDC_USE_CUSTOM));
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_USE_BROWSER), 0u) << "one radio group";
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_USE_CUSTOM), 1u);
}

TEST_F(LibraryTemplates, ContentTypesDialogHoldsTheCheckListWithItsInnerList) {
  const HWND dialog = Make(IDD_CONTENT_TYPES);
  const HWND list = GetDlgItem(dialog, IDC_CONTENT_TYPE_LIST);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(platform::window::ClassNameOf(list), "TessalyCheckList");
  EXPECT_NE(GetDlgItem(list, IDC_CONTENT_TYPE_INNER_LIST), nullptr);
  RECT rect{};
  GetWindowRect(list, &rect);
  EXPECT_EQ(rect.left, 74);                // 49 dialog units
  EXPECT_EQ(rect.right - rect.left, 272);  // 181 dialog units
}

struct Place {
  short x, y, cx, cy;
  bool operator==(const Place&) const = default;
};

// The controls of the tab whose places differ between the editions, in dialog units.
TEST_F(LibraryTemplates, TabPlacesItsControlsAsItsEditionDoes) {
  const platform::DialogTemplate* dialog = platform::FindDialog(IDD_BROWSER_EMU);
  ASSERT_NE(dialog, nullptr);
  auto placeOf = [&](int id) -> Place {
    for (const platform::DialogControl& control : dialog->controls)
      if (control.id == id) return {control.x, control.y, control.cx, control.cy};
    return {};
  };
  const std::vector<std::pair<Place, Place>> places = {
      {placeOf(IDC_CHANGE_USER_AGENT), kEarlier ? Place{265, 27, 53, 15} : Place{272, 27, 53, 15}},
      {placeOf(IDC_ADVANCED), kEarlier ? Place{265, 62, 53, 14} : Place{272, 62, 53, 14}},
      {placeOf(IDC_SEARCH_FOR_IMAGES), kEarlier ? Place{49, 94, 136, 10} : Place{49, 94, 161, 10}},
      {placeOf(IDC_RESET_CONTEXT), kEarlier ? Place{49, 109, 133, 10} : Place{49, 109, 161, 10}},
      {placeOf(IDC_CLEAR_CACHE), kEarlier ? Place{73, 123, 109, 10} : Place{73, 123, 146, 10}},
      {placeOf(IDC_HINT_TITLE), kEarlier ? Place{7, 145, 323, 59} : Place{7, 144, 336, 110}},
      {placeOf(IDC_HINT_TEXT), kEarlier ? Place{13, 156, 311, 41} : Place{13, 155, 323, 94}},
  };
  for (std::size_t i = 0; i < places.size(); ++i) EXPECT_EQ(places[i].first, places[i].second) << i;
  const platform::DialogControl& line = dialog->controls.back();
  EXPECT_EQ((Place{line.x, line.y, line.cx, line.cy}), kEarlier ? (Place{105, 8, 225, 1}) : (Place{98, 8, 225, 1}));
}

}  // namespace
