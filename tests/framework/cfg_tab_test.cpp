// The settings tab: construction, the order of its initialisation, leaving it, the help key,
// clearing its controls and painting a picture into one.

#include <gtest/gtest.h>

#include <vector>

#include "platform/afx/collections.h"
#include "platform/gdi/gdi.h"
#include "platform/window/input.h"
#include "platform/window/window.h"
#include "settings/edition.h"
#include "tests/framework/framework_test_support.h"
#include "tests/platform/window_test_support.h"
#include "tests/support/case_name.h"

namespace {

using tessaly::test::CTestTab;
using tessaly::test::FrameworkTest;
using tessaly::test::HelpRequests;

class SettingsTab : public FrameworkTest {};

TEST_F(SettingsTab, KeepsItsCreationStringsAndTemplateAsHelpId) {
  struct CPlainTab : CCfgTab {
    CPlainTab() : CCfgTab("C:\\scripts\\default.cfg", "extra", "SOAP", 149, 0) {}
    int LoadSettings() override { return 1; }
    void SaveSettings() override {}
    int SetDefaults() override { return 0; }
  } tab;
  EXPECT_EQ(tab.m_strSettingsFile, "C:\\scripts\\default.cfg");
  EXPECT_EQ(tab.m_strExtra, "extra");
  EXPECT_EQ(tab.m_strProtocol, "SOAP");
  EXPECT_EQ(tab.m_nIDHelp, 149u);
  EXPECT_EQ(tab.m_nTemplateId, 149);
  EXPECT_EQ(tab.m_nFeatures, 7);
  EXPECT_EQ(tab.m_nReservedShow, 0);
  EXPECT_EQ(tab.m_nHintTimer, 0);
  EXPECT_TRUE(tab.ValidateSettings());
  EXPECT_TRUE(tab.QueryFlag(0));
  CObList list;
  EXPECT_FALSE(tab.GetSummary(&list));
  EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(SettingsTab, LoadsSettingsWhileTheControlsExistBeforeTheDataExchange) {
  CTestTab tab;
  Show(tab);
  EXPECT_EQ(tab.m_nLoads, 1);
  EXPECT_TRUE(tab.m_bControlsAtLoad);
  EXPECT_FALSE(tab.m_bPanelAttachedAtLoad);
  EXPECT_NE(tab.m_wndHintText.m_hWnd, nullptr) << "attached by the exchange that follows";
  EXPECT_EQ(IsDlgButtonChecked(tab.m_hWnd, 1041), 1u);
}

TEST_F(SettingsTab, RefusalToBeLeftSkipsThePagesOwnValidation) {
  struct CCountingTab : CTestTab {
    int m_nExchanges = 0;
    void DoDataExchange(CDataExchange* exchange) override {
      ++m_nExchanges;
      CTestTab::DoDataExchange(exchange);
    }
  } tab;
  Show(tab);
  const int exchanges = tab.m_nExchanges;
  tab.m_bCanLeave = 0;
  EXPECT_FALSE(tab.OnKillActive());
  EXPECT_EQ(tab.m_nExchanges, exchanges);
  tab.m_bCanLeave = 1;
  EXPECT_TRUE(tab.OnKillActive());
  EXPECT_EQ(tab.m_nExchanges, exchanges + 1);
}

struct HelpCase {
  const char* name;
  platform::window::input::Modifiers held;
};

class TabHelpKey : public FrameworkTest, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(TabHelpKey, OpensTheTopicOfTheTemplateWhateverModifiersAreHeld) {
  CTestTab tab;
  Show(tab);
  SetFocus(GetDlgItem(tab.m_hWnd, 1041));
  platform::window::input::Key(tab.m_hWnd, VK_F1, GetParam().held);
  EXPECT_EQ(HelpRequests(), std::vector<int>{static_cast<int>(tessaly::test::kPageTemplate) + 0x20000});
  EXPECT_TRUE(tessaly::test::ReceivedOf(Frame(), WM_HELP).empty()) << "the tab answers the request itself";
}

const HelpCase kHelpCases[] = {
    {"NoModifier", {}},
    {"Shift", {true, false, false}},
    {"Ctrl", {false, true, false}},
    {"Alt", {false, false, true}},
};
INSTANTIATE_TEST_SUITE_P(Modifiers, TabHelpKey, ::testing::ValuesIn(kHelpCases), tessaly::test::CaseName());

TEST_F(SettingsTab, HelpKeyOfTheBrowserEmulationTemplateAsksForTopic131221) {
  struct CBrowserEmuLike : CTestTab {
    CBrowserEmuLike() { m_nIDHelp = 149; }
  } tab;
  tessaly::test::CompiledHelpAnswer() = FALSE;
  EXPECT_EQ(tab.OnHelpInfo(nullptr), tessaly::kEdition == tessaly::Edition::Earlier ? FALSE : TRUE)
      << "the earlier edition reports a help file it could not open";
  EXPECT_EQ(HelpRequests(), std::vector<int>{131221});
}

TEST_F(SettingsTab, ClearControlsShowsNoValueInEveryKindOfControl) {
  CTestTab tab;
  Show(tab);
  const HWND page = tab.m_hWnd;
  for (int id : {1041, 1042, 1043, 1069, 1057}) CheckDlgButton(page, id, BST_CHECKED);
  SendDlgItemMessageA(page, 1052, CB_SETCURSEL, 1, 0);
  SendDlgItemMessageA(page, 1053, CB_SETCURSEL, 0, 0);
  SetDlgItemTextA(page, 1051, "Mozilla/4.0");
  const DWORD pushStyle = static_cast<DWORD>(GetWindowLongA(GetDlgItem(page, 1040), GWL_STYLE));
  const std::string label = "User-Agent (browser to be emulated):";

  tab.ClearControls();

  for (int id : {1041, 1042, 1043, 1069}) {
    const HWND box = GetDlgItem(page, id);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_INDETERMINATE) << id;
    EXPECT_EQ(GetWindowLongA(box, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_AUTO3STATE)) << id;
    EXPECT_TRUE(GetWindowLongA(box, GWL_STYLE) & WS_TABSTOP) << "window styles stay: " << id;
  }
  EXPECT_EQ(IsDlgButtonChecked(page, 1057), 0u) << "radio buttons are unchecked";
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(GetDlgItem(page, 1040), GWL_STYLE)), pushStyle);
  EXPECT_EQ(SendDlgItemMessageA(page, 1052, CB_GETCURSEL, 0, 0), -1);
  EXPECT_EQ(SendDlgItemMessageA(page, 1053, CB_GETCURSEL, 0, 0), -1) << "the list part of a combo box too";
  EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(page, 1051)), 0);
  char text[64] = {};
  GetWindowTextA(GetTopWindow(page), text, sizeof text);
  EXPECT_EQ(text, label) << "labels are left alone";

  const HWND box = GetDlgItem(page, 1041);
  std::vector<LRESULT> cycle;
  for (int i = 0; i < 3; ++i) {
    platform::window::input::Click(box);
    cycle.push_back(SendMessageA(box, BM_GETCHECK, 0, 0));
  }
  EXPECT_EQ(cycle, (std::vector<LRESULT>{BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE}))
      << "a cleared box cycles through three states";
}

