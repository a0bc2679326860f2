// The hint panel in both of its owners: the start hint, the delay after the pointer comes
// to rest, restarts, missing strings, no timer and a panel that is not attached.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "resources/library_resources.h"
#include "tests/framework/framework_test_support.h"
#include "tests/platform/window_test_support.h"

namespace {

using platform::window::AdvanceClock;
using tessaly::res::LibraryString;
using tessaly::test::FrameworkTest;

// One owner with its window open, seen through what the panel shows.
class TabOwner {
 public:
  explicit TabOwner(CWnd* frame, bool attach = true) : m_tab(tessaly::test::kPageTemplate, attach) {
    m_tab.CreatePage(frame);
  }
  CHintPanel& Panel() { return m_tab; }
  HWND Window() const { return m_tab.m_hWnd; }
  int SetHint(UINT title, UINT text, int id, UINT delay) { return m_tab.SetHint(title, text, id, delay); }
  int HoverableControl() const { return 1041; }
  int OtherControl() const { return 1040; }

 private:
  tessaly::test::CTestTab m_tab;
};

class DialogOwner {
 public:
  explicit DialogOwner(CWnd*, bool attach = true) : m_dialog(attach) { m_dialog.OpenWithoutLoop(); }
  CHintPanel& Panel() { return m_dialog; }
  HWND Window() const { return m_dialog.m_hWnd; }
  int SetHint(UINT title, UINT text, int id, UINT delay) { return m_dialog.SetHint(title, text, id, delay); }
  int HoverableControl() const { return 1064; }
  int OtherControl() const { return 1068; }

 private:
  tessaly::test::CTestDialog m_dialog;
};

template <typename Owner>
class HintPanel : public FrameworkTest {
 protected:
  void Open(bool attach = true) {
    m_owner = std::make_unique<Owner>(FrameObject(), attach);
    ASSERT_NE(m_owner->Window(), nullptr);
  }
  void TearDown() override {
    m_owner.reset();
    FrameworkTest::TearDown();
  }
  std::string Title() const { return Text(1035); }
  std::string Description() const { return Text(1059); }
  std::string Text(int id) const {
    char text[512] = {};
    GetWindowTextA(GetDlgItem(m_owner->Window(), id), text, sizeof text);
    return text;
  }
  void Hover(int id) {
    const HWND target = id ? platform::window::FindDescendant(m_owner->Window(), id) : m_owner->Window();
    ASSERT_EQ(platform::window::input::PointerOnto(target), platform::window::input::Outcome::Done);
  }
  static std::string TitleOf(int id) { return LibraryString(tessaly::test::HintPairOf(id).first); }
  static std::string DescriptionOf(int id) { return LibraryString(tessaly::test::HintPairOf(id).second); }

