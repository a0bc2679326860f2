// The dialog extension: the read-only presentation, the class fonts of a Japanese system,
// the reserved range, and the 200-window limit of its walks.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/resource/resource_chain.h"
#include "platform/window/window.h"
#include "tests/framework/framework_test_support.h"
#include "tests/platform/window_test_support.h"
#include "tests/support/case_name.h"
#include "tests/support/scoped_env.h"

namespace {

using tessaly::test::FrameworkTest;
using tessaly::test::ScopedEnv;

constexpr const char* kJapaneseFace = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

class CTestPage : public CBasePropertyPage {
 public:
  explicit CTestPage(UINT templateId) : CBasePropertyPage(templateId, 0) {}
};

std::string TextOf(HWND window) {
  char text[64] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

LOGFONTA FontOf(HWND window) {
  return platform::gdi::FontRecord(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)))
      .value_or(LOGFONTA{});
}

struct ReadOnlyCase {
  const char* name;
  int closeOnly;
  int allControls;
  std::vector<int> restrictIds;
  int features;
  bool hostHasCaption;
  std::set<int> disabled;
  std::set<int> hidden;
  std::string okCaption;
};

class ReadOnlyPresentation : public FrameworkTest, public ::testing::WithParamInterface<ReadOnlyCase> {};

TEST_P(ReadOnlyPresentation, LocksTheControlsItCovers) {
  const ReadOnlyCase& c = GetParam();
  if (!c.hostHasCaption) platform::LeaveResourceChain(tessaly::test::TestHost());
  CTestPage page(tessaly::test::kReadOnlyTemplate);
  page.m_bReadOnly = 1;
  page.m_bCloseOnly = c.closeOnly;
  page.m_bAllControls = c.allControls;
  page.m_nFeatures = c.features;
  page.m_nRestrictCount = static_cast<int>(c.restrictIds.size());
  std::copy(c.restrictIds.begin(), c.restrictIds.end(), page.m_nRestrictIds);
  Show(page);
  for (HWND child = GetTopWindow(page.m_hWnd); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(child);
    EXPECT_EQ(IsWindowEnabled(child) == FALSE, c.disabled.count(id) == 1) << "enabled state of " << id;
    EXPECT_EQ((GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) == 0, c.hidden.count(id) == 1) << "visibility of " << id;
  }
  const bool editLocked = c.disabled.count(1051) == 1;
  EXPECT_EQ((GetWindowLongA(GetDlgItem(page.m_hWnd, 1051), GWL_STYLE) & ES_READONLY) != 0, editLocked);
  EXPECT_EQ(TextOf(GetDlgItem(page.m_hWnd, IDOK)), c.okCaption);
}

constexpr int kAllFeatures = 7;
const std::set<int> kLockedByAll = {1051, 1040, 1041, 1052, 1068};

const ReadOnlyCase kReadOnlyCases[] = {
    {"EveryControlCloseOnly", 1, 1, {}, kAllFeatures, true, kLockedByAll, {IDCANCEL}, "Close"},
    {"CancelDisabledNotHiddenWithoutCloseOnly",
     0,
     1,
     {},
     kAllFeatures,
     true,
     {1051, 1040, 1041, 1052, 1068, IDCANCEL},
     {},
     "OK"},
    {"EmptyRestrictionOnlyRecaptionsOk", 1, 0, {}, kAllFeatures, true, {}, {}, "Close"},
    {"RestrictedToListedIds", 1, 0, {1051, 1041, IDCANCEL}, kAllFeatures, true, {1051, 1041}, {IDCANCEL}, "Close"},
    {"NothingAskedNothingDone", 0, 0, {}, kAllFeatures, true, {}, {}, "OK"},
    {"PassSwitchedOff", 1, 1, {}, kAllFeatures & ~1, true, {}, {}, "OK"},
    {"OkKeepsItsCaptionWithoutTheHostsString", 1, 1, {}, kAllFeatures, false, kLockedByAll, {IDCANCEL}, "OK"},
};
INSTANTIATE_TEST_SUITE_P(Variants, ReadOnlyPresentation, ::testing::ValuesIn(kReadOnlyCases),
                         tessaly::test::CaseName());

