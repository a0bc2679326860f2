// What the person does on the widgets reaches the layer through its input entry point, and
// the layer's answer is what the widgets then show: clicks, typing, choosing, the check list's
// edits, the keys, the pointer and the hint on the real clock, modal dialogs and message boxes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <chrono>

#include "host/desktop/help_topic_sink.h"
#include "platform/window/check_list.h"
#include "platform/window/foreground_window.h"
#include "platform/window/message_loop.h"
#include "platform/window/observer.h"
#include "platform/window/window.h"
#include "tests/host/desktop_test_support.h"
#include "tests/support/case_name.h"

namespace {

using tessaly::test::DesktopTest;
using tessaly::test::Log;
namespace t = tessaly::test;

class DesktopInput : public DesktopTest {
 protected:
  void Click(int id) { QTest::mouseClick(Widget(id), Qt::LeftButton, {}, Widget(id)->rect().center()); }
  void PointAt(QWidget* widget, QPoint at = {}) {
    QTest::mouseMove(widget, at.isNull() ? widget->rect().center() : at);
  }
  int LayerCheck(int id) const { return static_cast<int>(IsDlgButtonChecked(Dialog(), id)); }
};

TEST_F(DesktopInput, ClicksChangeTheLayersButtonsAndTheWidgetsFollow) {
  Open();
  Click(t::kCacheBox);
  EXPECT_EQ(LayerCheck(t::kCacheBox), BST_CHECKED);
  EXPECT_EQ(WidgetAs<QCheckBox>(t::kCacheBox)->checkState(), Qt::Checked);
  Click(t::kCacheBox);
  EXPECT_EQ(LayerCheck(t::kCacheBox), BST_UNCHECKED);

  // The three-state box cycles as the layer cycles it: checked, indeterminate, unchecked.
  std::vector<Qt::CheckState> shown;
  for (int click = 0; click < 3; ++click) {
    Click(t::kThreeState);
    shown.push_back(WidgetAs<QCheckBox>(t::kThreeState)->checkState());
  }
  EXPECT_EQ(shown, (std::vector<Qt::CheckState>{Qt::Checked, Qt::PartiallyChecked, Qt::Unchecked}));

  Click(t::kRadioA);
  Click(t::kRadioB);
  EXPECT_EQ(LayerCheck(t::kRadioA), BST_UNCHECKED) << "the layer's radio group";
  EXPECT_EQ(LayerCheck(t::kRadioB), BST_CHECKED);
  EXPECT_FALSE(WidgetAs<QRadioButton>(t::kRadioA)->isChecked());
  Click(t::kRadioB);
  EXPECT_TRUE(WidgetAs<QRadioButton>(t::kRadioB)->isChecked()) << "a checked radio button stays checked";
}

TEST_F(DesktopInput, AControlTheLayerRefusesKeepsItsState) {
  Open();
  EnableWindow(Dialog(), FALSE);  // the whole dialog waits, as an owner under a modal dialog
  t::Settle();
  WidgetAs<QCheckBox>(t::kCacheBox)->click();
  EXPECT_EQ(LayerCheck(t::kCacheBox), BST_UNCHECKED);
  EXPECT_EQ(WidgetAs<QCheckBox>(t::kCacheBox)->checkState(), Qt::Unchecked);
  EnableWindow(Dialog(), TRUE);
}

TEST_F(DesktopInput, TypingAndChoosingReachTheLayer) {
  Open();
  auto* edit = WidgetAs<QLineEdit>(t::kNameEdit);
  edit->setFocus();
  edit->selectAll();
  for (const QChar letter : QString::fromUtf8("Grüße"))
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(letter), Qt::NoModifier);
  EXPECT_EQ(t::LayerText(Control(t::kNameEdit)), "Grüße");
  EXPECT_EQ(GetFocus(), Control(t::kNameEdit)) << "the focus follows into the layer";

  auto* combo = WidgetAs<QComboBox>(t::kCombo);
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Down);
  const auto chosen = SendDlgItemMessageA(Dialog(), t::kCombo, CB_GETCURSEL, 0, 0);
  EXPECT_EQ(chosen, combo->currentIndex());
  EXPECT_GE(chosen, 0);
}

