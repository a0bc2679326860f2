// Every window of the layer as a widget: of its kind, at its template place, with its text,
// state, font and icon, and following each change the layer makes.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "host/desktop/check_list_widget.h"
#include "host/desktop/font_choice.h"
#include "host/desktop/widget_sync.h"
#include "platform/gdi/gdi.h"
#include "platform/resource/resource_chain.h"
#include "platform/window/check_list.h"
#include "platform/window/dialog_manager.h"
#include "platform/window/snapshot.h"
#include "platform/window/window.h"
#include "tests/host/desktop_test_support.h"
#include "tests/support/case_name.h"

namespace {

using tessaly::test::DesktopTest;
namespace t = tessaly::test;

class DesktopMirror : public DesktopTest {};

// Each control's widget is of its kind and lies where the template puts it (dialog units
// through the template font's base units).
TEST_F(DesktopMirror, MakesAWidgetOfItsKindAtItsTemplatePlace) {
  Open();
  const platform::DialogTemplate* dialog = platform::FindDialog(t::kMirrorTemplate);
  ASSERT_NE(dialog, nullptr);
  QWidget* top = Session().WidgetOf(Dialog());
  ASSERT_NE(top, nullptr);
  EXPECT_TRUE(top->isWindow());
  EXPECT_TRUE(top->isVisible());
  EXPECT_EQ(top->windowTitle(), "Mirror Test");
  const RECT whole = platform::window::DialogUnitsToPixels(*dialog, 0, 0, dialog->cx, dialog->cy);
  EXPECT_EQ(top->size(), QSize(whole.right, whole.bottom));

  for (const platform::DialogControl& control : dialog->controls) {
    SCOPED_TRACE(control.id);
    QWidget* widget = Widget(control.id);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), top);
    const RECT place = platform::window::DialogUnitsToPixels(*dialog, control.x, control.y, control.cx, control.cy);
    EXPECT_EQ(widget->x(), place.left);
    EXPECT_EQ(widget->y(), place.top);
    EXPECT_EQ(widget->width(), place.right - place.left);
    if (control.id == t::kCombo)
      EXPECT_LT(widget->height(), place.bottom - place.top) << "a closed combo box is one line high";
    else
      EXPECT_EQ(widget->height(), place.bottom - place.top);
  }
  EXPECT_NE(WidgetAs<QLineEdit>(t::kNameEdit), nullptr);
  EXPECT_NE(WidgetAs<QCheckBox>(t::kCacheBox), nullptr);
  EXPECT_TRUE(WidgetAs<QCheckBox>(t::kThreeState)->isTristate());
  EXPECT_FALSE(WidgetAs<QCheckBox>(t::kCacheBox)->isTristate());
  EXPECT_FALSE(WidgetAs<QRadioButton>(t::kRadioA)->autoExclusive()) << "the layer keeps the radio group";
  EXPECT_EQ(WidgetAs<QGroupBox>(t::kGroup)->title(), "Choices");
  EXPECT_NE(WidgetAs<QComboBox>(t::kCombo), nullptr);
  EXPECT_TRUE(WidgetAs<QPlainTextEdit>(t::kAgentText)->isReadOnly());
  EXPECT_NE(WidgetAs<QPushButton>(t::kOpenButton), nullptr);
  EXPECT_NE(dynamic_cast<tessaly::desktop::CheckListWidget*>(Widget(t::kList)), nullptr);
  EXPECT_NE(WidgetAs<QFrame>(t::kLine), nullptr);
  EXPECT_FALSE(Widget(t::kOffBox)->isEnabled());
  EXPECT_TRUE(Widget(t::kGroup)->testAttribute(Qt::WA_TransparentForMouseEvents));
  EXPECT_FALSE(Widget(t::kCacheBox)->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(DesktopMirror, ShowsTextsItemsAndMnemonicsAsTheWindowsHoldThem) {
  Open();
  EXPECT_EQ(WidgetAs<QLineEdit>(t::kNameEdit)->text(), "first");
  EXPECT_EQ(WidgetAs<QPlainTextEdit>(t::kAgentText)->toPlainText(), "Mozilla/4.0 (compatible)");
  EXPECT_EQ(WidgetAs<QCheckBox>(t::kCacheBox)->text(), "Simulate &cache") << "buttons show their own mnemonic";
  auto* label = WidgetAs<QLabel>(t::kNameLabel);
  EXPECT_EQ(label->buddy(), Widget(t::kNameEdit)) << "a label's mnemonic moves to the control after it";
  EXPECT_EQ(label->text(), "&Name");
  auto* combo = WidgetAs<QComboBox>(t::kCombo);
  ASSERT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->itemText(1), "Linux");
  EXPECT_EQ(combo->currentIndex(), -1);
}

