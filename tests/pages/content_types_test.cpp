// The content types dialog opened from the tab's "Ad&vanced..." button, through the library
// loaded by name: its two states, its buttons, what OK writes, Cancel, a file that cannot be
// written, its hints and its help key.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text/code_page.h"
#include "platform/window/check_list.h"
#include "platform/window/dialog_manager.h"
#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "settings/edition.h"
#include "tests/pages/page_fixture.h"
#include "tests/platform/window_test_support.h"
#include "tests/support/case_name.h"

namespace {

using platform::window::input::Outcome;
using tessaly::test::HoverCase;
using tessaly::test::PageTest;
using tessaly::test::ReadFile;
using Items = std::vector<std::pair<std::string, int>>;

constexpr bool kEarlier = tessaly::kEdition == tessaly::Edition::Earlier;
const std::string kStartHint = "Hint: / Move the mouse over any item to see its description.";
// The tab's "Ad&vanced..." button is available only with both options on.
constexpr const char* kCached = "[WEB]\nCacheHtmlPages=Yes\n";

class ContentTypesDialog : public PageTest {
 protected:
  void Run(const char* protocol = "HTTP") {
    if (!Page()) Open(protocol);
    Click(1063);
  }
  void AddItem(const char* text, int state) {
    EXPECT_EQ(platform::window::input::ListAdd(Control(1068), text, state), Outcome::Done);
  }
  void SetItem(int index, int state) {
    EXPECT_EQ(platform::window::input::ListSet(Control(1068), index, state), Outcome::Done);
  }
  // The list in use: box checked, list enabled, "&Restore List" enabled.
  void ExpectInUse(bool inUse) const {
    EXPECT_EQ(Check(1064), inUse ? 1 : 0);
    EXPECT_EQ(Enabled(1068), inUse);
    EXPECT_EQ(Enabled(1066), inUse);
    if (!inUse) {
      EXPECT_EQ(ListItems(1068), Items{});
    }
  }
};

TEST_F(ContentTypesDialog, OpensOutOfUseWithoutKeysAndOkWritesTheDefaults) {
  WriteSettings(kCached);
  Steps().Then([&](HWND dialog) {
    EXPECT_EQ(platform::window::DialogTemplateId(dialog), 151u);
    ExpectInUse(false);
    EXPECT_EQ(platform::window::CheckListCaption(Control(1068)), u"Content Types");
    EXPECT_EQ(platform::window::CheckListOption(Control(1068)), 32);
    EXPECT_EQ(Hint(), kStartHint);
    Click(1);
  });
  Run();
  EXPECT_EQ(Stored("KeepNonTextMimeTypeForQuillet"), "text/xml;0;text/plain;0");
  EXPECT_EQ(Stored("KeepNonTextMimeType"), "");
  EXPECT_EQ(Stored("IgnoreContentCachingTypes"), "1");
}

TEST_F(ContentTypesDialog, CheckingShowsTheStoredListAndEditsSurviveSwitchingOffAndOn) {
  WriteSettings("[WEB]\nCacheHtmlPages=Yes\nKeepNonTextMimeTypeForQuillet=text/xml;1;image/png;0\n");
  const std::string before = ReadFile(SettingsFile());
  Steps().Then([&](HWND) {
    ExpectInUse(false);
    Click(1064);
    ExpectInUse(true);
    EXPECT_EQ(ListItems(1068), (Items{{"text/xml", 16}, {"image/png", 0}}));
    SetItem(0, 0);
    AddItem("application/json", 16);
    Click(1064);
    ExpectInUse(false);
    Click(1064);
    EXPECT_EQ(ListItems(1068), (Items{{"text/xml", 0}, {"image/png", 0}, {"application/json", 16}}));
    Click(2);
  });
  Run();
  EXPECT_EQ(ReadFile(SettingsFile()), before) << "Cancel writes nothing";
}

TEST_F(ContentTypesDialog, UseDefaultsTakesTheListOutOfUseAndKeepsItForLater) {
  WriteSettings("[WEB]\nCacheHtmlPages=Yes\nKeepNonTextMimeTypeForQuillet=a;1\nIgnoreContentCachingTypes=0\n");
  Steps().Then([&](HWND) {
    ExpectInUse(true);
    AddItem("b", 0);
    Click(1065);
    ExpectInUse(false);
    Click(1065);  // out of use already: nothing happens
    ExpectInUse(false);
    Click(1);
  });
  Run();
  EXPECT_EQ(Stored("IgnoreContentCachingTypes"), "1");
  EXPECT_EQ(Stored("KeepNonTextMimeTypeForQuillet"), "a;1;b;0") << "the list out of use survives to the next opening";
  EXPECT_EQ(Stored("KeepNonTextMimeType"), "a");
}

TEST_F(ContentTypesDialog, OkWithTheListInUseWritesItsItemsInPairForm) {
  WriteSettings(
      "[WEB]\nCacheHtmlPages=Yes\nKeepNonTextMimeTypeForQuillet=text/xml;1;text/"
      "plain;0;\nIgnoreContentCachingTypes=0\n");
  Steps().Then([&](HWND) {
    SetItem(1, 16);
    Click(1);
  });
  Run();
  EXPECT_EQ(Stored("KeepNonTextMimeTypeForQuillet"), "text/xml;1;text/plain;1");
  EXPECT_EQ(Stored("KeepNonTextMimeType"), "text/xml;text/plain");
  EXPECT_EQ(Stored("IgnoreContentCachingTypes"), "0");
}

class RestoringTheList : public ContentTypesDialog, public ::testing::WithParamInterface<const char*> {};

TEST_P(RestoringTheList, ShowsTheDefaultTypesUncheckedAndCancelLeavesTheFileAsItWas) {
  WriteSettings("[WEB]\nCacheHtmlPages=Yes\nKeepNonTextMimeTypeForQuillet=a;1;b;1\nIgnoreContentCachingTypes=0\n");
  const std::string before = ReadFile(SettingsFile());
  Steps().Then([&](HWND) {
    AddItem("c", 16);
    Click(1066);
    EXPECT_EQ(ListItems(1068), (Items{{"text/xml", 0}, {"text/plain", 0}}));
    ExpectInUse(true);
    Click(2);
  });
  Run(GetParam());
  EXPECT_EQ(ReadFile(SettingsFile()), before);
}

INSTANTIATE_TEST_SUITE_P(Protocols, RestoringTheList,
                         ::testing::Values("HTTP", "WAP", "iMode", "VoiceXML", "SOAP", ""));

TEST_F(ContentTypesDialog, OkThatCannotWriteTheFileSaysSoAndKeepsTheDialogOpen) {
  const std::string file = Folder() / "gone/script.cfg";
  UseSettingsFile(file);
  Open();
  // Without a file the recorder version is 0, so "Cache URLs" is off at first.
  Click(1060);
  Steps().Then([&](HWND) { Click(1); });
  Steps().Then([&](HWND dialog) {
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].text, "Cannot open file '" + file + "'");
    EXPECT_EQ(platform::window::DialogTemplateId(dialog), 151u);
    Click(2);
  });
  Run();
}