TEST_F(DesktopInput, TheCheckListIsEditedThroughTheLayer) {
  Open();
  const HWND list = Control(t::kList);
  platform::window::CheckListAppend(list, u"text/xml", 0);
  t::Settle();
  auto* items = Widget(t::kList)->findChild<QListWidget*>();
  ASSERT_EQ(items->count(), 1);
  items->item(0)->setCheckState(Qt::Checked);  // as the item's check box does when clicked
  ASSERT_EQ(platform::window::CheckListItems(list).size(), 1u);
  EXPECT_EQ(platform::window::CheckListItems(list)[0].state, 16);

  auto* typing = Widget(t::kList)->findChild<QLineEdit*>();
  typing->setFocus();
  QTest::keyClicks(typing, "application/json");
  QTest::keyClick(typing, Qt::Key_Return);
  auto now = platform::window::CheckListItems(list);
  ASSERT_EQ(now.size(), 2u);
  EXPECT_EQ(now[1].text, u"application/json");
  EXPECT_EQ(now[1].state, 16) << "a new content type starts enabled";
  EXPECT_TRUE(Log().nestedResults.empty()) << "Return in the typing line is not the dialog's";

  items->setCurrentRow(0);
  QTest::keyClick(items, Qt::Key_Delete);
  now = platform::window::CheckListItems(list);
  ASSERT_EQ(now.size(), 1u);
  EXPECT_EQ(now[0].text, u"application/json");
  EXPECT_EQ(items->count(), 1);
}

TEST_F(DesktopInput, AModalDialogIsAModalWindowThatEndsWithItsButton) {
  Open();
  std::vector<std::string> seen;
  QPointer<QWidget> nestedWidget;
  QTimer::singleShot(0, [&] {
    QWidget* nested = QApplication::activeModalWidget();
    ASSERT_NE(nested, nullptr);
    nestedWidget = nested;
    seen.push_back(nested->windowTitle().toStdString());
    EXPECT_TRUE(nested->isVisible());
    EXPECT_EQ(nested->parentWidget(), Session().WidgetOf(Dialog())) << "above its owner";
    // The owner waits: a click on it does nothing.
    WidgetAs<QCheckBox>(t::kCacheBox)->click();
    EXPECT_EQ(IsDlgButtonChecked(Dialog(), t::kCacheBox), 0u);
    auto* edit = nested->findChild<QLineEdit*>();
    edit->setFocus();
    QTest::keyClicks(edit, "typed");
    for (QPushButton* button : nested->findChildren<QPushButton*>())
      if (button->text() == "OK") QTest::mouseClick(button, Qt::LeftButton);
  });
  Click(t::kOpenButton);
  EXPECT_EQ(seen, std::vector<std::string>{"Nested"});
  EXPECT_EQ(Log().nestedResults, std::vector<INT_PTR>{IDOK});
  EXPECT_EQ(Log().nestedTextAtOk, "typed");
  t::Settle();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(nestedWidget.isNull()) << "the nested dialog's widget went with it";
}

// Every way out of a modal dialog that is not OK cancels it.
struct CloseCase {
  const char* name;
  std::function<void(QWidget* nested)> close;
};

class DesktopModalClose : public DesktopInput, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(DesktopModalClose, CancelsTheDialog) {
  Open();
  QTimer::singleShot(0, [] { GetParam().close(QApplication::activeModalWidget()); });
  Click(t::kOpenButton);
  EXPECT_EQ(Log().nestedResults, std::vector<INT_PTR>{IDCANCEL});
}

INSTANTIATE_TEST_SUITE_P(Ways, DesktopModalClose,
                         ::testing::Values(CloseCase{"EscapeKey",
                                                     [](QWidget* nested) { QTest::keyClick(nested, Qt::Key_Escape); }},
                                           CloseCase{"CloseBox", [](QWidget* nested) { nested->close(); }},
                                           CloseCase{"CancelButton",
                                                     [](QWidget* nested) {
                                                       for (QPushButton* button : nested->findChildren<QPushButton*>())
                                                         if (button->text() == "Cancel") button->click();
                                                     }}),
                         tessaly::test::CaseName{});

TEST_F(DesktopInput, QuittingTheApplicationCancelsTheModalDialog) {
  Open();
  QTimer::singleShot(0, [this] { Session().Quit(0); });
  Click(t::kOpenButton);
  EXPECT_EQ(Log().nestedResults, std::vector<INT_PTR>{IDCANCEL});
  EXPECT_TRUE(Session().Dispatch().IsClosed());
  // Qt keeps the quit until its main loop has run once more.
  QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
}

TEST_F(DesktopInput, ReturnPressesOkAndAFocusedButton) {
  Open();
  QTimer::singleShot(0, [] {
    QWidget* nested = QApplication::activeModalWidget();
    QTest::keyClick(nested->findChild<QLineEdit*>(), Qt::Key_Return);
  });
  Click(t::kOpenButton);
  QTimer::singleShot(0, [] {
    for (QPushButton* button : QApplication::activeModalWidget()->findChildren<QPushButton*>())
      if (button->text() == "Cancel") {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
      }
  });
  Click(t::kOpenButton);
  EXPECT_EQ(Log().nestedResults, (std::vector<INT_PTR>{IDOK, IDCANCEL}));
}