TEST(DesktopMnemonics, ALabelWithoutBuddyShowsNoMark) {
  EXPECT_EQ(tessaly::desktop::WithoutMnemonics("&Name"), "Name");
  EXPECT_EQ(tessaly::desktop::WithoutMnemonics("Fish && &Chips"), "Fish & Chips");
  EXPECT_EQ(tessaly::desktop::WithoutMnemonics("trailing&"), "trailing");
}

// What the layer changes reaches the widget, whatever changed it.
struct ChangeCase {
  const char* name;
  std::function<void(HWND dialog)> change;
  std::function<void(const DesktopTest& test, QWidget* top)> check;
};

class DesktopMirrorChange : public DesktopTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(DesktopMirrorChange, ReachesTheWidget) {
  const HWND dialog = Open();
  GetParam().change(dialog);
  t::Settle();
  GetParam().check(*this, Session().WidgetOf(dialog));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, DesktopMirrorChange,
    ::testing::Values(
        ChangeCase{"Text", [](HWND d) { SetDlgItemTextA(d, t::kNameEdit, "\xE9t\xE9"); },
                   [](const DesktopTest& test, QWidget*) {
                     EXPECT_EQ(test.WidgetAs<QLineEdit>(t::kNameEdit)->text(), QString::fromUtf8("été"))
                         << "narrow text of the code page arrives as Unicode";
                   }},
        ChangeCase{"Caption", [](HWND d) { SetWindowTextA(d, "Renamed"); },
                   [](const DesktopTest&, QWidget* top) { EXPECT_EQ(top->windowTitle(), "Renamed"); }},
        ChangeCase{"Enabled", [](HWND d) { EnableWindow(GetDlgItem(d, t::kCacheBox), FALSE); },
                   [](const DesktopTest& test, QWidget*) { EXPECT_FALSE(test.Widget(t::kCacheBox)->isEnabled()); }},
        ChangeCase{"Hidden", [](HWND d) { ShowWindow(GetDlgItem(d, t::kWarnButton), SW_HIDE); },
                   [](const DesktopTest& test, QWidget*) { EXPECT_FALSE(test.Widget(t::kWarnButton)->isVisible()); }},
        ChangeCase{"Check", [](HWND d) { CheckDlgButton(d, t::kCacheBox, BST_CHECKED); },
                   [](const DesktopTest& test, QWidget*) {
                     EXPECT_EQ(test.WidgetAs<QCheckBox>(t::kCacheBox)->checkState(), Qt::Checked);
                   }},
        ChangeCase{"Indeterminate", [](HWND d) { CheckDlgButton(d, t::kThreeState, BST_INDETERMINATE); },
                   [](const DesktopTest& test, QWidget*) {
                     EXPECT_EQ(test.WidgetAs<QCheckBox>(t::kThreeState)->checkState(), Qt::PartiallyChecked);
                   }},
        ChangeCase{"Radio", [](HWND d) { CheckDlgButton(d, t::kRadioB, BST_CHECKED); },
                   [](const DesktopTest& test, QWidget*) {
                     EXPECT_TRUE(test.WidgetAs<QRadioButton>(t::kRadioB)->isChecked());
                   }},
        ChangeCase{"ComboEntriesAndSelection",
                   [](HWND d) {
                     SendDlgItemMessageA(d, t::kCombo, CB_RESETCONTENT, 0, 0);
                     SendDlgItemMessageA(d, t::kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Solaris"));
                     SendDlgItemMessageA(d, t::kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("AIX"));
                     SendDlgItemMessageA(d, t::kCombo, CB_SETCURSEL, 1, 0);
                   },
                   [](const DesktopTest& test, QWidget*) {
                     auto* combo = test.WidgetAs<QComboBox>(t::kCombo);
                     ASSERT_EQ(combo->count(), 2);
                     EXPECT_EQ(combo->currentText(), "AIX");
                   }},
        ChangeCase{"ReadOnly", [](HWND d) { SendDlgItemMessageA(d, t::kNameEdit, EM_SETREADONLY, TRUE, 0); },
                   [](const DesktopTest& test, QWidget*) {
                     EXPECT_TRUE(test.WidgetAs<QLineEdit>(t::kNameEdit)->isReadOnly());
                   }},
        ChangeCase{"Moved", [](HWND d) { MoveWindow(GetDlgItem(d, t::kOpenButton), 7, 9, 33, 21, TRUE); },
                   [](const DesktopTest& test, QWidget*) {
                     EXPECT_EQ(test.Widget(t::kOpenButton)->geometry(), QRect(7, 9, 33, 21));
                   }},
        ChangeCase{"Font",
                   [](HWND d) {
                     static const HFONT bold = CreateFontA(-16, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
                     SendDlgItemMessageA(d, t::kWarnButton, WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
                   },
                   [](const DesktopTest& test, QWidget*) {
                     const QFont font = test.Widget(t::kWarnButton)->font();
                     EXPECT_EQ(font.weight(), QFont::Bold);
                     EXPECT_LE(font.pixelSize(), 16);
                     EXPECT_GT(font.pixelSize(), 11);
                   }},
        ChangeCase{"CheckListItemsCaptionAndEnabled",
                   [](HWND d) {
                     const HWND list = GetDlgItem(d, t::kList);
                     platform::window::CheckListAppend(list, u"text/xml", 16);
                     platform::window::CheckListAppend(list, u"text/plain", 0);
                     platform::window::CheckListAppend(list, u"odd", 7);
                     platform::window::DispatchCall caption{platform::window::kDispCaption, DISPATCH_PROPERTYPUT, {}};
                     caption.args.push_back({VT_BSTR, 0, u"Content Types"});
                     platform::window::Invoke(list, caption);
                     EnableWindow(list, FALSE);
                   },
                   [](const DesktopTest& test, QWidget*) {
                     QWidget* list = test.Widget(t::kList);
                     EXPECT_FALSE(list->isEnabled());
                     auto* items = list->findChild<QListWidget*>();
                     ASSERT_EQ(items->count(), 3);
                     EXPECT_EQ(items->item(0)->text(), "text/xml");
                     EXPECT_EQ(items->item(0)->checkState(), Qt::Checked);
                     EXPECT_EQ(items->item(1)->checkState(), Qt::Unchecked);
                     EXPECT_EQ(items->item(2)->checkState(), Qt::PartiallyChecked);
                     bool captionShown = false;
                     for (QLabel* label : list->findChildren<QLabel*>())
                       captionShown |= label->text() == "Content Types" && !label->isHidden();
                     EXPECT_TRUE(captionShown);
                   }},
        ChangeCase{"StyleTurnsAPushButtonIntoACheckBox",
                   [](HWND d) {
                     SetWindowLongA(GetDlgItem(d, t::kOpenButton), GWL_STYLE,
                                    static_cast<LONG>(WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX));
                   },
                   [](const DesktopTest& test, QWidget*) {
                     auto* box = test.WidgetAs<QCheckBox>(t::kOpenButton);
                     ASSERT_NE(box, nullptr);
                     EXPECT_EQ(box->text(), "&Open...");
                     EXPECT_TRUE(box->isVisible());
                   }},
        ChangeCase{"StyleMakesACheckBoxThreeState",
                   [](HWND d) {
                     SendDlgItemMessageA(d, t::kCacheBox, BM_SETSTYLE, BS_AUTO3STATE, TRUE);
                     CheckDlgButton(d, t::kCacheBox, BST_INDETERMINATE);
                   },
                   [](const DesktopTest& test, QWidget*) {
                     auto* box = test.WidgetAs<QCheckBox>(t::kCacheBox);
                     EXPECT_TRUE(box->isTristate());
                     EXPECT_EQ(box->checkState(), Qt::PartiallyChecked);
                   }}),
    tessaly::test::CaseName{});

TEST_F(DesktopMirror, StacksChildrenInTheLayersZOrder) {
  Open();
  // Qt keeps siblings bottom first; the layer lists them top first.
  QWidget* top = Session().WidgetOf(Dialog());
  std::vector<int> stacked;
  for (QObject* child : top->children())
    if (auto* widget = qobject_cast<QWidget*>(child))
      stacked.insert(stacked.begin(), GetDlgCtrlID(Session().Mirror().WindowAround(widget)));
  std::vector<int> layer;
  for (HWND child = GetTopWindow(Dialog()); child; child = GetWindow(child, GW_HWNDNEXT))
    layer.push_back(GetDlgCtrlID(child));
  EXPECT_EQ(stacked, layer);
}

TEST_F(DesktopMirror, DrawsIconsFromTheirPixels) {
  Open();
  auto* icon = WidgetAs<QLabel>(t::kIconStatic);
  ASSERT_NE(icon, nullptr);
  const QImage picture = icon->pixmap().toImage();
  ASSERT_EQ(picture.size(), QSize(4, 4));
  EXPECT_EQ(picture.pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(picture.pixel(1, 2), 0xFF00FF00u);
  EXPECT_EQ(picture.pixel(2, 3), 0xFF0000FFu);
  EXPECT_EQ(qAlpha(picture.pixel(3, 1)), 0);
}

TEST_F(DesktopMirror, AWindowThatGoesTakesItsWidget) {
  Open();
  QPointer<QWidget> button = Widget(t::kWarnButton);
  QPointer<QWidget> top = Session().WidgetOf(Dialog());
  DestroyWindow(Control(t::kWarnButton));
  t::Settle();
  EXPECT_TRUE(button.isNull());
  EXPECT_FALSE(top.isNull());
  DestroyWindow(Dialog());
  t::Settle();
  EXPECT_TRUE(top.isNull());
}

TEST_F(DesktopMirror, MirrorsWindowsMadeBeforeTheFrontEnd) {
  // A window tree the mirror never saw being made.
  platform::window::RemoveObserver(&Session().Mirror());
  const HWND dialog = Open();
  platform::window::AddObserver(&Session().Mirror());
  EXPECT_EQ(Session().WidgetOf(dialog), nullptr);
  Session().Mirror().Mirror(dialog);
  EXPECT_NE(Session().WidgetOf(dialog), nullptr);
  EXPECT_EQ(WidgetAs<QLineEdit>(t::kNameEdit)->text(), "first");
}

// Fonts the machine lacks are drawn in a family it has, no wider than the original.
struct FontCase {
  const char* name;
  platform::window::FontSnapshot font;
  int largestPixels;
  double widestLetter;  // 0: not limited
};

class DesktopFontChoice : public DesktopTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(DesktopFontChoice, FitsTheOriginalsPlace) {
  const FontCase& c = GetParam();
  const QFont font = tessaly::desktop::FontFor(c.font);
  EXPECT_LE(font.pixelSize(), c.largestPixels);
  EXPECT_GE(font.pixelSize(), 6);
  EXPECT_EQ(font.weight(), c.font.weight >= 600 ? QFont::Bold : QFont::Normal);
  if (c.widestLetter > 0) {
    const QString letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    EXPECT_LE(QFontMetricsF(font).horizontalAdvance(letters) / letters.size(), c.widestLetter);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faces, DesktopFontChoice,
    ::testing::Values(FontCase{"TemplateFont", {"MS Sans Serif", -11, 400, 0}, 11, 6.0},
                      FontCase{"CellHeight", {"MS Sans Serif", 13, 0, 0}, 13, 13 * 6.0 / 11},
                      FontCase{"BoldClassFont", {"MS Sans Serif", 8, 700, 0}, 8, 8 * 6.0 / 11},
                      FontCase{"JapaneseClassFont", {"\xEF\xBC\xAD\xEF\xBC\xB3 UI Gothic", -12, 400, 128}, 12, 0},
                      FontCase{"NoHeight", {"", 0, 0, 0}, 11, 6.0}),
    tessaly::test::CaseName{});

}  // namespace
