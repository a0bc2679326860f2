// Which widget stands for which window: the class and the styles decide, the way the
// window's own procedure tells its kinds apart.

#include <gtest/gtest.h>

#include "host/desktop/widget_kind.h"
#include "platform/win32/messages.h"
#include "tests/support/case_name.h"

namespace {

using tessaly::desktop::KindOf;
using tessaly::desktop::LetsPointerThrough;
using tessaly::desktop::WidgetKind;

struct KindCase {
  const char* name;
  const char* className;
  DWORD style;
  const char* parentClass;
  WidgetKind kind;
  bool pointerThrough;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

class WidgetKindOf : public ::testing::TestWithParam<KindCase> {};

TEST_P(WidgetKindOf, FollowsClassAndStyle) {
  const KindCase& c = GetParam();
  const WidgetKind kind = KindOf(c.className, c.style, c.parentClass);
  EXPECT_EQ(kind, c.kind);
  EXPECT_EQ(LetsPointerThrough(kind, c.style), c.pointerThrough);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WidgetKindOf,
    ::testing::Values(
        KindCase{"PopupDialog", "#32770", WS_POPUP | WS_CAPTION, "", WidgetKind::TopLevel, false},
        KindCase{"FrameWithoutStyles", "TessalyFrame", WS_OVERLAPPED, "", WidgetKind::TopLevel, false},
        KindCase{"PropertyPage", "#32770", kChild, "#32770", WidgetKind::Container, false},
        KindCase{"UnknownChildClass", "SomethingElse", kChild, "#32770", WidgetKind::Container, false},
        KindCase{"PushButton", "Button", kChild | BS_PUSHBUTTON, "#32770", WidgetKind::PushButton, false},
        KindCase{"DefaultPushButton", "Button", kChild | BS_DEFPUSHBUTTON, "#32770", WidgetKind::PushButton, false},
        KindCase{"ClassNameInOtherCase", "BUTTON", kChild | BS_AUTOCHECKBOX, "#32770", WidgetKind::CheckBox, false},
        KindCase{"ManualCheckBox", "Button", kChild | BS_CHECKBOX, "#32770", WidgetKind::CheckBox, false},
        KindCase{"ThreeState", "Button", kChild | BS_3STATE, "#32770", WidgetKind::CheckBox, false},
        KindCase{"AutoThreeState", "Button", kChild | BS_AUTO3STATE, "#32770", WidgetKind::CheckBox, false},
        KindCase{"Radio", "Button", kChild | BS_RADIOBUTTON, "#32770", WidgetKind::RadioButton, false},
        KindCase{"AutoRadio", "Button", kChild | BS_AUTORADIOBUTTON, "#32770", WidgetKind::RadioButton, false},
        KindCase{"GroupBox", "Button", kChild | BS_GROUPBOX, "#32770", WidgetKind::GroupBox, true},
        KindCase{"LineEdit", "Edit", kChild | ES_AUTOHSCROLL, "#32770", WidgetKind::LineEdit, false},
        KindCase{"MultiLineEdit", "Edit", kChild | ES_MULTILINE | ES_READONLY, "#32770", WidgetKind::MultiLineEdit,
                 false},
        KindCase{"Label", "Static", kChild, "#32770", WidgetKind::Label, true},
        KindCase{"NotifyingLabel", "Static", kChild | SS_NOTIFY, "#32770", WidgetKind::Label, false},
        KindCase{"Icon", "Static", kChild | SS_ICON, "#32770", WidgetKind::Icon, true},
        KindCase{"EtchedLine", "Static", kChild | SS_ETCHEDHORZ | SS_SUNKEN, "#32770", WidgetKind::Separator, true},
        KindCase{"BlackFrame", "Static", kChild | 0x7, "#32770", WidgetKind::Separator, true},
        KindCase{"SunkenLabelIsStillALabel", "Static", kChild | SS_SUNKEN, "#32770", WidgetKind::Label, true},
        KindCase{"ComboBox", "ComboBox", kChild | CBS_DROPDOWNLIST, "#32770", WidgetKind::ComboBox, false},
        KindCase{"ListBox", "ListBox", kChild, "#32770", WidgetKind::ListBox, false},
        KindCase{"ComboList", "ComboLBox", kChild, "#32770", WidgetKind::ListBox, false},
        KindCase{"CheckList", "TessalyCheckList", kChild, "#32770", WidgetKind::CheckList, false},
        KindCase{"CheckListInnerList", "ListBox", kChild, "TessalyCheckList", WidgetKind::CheckListInner, false}),
    tessaly::test::CaseName{});

}  // namespace