TEST_F(DesktopInput, MessageBoxesAreRealWithTheLibrarysText) {
  Open();
  QString text;
  QString caption;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    text = box->text();
    caption = box->windowTitle();
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    box->button(QMessageBox::Cancel)->click();
  });
  Click(t::kWarnButton);
  EXPECT_EQ(text, QString::fromUtf8("Careful: über"));
  EXPECT_EQ(caption, "Test box");
  EXPECT_EQ(Log().messageBoxAnswers, std::vector<int>{IDCANCEL});
}

// The help key with its modifiers goes to the layer, which asks the window with the focus.
TEST_F(DesktopInput, HelpKeyReachesTheLayerWithItsModifiers) {
  Open();
  auto* edit = WidgetAs<QLineEdit>(t::kNameEdit);
  edit->setFocus();
  std::vector<bool> shiftHeld;
  QTest::keyClick(edit, Qt::Key_F1);
  QTest::keyClick(edit, Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_EQ(Log().helpRequests, (std::vector<int>{t::kNameEdit, t::kNameEdit}));
}

TEST(DesktopHelpSink, ShowsTheTopicOfTheHelpMessage) {
  std::vector<int> shown;
  tessaly::desktop::HelpTopicSink sink([&](int id) { shown.push_back(id); });
  EXPECT_EQ(sink.OnMessage(nullptr, WM_COMMANDHELP, 0x20097, 0), std::optional<LRESULT>(TRUE));
  EXPECT_EQ(sink.OnMessage(nullptr, WM_COMMAND, 1, 0), std::nullopt) << "anything else is the frame's";
  EXPECT_EQ(shown, std::vector<int>{131223});
}

// The hint: the pointer rests on a control and 650 ms later, on the real clock, the panel
// shows it; crossing controls quickly shows only the last.
class DesktopHover : public DesktopInput {
 protected:
  // Milliseconds from now until the hint text changes, or -1 after `limitMs`.
  long long UntilHintChanges(int limitMs) {
    const std::string before = t::HintOf(Dialog());
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
      return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    };
    while (elapsed() < limitMs) {
      QTest::qWait(5);
      if (t::HintOf(Dialog()) != before) return elapsed();
    }
    return -1;
  }
};

TEST_F(DesktopHover, TheHintFollowsThePointerAfterItRests) {
  Open();
  PointAt(Widget(t::kCacheBox));
  const long long waited = UntilHintChanges(3000);
  EXPECT_EQ(t::HintOf(Dialog()), "hint 3002");
  EXPECT_GE(waited + 5, 650) << "not before the pointer has rested";

  PointAt(Widget(t::kCacheBox), {2, 2});  // moving within the control asks for nothing
  EXPECT_EQ(UntilHintChanges(900), -1);

  PointAt(Widget(t::kOpenButton));
  QTest::qWait(200);
  PointAt(Widget(t::kWarnButton));
  EXPECT_GE(UntilHintChanges(3000), 0);
  EXPECT_EQ(t::HintOf(Dialog()), "hint 3010") << "only the last control crossed is shown";
}

TEST_F(DesktopHover, LabelsDisabledControlsAndTheBackgroundAreTheDialogs) {
  Open();
  PointAt(Widget(t::kCacheBox));
  ASSERT_GE(UntilHintChanges(3000), 0);
  PointAt(Widget(t::kOffBox));
  ASSERT_GE(UntilHintChanges(3000), 0);
  EXPECT_EQ(t::HintOf(Dialog()), "hint 0") << "a disabled control passes the pointer to its dialog";

  PointAt(Widget(t::kCacheBox));
  ASSERT_GE(UntilHintChanges(3000), 0);
  PointAt(Widget(t::kNameLabel));
  ASSERT_GE(UntilHintChanges(3000), 0);
  EXPECT_EQ(t::HintOf(Dialog()), "hint 0") << "a label lets the pointer through";

  // The group box lies above the combo box but lets the pointer through to it.
  PointAt(Widget(t::kCombo));
  ASSERT_GE(UntilHintChanges(3000), 0);
  EXPECT_EQ(t::HintOf(Dialog()), "hint 3007");
}

TEST_F(DesktopInput, TheWindowInFocusIsTheForegroundWindow) {
  Open();
  WidgetAs<QLineEdit>(t::kNameEdit)->setFocus();
  t::Settle();
  EXPECT_EQ(GetForegroundWindow(), Dialog());
}

}  // namespace