class HoveringInTheDialog : public ContentTypesDialog, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(HoveringInTheDialog, ShowsTheControlsPair650MillisecondsAfterThePointerCame) {
  const HoverCase& c = GetParam();
  WriteSettings("[WEB]\nCacheHtmlPages=Yes\nIgnoreContentCachingTypes=0\n");
  Steps().Then([&](HWND) { ExpectHintAfterDwell(c.id == 1065 ? 1066 : 1065, c.id, c.hint); });
  Run();
}

const std::string kListHint = "Content types / Add and enable content types that define URLs requiring content.";

const HoverCase kHoverCases[] = {
    {"SpecifyTypes", 1064,
     "Specify URLs requiring content in addition to HTML pages / Check this option to be able to specify content "
     "types of URLs  that require content in addition to HTML pages, e.g. for verification or correlation."},
    {"UseDefaults", 1065, "Use Defaults / Disable content types list, i.e. save content only for HTML pages."},
    {"RestoreList", 1066,
     "Restore List / Reset the current content types list to a corresponding list of default content type filters."},
    {"TheList", 1068, kListHint},
    {"TheListsInnerWindow", 105, kListHint},
    {"Ok", 1, kStartHint},
    {"Background", 0, kStartHint},
};
INSTANTIATE_TEST_SUITE_P(Controls, HoveringInTheDialog, ::testing::ValuesIn(kHoverCases), tessaly::test::CaseName());

TEST_F(ContentTypesDialog, MovingWithinTheListDoesNotRestartItsHint) {
  WriteSettings("[WEB]\nCacheHtmlPages=Yes\nIgnoreContentCachingTypes=0\n");
  Steps().Then([&](HWND) {
    Hover(105);
    Wait(400);
    Hover(105);
    Wait(250);
    EXPECT_EQ(Hint(), kListHint);
  });
  Run();
}

struct HelpCase {
  const char* name;
  platform::window::input::Modifiers modifiers;
  bool toHost;
};

class HelpKey : public ContentTypesDialog, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(HelpKey, GoesToTheHostsTopLevelWindowUnlessAModifierIsHeld) {
  const HelpCase& c = GetParam();
  WriteSettings(kCached);
  HWND shown = nullptr;
  Steps().Then([&](HWND dialog) {
    shown = dialog;
    EXPECT_EQ(platform::window::input::Key(dialog, VK_F1, c.modifiers), Outcome::Done);
  });
  Run();
  const auto requests = tessaly::test::ReceivedOf(Frame(), WM_COMMANDHELP);
  EXPECT_TRUE(Spawns().empty()) << "the dialog opens no help itself";
  if (!c.toHost) {
    EXPECT_TRUE(requests.empty());
    return;
  }
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].wParam, 131223u);
  EXPECT_EQ(requests[0].lParam, kEarlier ? 0 : reinterpret_cast<LPARAM>(shown));
}

const HelpCase kHelpCases[] = {
    {"Plain", {}, true},
    {"Shift", {true, false, false}, false},
    {"Ctrl", {false, true, false}, false},
    {"Alt", {false, false, true}, false},
};
INSTANTIATE_TEST_SUITE_P(Modifiers, HelpKey, ::testing::ValuesIn(kHelpCases), tessaly::test::CaseName());

}  // namespace