struct PictureCase {
  const char* name;
  int controlWidth, controlHeight;
  int pictureWidth, pictureHeight;
  platform::gdi::DrawEvent::Kind kind;
  int x, y, width, height;
};

class DrawPicture : public FrameworkTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(DrawPicture, CentresAPictureThatFitsAndStretchesOneThatDoesNot) {
  const PictureCase& c = GetParam();
  CTestTab tab;
  Show(tab);
  const HWND frame = GetDlgItem(tab.m_hWnd, tessaly::test::kPictureFrame);
  MoveWindow(frame, 5, 5, c.controlWidth, c.controlHeight, TRUE);
  CBitmap picture;
  ASSERT_TRUE(picture.CreateBitmap(c.pictureWidth, c.pictureHeight, 1, 32, nullptr));
  std::vector<platform::gdi::DrawEvent> drawn;
  platform::gdi::SetDrawObserver([&](const platform::gdi::DrawEvent& event) { drawn.push_back(event); });
  const int objects = platform::gdi::LiveObjectCount();
  tab.DrawPicture(&picture, tessaly::test::kPictureFrame);
  platform::gdi::SetDrawObserver(nullptr);
  EXPECT_EQ(platform::gdi::LiveObjectCount(), objects) << "contexts are given back";
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].kind, platform::gdi::DrawEvent::Kind::Paint) << "the control paints its background first";
  EXPECT_EQ(drawn[0].window, frame);
  const auto& blit = drawn[1];
  EXPECT_EQ(blit.kind, c.kind);
  EXPECT_EQ(blit.window, frame);
  EXPECT_EQ(blit.bitmap, static_cast<HBITMAP>(picture));
  EXPECT_EQ(blit.x, c.x);
  EXPECT_EQ(blit.y, c.y);
  EXPECT_EQ(blit.width, c.width);
  EXPECT_EQ(blit.height, c.height);
  EXPECT_EQ(blit.sourceWidth, c.pictureWidth);
  EXPECT_EQ(blit.sourceHeight, c.pictureHeight);
}

using Kind = platform::gdi::DrawEvent::Kind;
const PictureCase kPictureCases[] = {
    {"SmallerIsCentred", 100, 50, 40, 30, Kind::BitBlt, 30, 10, 40, 30},
    {"OddMarginsRoundDown", 101, 51, 40, 30, Kind::BitBlt, 30, 10, 40, 30},
    {"ExactFitAtTheCorner", 100, 50, 100, 50, Kind::BitBlt, 0, 0, 100, 50},
    {"WiderIsStretched", 100, 50, 120, 30, Kind::StretchBlt, 0, 0, 100, 50},
    {"TallerIsStretched", 100, 50, 40, 51, Kind::StretchBlt, 0, 0, 100, 50},
};
INSTANTIATE_TEST_SUITE_P(Sizes, DrawPicture, ::testing::ValuesIn(kPictureCases), tessaly::test::CaseName());

TEST_F(SettingsTab, DrawPictureWithoutPictureOrControlPaintsNothing) {
  CTestTab tab;
  Show(tab);
  int drawn = 0;
  platform::gdi::SetDrawObserver([&](const platform::gdi::DrawEvent&) { ++drawn; });
  CBitmap picture;
  picture.CreateBitmap(10, 10, 1, 32, nullptr);
  tab.DrawPicture(&picture, 4711);
  tab.DrawPicture(nullptr, tessaly::test::kPictureFrame);
  CBitmap empty;
  tab.DrawPicture(&empty, tessaly::test::kPictureFrame);
  platform::gdi::SetDrawObserver(nullptr);
  EXPECT_EQ(drawn, 0);
}

}  // namespace
