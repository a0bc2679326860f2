// A framework dialog built from its template and used as a user would, with no display:
// it opens modally, the pointer rests on controls, the clock moves, the user clicks, asks
// for help and closes it.

#include <gtest/gtest.h>

#include <functional>
#include <queue>
#include <string>

#include "platform/window/check_list.h"
#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/observer.h"
#include "platform/window/snapshot.h"
#include "platform/window/window.h"
#include "settings/edition.h"
#include "tests/framework/framework_test_support.h"
#include "tests/platform/window_test_support.h"

namespace {

using platform::window::AdvanceClock;
using platform::window::input::Outcome;
using tessaly::test::FrameworkTest;

class Steps final : public platform::window::InputSource {
 public:
  void Then(std::function<void()> step) { m_steps.push(std::move(step)); }
  bool WaitForInput() override {
    if (m_steps.empty()) return false;
    auto step = std::move(m_steps.front());
    m_steps.pop();
    step();
    return true;
  }

 private:
  std::queue<std::function<void()>> m_steps;
};

struct ModalLog : platform::window::WindowObserver {
  std::vector<std::string> events;
  void OnModalBegin(HWND, UINT id) override { events.push_back("begin " + std::to_string(id)); }
  void OnModalEnd(HWND, UINT id, INT_PTR result) override {
    events.push_back("end " + std::to_string(id) + " " + std::to_string(result));
  }
};

class HeadlessDialog : public FrameworkTest {};

TEST_F(HeadlessDialog, OpensHoversClicksAndClosesOnTheVirtualClock) {
  tessaly::test::CTestDialog dialog;
  Steps steps;
  ModalLog log;
  platform::window::AddObserver(&log);
  platform::window::SetInputSource(&steps);
  auto hint = [&] {
    return platform::window::Snapshot(GetDlgItem(dialog.m_hWnd, 1035), dialog.m_hWnd).text + " / " +
           platform::window::Snapshot(GetDlgItem(dialog.m_hWnd, 1059), dialog.m_hWnd).text;
  };
  auto control = [&](int id) { return platform::window::FindDescendant(dialog.m_hWnd, id); };

  steps.Then([&] {
    EXPECT_EQ(hint(), "Hint: / Move the mouse over any item to see its description.");
    EXPECT_EQ(platform::window::input::PointerOnto(control(1064)), Outcome::Done);
    AdvanceClock(650);
    EXPECT_EQ(hint(),
              "Specify URLs requiring content in addition to HTML pages / Check this option to be able to specify "
              "content types of URLs  that require content in addition to HTML pages, e.g. for verification or "
              "correlation.");
  });
  steps.Then([&] {
    platform::window::input::PointerOnto(control(platform::window::kCheckListInnerId));
    AdvanceClock(650);
    EXPECT_EQ(hint(), "Content types / Add and enable content types that define URLs requiring content.");
    EXPECT_EQ(platform::window::input::Click(control(1064)), Outcome::Done);
    EXPECT_EQ(IsDlgButtonChecked(dialog.m_hWnd, 1064), 1u);
    EXPECT_EQ(platform::window::input::ListAdd(control(1068), "text/xml", 16), Outcome::Done);
  });
  steps.Then([&] {
    platform::window::input::Key(dialog.m_hWnd, VK_F1, {});
    EXPECT_EQ(tessaly::test::ReceivedOf(Frame(), WM_COMMANDHELP).size(), 1u);
    const auto shot = platform::window::Snapshot(control(1064), dialog.m_hWnd);
    EXPECT_EQ(shot.className, "Button");
    EXPECT_EQ(shot.check, 1);
    EXPECT_TRUE(shot.enabled);
    EXPECT_EQ(shot.font->face, "MS Sans Serif");
    EXPECT_EQ(shot.rect.left, 56);
    const auto list = platform::window::Snapshot(control(1068), dialog.m_hWnd);
    ASSERT_TRUE(list.listItems);
    EXPECT_EQ(*list.listItems, (std::vector<std::pair<std::string, int>>{{"text/xml", 16}}));
    EXPECT_FALSE(IsWindowEnabled(Frame())) << "the owner waits while the dialog runs";
    platform::window::input::Key(dialog.m_hWnd, VK_ESCAPE, {});
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  platform::window::RemoveObserver(&log);
  EXPECT_EQ(log.events, (std::vector<std::string>{"begin 151", "end 151 2"}));
  EXPECT_TRUE(IsWindowEnabled(Frame()));
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

}  // namespace