class DialogExtension : public FrameworkTest {};

TEST_F(DialogExtension, ReadOnlyIsOffUnlessTheHolderAsks) {
  CTestPage page(tessaly::test::kReadOnlyTemplate);
  Show(page);
  for (HWND child = GetTopWindow(page.m_hWnd); child; child = GetWindow(child, GW_HWNDNEXT))
    EXPECT_TRUE(IsWindowEnabled(child));
}

TEST_F(DialogExtension, WalksVisitOnlyTheFirst200Windows) {
  ScopedEnv locale("LC_ALL", "ja_JP.UTF-8");
  CTestPage page(tessaly::test::kManyTemplate);
  page.m_bReadOnly = 1;
  Show(page);
  for (int i = 0; i < tessaly::test::kManyCount; ++i) {
    const HWND edit = GetDlgItem(page.m_hWnd, tessaly::test::kManyFirstId + i);
    const bool visited = i < CDlgExt::kMaxWalk;
    EXPECT_EQ(IsWindowEnabled(edit) == FALSE, visited) << "edit " << i;
    EXPECT_EQ(FontOf(edit).lfCharSet == SHIFTJIS_CHARSET, visited) << "font of edit " << i;
  }
}

TEST_F(DialogExtension, RestrictionListBeyondItsSizeIsReadNoFurther) {
  CTestPage page(tessaly::test::kReadOnlyTemplate);
  page.m_bReadOnly = 1;
  page.m_bAllControls = 0;
  page.m_nRestrictCount = 100000;
  page.m_nRestrictIds[CDlgExt::kMaxRestrictIds - 1] = 1041;
  Show(page);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page.m_hWnd, 1041)));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page.m_hWnd, 1040)));
}

struct FontCase {
  const char* name;
  const char* locale;
  UINT templateId;
  bool classFonts;
};

class ClassFonts : public FrameworkTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(ClassFonts, JapaneseFontOnTextControlsOnlyForAWesternTemplateOnAJapaneseSystem) {
  const FontCase& c = GetParam();
  ScopedEnv locale("LC_ALL", c.locale);
  CTestPage page(c.templateId);
  Show(page);
  const LOGFONTA templateFont = FontOf(page.m_hWnd);
  for (int id : {1051, 1059, 1052, 1070}) {
    const LOGFONTA font = FontOf(GetDlgItem(page.m_hWnd, id));
    if (c.classFonts) {
      EXPECT_STREQ(font.lfFaceName, kJapaneseFace) << id;
      EXPECT_EQ(font.lfHeight, 13) << id;
      EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET) << id;
    } else {
      EXPECT_STREQ(font.lfFaceName, templateFont.lfFaceName) << id;
      EXPECT_EQ(font.lfHeight, templateFont.lfHeight) << id;
    }
  }
  for (int id : {1040, 1041, 1035, 1053})
    EXPECT_STREQ(FontOf(GetDlgItem(page.m_hWnd, id)).lfFaceName, templateFont.lfFaceName)
        << "buttons, group boxes and other classes keep the template font: " << id;
  const bool japanese = std::string(c.locale).rfind("ja", 0) == 0;
  EXPECT_EQ(page.m_fontLocal.GetSafeHandle() != nullptr, japanese);
  EXPECT_EQ(page.m_pEditFont != nullptr, japanese);
  EXPECT_EQ(page.m_nFontLanguage, c.templateId == tessaly::test::kShiftJisPageTemplate ? 3 : 1);
}

const FontCase kFontCases[] = {
    {"JapaneseSystemWesternTemplate", "ja_JP.UTF-8", tessaly::test::kPageTemplate, true},
    {"JapaneseSystemShiftJisTemplate", "ja_JP.UTF-8", tessaly::test::kShiftJisPageTemplate, false},
    {"WesternSystemWesternTemplate", "en_US.UTF-8", tessaly::test::kPageTemplate, false},
    {"WesternSystemShiftJisTemplate", "C", tessaly::test::kShiftJisPageTemplate, false},
};
INSTANTIATE_TEST_SUITE_P(Systems, ClassFonts, ::testing::ValuesIn(kFontCases), tessaly::test::CaseName());