  std::unique_ptr<Owner> m_owner;
};

using Owners = ::testing::Types<TabOwner, DialogOwner>;
class OwnerNames {
 public:
  template <typename T>
  static std::string GetName(int) {
    return std::is_same_v<T, TabOwner> ? "SettingsTab" : "FrameworkDialog";
  }
};
TYPED_TEST_SUITE(HintPanel, Owners, OwnerNames);

TYPED_TEST(HintPanel, StartHintShowsAtTheFirstTimerMessageWithoutMovingThePointer) {
  this->Open();
  EXPECT_EQ(this->Title(), "Help Title") << "the placeholder until the timer message";
  platform::window::PumpPending();
  EXPECT_EQ(this->Title(), "Hint:");
  EXPECT_EQ(this->Description(), "Move the mouse over any item to see its description.");
  EXPECT_EQ(this->m_owner->Panel().m_nHintCtrlId, 0);
  EXPECT_EQ(this->m_owner->Panel().m_nHintTimer, 0) << "the timer fires once for each request";
}

TYPED_TEST(HintPanel, ControlsHintShowsAfter650Milliseconds) {
  this->Open();
  platform::window::PumpPending();
  const int id = this->m_owner->HoverableControl();
  this->Hover(id);
  AdvanceClock(649);
  EXPECT_EQ(this->Title(), "Hint:");
  AdvanceClock(1);
  EXPECT_EQ(this->Title(), this->TitleOf(id));
  EXPECT_EQ(this->Description(), this->DescriptionOf(id));
}

TYPED_TEST(HintPanel, CrossingControlsRestartsTheWaitAndShowsOnlyTheLast) {
  this->Open();
  platform::window::PumpPending();
  const int first = this->m_owner->HoverableControl();
  const int second = this->m_owner->OtherControl();
  this->Hover(first);
  AdvanceClock(400);
  this->Hover(second);
  AdvanceClock(649);
  EXPECT_EQ(this->Title(), "Hint:") << "the first control's hint never shows";
  AdvanceClock(1);
  EXPECT_EQ(this->Title(), this->TitleOf(second));
}

TYPED_TEST(HintPanel, StayingOnAControlRequestsNothingNew) {
  this->Open();
  platform::window::PumpPending();
  const int id = this->m_owner->HoverableControl();
  this->Hover(id);
  AdvanceClock(400);
  this->Hover(id);
  AdvanceClock(250);
  EXPECT_EQ(this->Title(), this->TitleOf(id)) << "the delay runs from the first arrival";
}

TYPED_TEST(HintPanel, BackgroundAfterAControlShowsTheGeneralHintAgain) {
  this->Open();
  platform::window::PumpPending();
  this->Hover(0);
  AdvanceClock(1000);
  EXPECT_EQ(this->Title(), "Hint:") << "the background asks for nothing before a control";
  EXPECT_FALSE(platform::window::HasTimer(this->m_owner->Window(), 1));
  this->Hover(this->m_owner->HoverableControl());
  AdvanceClock(650);
  this->Hover(0);
  AdvanceClock(649);
  EXPECT_NE(this->Title(), "Hint:");
  AdvanceClock(1);
  EXPECT_EQ(this->Title(), "Hint:");
  EXPECT_EQ(this->Description(), "Move the mouse over any item to see its description.");
}

TYPED_TEST(HintPanel, MissingStringKeepsThePreviousText) {
  this->Open();
  platform::window::PumpPending();
  this->m_owner->SetHint(3503, 9999, 1041, 0);
  platform::window::PumpPending();
  EXPECT_EQ(this->Title(), "Simulate browser cache");
  EXPECT_EQ(this->Description(), "Move the mouse over any item to see its description.");
}

TYPED_TEST(HintPanel, RequestWithoutATimerShowsNothingUntilTheNextOne) {
  this->Open();
  platform::window::PumpPending();
  platform::window::faults::SetTimersFail(true);
  EXPECT_EQ(this->m_owner->SetHint(3503, 3504, 1041, 650), 0);
  platform::window::faults::SetTimersFail(false);
  EXPECT_EQ(this->m_owner->Panel().m_nHintTimer, 0);
  AdvanceClock(5000);
  EXPECT_EQ(this->Title(), "Hint:");
  EXPECT_EQ(this->m_owner->SetHint(3509, 3510, 1040, 650), 1);
  AdvanceClock(650);
  EXPECT_EQ(this->Title(), "Change");
  EXPECT_EQ(this->Description(), "Specify browser details such as browser type, version or language");
}

TYPED_TEST(HintPanel, PanelThatIsNotAttachedStaysSilent) {
  this->Open(false);
  platform::window::PumpPending();
  this->Hover(this->m_owner->HoverableControl());
  AdvanceClock(650);
  EXPECT_EQ(this->Title(), "Help Title");
  EXPECT_EQ(this->Description(), "This is item description, with operational instructions");
  EXPECT_EQ(this->m_owner->Panel().m_strHintTitle, CString(this->TitleOf(this->m_owner->HoverableControl())))
      << "the texts stay pending";
}

TYPED_TEST(HintPanel, TimerGoesWithTheWindow) {
  this->Open();
  const HWND window = this->m_owner->Window();
  this->Hover(this->m_owner->HoverableControl());
  this->m_owner.reset();
  EXPECT_FALSE(platform::window::HasTimer(window, 1));
  AdvanceClock(1000);
}

}  // namespace