TEST_F(DialogExtension, FontsFollowTheChosenFaceAndAreMadeOncePerObject) {
  ScopedEnv locale("LC_ALL", "ja_JP.UTF-8");
  CTestPage page(tessaly::test::kPageTemplate);
  Show(page);
  const LOGFONTA bold = platform::gdi::FontRecord(page.m_fontBold).value();
  const LOGFONTA normal = platform::gdi::FontRecord(page.m_fontNormal).value();
  const LOGFONTA large = platform::gdi::FontRecord(page.m_fontLarge).value();
  EXPECT_EQ(bold.lfHeight, 8);
  EXPECT_EQ(bold.lfWeight, 900);
  EXPECT_EQ(normal.lfWeight, 400);
  EXPECT_EQ(large.lfHeight, 13);
  EXPECT_EQ(large.lfWeight, 0);
  EXPECT_STREQ(large.lfFaceName, kJapaneseFace) << "a Western template on a Japanese system takes the Japanese face";
  const HGDIOBJ first = page.m_fontLocal.GetSafeHandle();
  page.DestroyWindow();
  Show(page);
  EXPECT_EQ(page.m_fontLocal.GetSafeHandle(), first);
  EXPECT_STREQ(FontOf(GetDlgItem(page.m_hWnd, 1051)).lfFaceName, kJapaneseFace)
      << "a window made again still gets the class fonts";
}

TEST_F(DialogExtension, WindowWithoutFontTakesItsLanguageFromTheSystem) {
  ScopedEnv locale("LC_ALL", "ja_JP.UTF-8");
  CTestPage page(tessaly::test::kNoFontTemplate);
  Show(page);
  EXPECT_EQ(page.m_nFontLanguage, 3);
  EXPECT_STREQ(platform::gdi::FontRecord(page.m_fontBold).value().lfFaceName, kJapaneseFace);
  EXPECT_EQ(platform::gdi::FontRecord(page.m_fontBold).value().lfCharSet, SHIFTJIS_CHARSET);
}

TEST_F(DialogExtension, FontThatCannotBeMadeIsTriedAgainNextTime) {
  CTestPage page(tessaly::test::kPageTemplate);
  platform::gdi::faults::SetFontCreationFails(true);
  page.InitExtension();
  platform::gdi::faults::SetFontCreationFails(false);
  EXPECT_EQ(page.m_fontLarge.GetSafeHandle(), nullptr);
  page.InitExtension();
  EXPECT_NE(page.m_fontLarge.GetSafeHandle(), nullptr);
}

TEST_F(DialogExtension, ReservedRangeIsShownOrHiddenTogetherWithTheLargeFont) {
  for (int show : {SW_HIDE, SW_SHOW}) {
    CTestPage page(tessaly::test::kReservedTemplate);
    page.m_nReservedShow = show;
    Show(page);
    for (int id : {20500, 20549}) {
      const HWND control = GetDlgItem(page.m_hWnd, id);
      EXPECT_EQ((GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0, show == SW_SHOW) << id;
      EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)), page.m_fontLarge.GetSafeHandle());
    }
    for (int id : {20499, 20550}) {
      const HWND control = GetDlgItem(page.m_hWnd, id);
      EXPECT_TRUE(GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) << id;
      EXPECT_NE(reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)), page.m_fontLarge.GetSafeHandle());
    }
  }
}

TEST_F(DialogExtension, FontsGoWithTheObject) {
  const int before = platform::gdi::LiveObjectCount();
  {
    ScopedEnv locale("LC_ALL", "ja_JP.UTF-8");
    CTestPage page(tessaly::test::kPageTemplate);
    Show(page);
  }
  EXPECT_EQ(platform::gdi::LiveObjectCount(), before);
}

}  // namespace
