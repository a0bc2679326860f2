// Window timers on the virtual clock: when they fire, in which order, and what stops them.

#include <gtest/gtest.h>

#include <vector>

#include "platform/window/message_loop.h"
#include "tests/platform/window_test_support.h"

namespace {

using platform::window::AdvanceClock;
using tessaly::test::ReceivedMessages;
using tessaly::test::WindowTest;

class Timers : public WindowTest {
 protected:
  // (window, timer id) of each WM_TIMER so far, with the clock at the time.
  std::vector<std::tuple<HWND, WPARAM, std::uint64_t>> Fired() const { return m_fired; }
  void SetUp() override {
    WindowTest::SetUp();
    RegisterWindowClass("TimerRecorder", [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
      if (m == WM_TIMER) Current()->m_fired.emplace_back(w, wp, platform::window::LayerVirtualClock().NowMs());
      return DefWindowProcA(w, m, wp, lp);
    });
    Current() = this;
  }
  HWND TimerWindow() { return Child(Top(), "TimerRecorder", 1); }
  std::uint64_t Start() const { return platform::window::LayerVirtualClock().NowMs(); }

 private:
  static Timers*& Current() {
    static Timers* current = nullptr;
    return current;
  }
  std::vector<std::tuple<HWND, WPARAM, std::uint64_t>> m_fired;
};

TEST_F(Timers, FireAtTheirTimeIncludingOneDueAtExactlyTheNewTime) {
  const HWND window = TimerWindow();
  const std::uint64_t start = Start();
  ASSERT_EQ(SetTimer(window, 1, 650, nullptr), 1u);
  AdvanceClock(649);
  EXPECT_TRUE(Fired().empty());
  AdvanceClock(1);
  ASSERT_EQ(Fired().size(), 1u);
  EXPECT_EQ(std::get<2>(Fired()[0]), start + 650);
  KillTimer(window, 1);
}

TEST_F(Timers, RepeatUntilKilledAndDeliverInTimeOrder) {
  const HWND window = TimerWindow();
  const std::uint64_t start = Start();
  SetTimer(window, 7, 300, nullptr);
  SetTimer(window, 8, 200, nullptr);
  AdvanceClock(600);
  std::vector<std::pair<WPARAM, std::uint64_t>> seen;
  for (const auto& [w, id, at] : Fired()) seen.emplace_back(id, at - start);
  const std::vector<std::pair<WPARAM, std::uint64_t>> expected = {{8, 200}, {7, 300}, {8, 400}, {7, 600}, {8, 600}};
  EXPECT_EQ(seen, expected);
  EXPECT_TRUE(KillTimer(window, 7));
  EXPECT_TRUE(KillTimer(window, 8));
  EXPECT_FALSE(KillTimer(window, 8));
  AdvanceClock(1000);
  EXPECT_EQ(Fired().size(), expected.size());
}

TEST_F(Timers, SettingAnIdAgainRestartsIt) {
  const HWND window = TimerWindow();
  const std::uint64_t start = Start();
  SetTimer(window, 1, 650, nullptr);
  AdvanceClock(400);
  SetTimer(window, 1, 650, nullptr);
  AdvanceClock(650);
  ASSERT_EQ(Fired().size(), 1u);
  EXPECT_EQ(std::get<2>(Fired()[0]) - start, 1050u);
  KillTimer(window, 1);
}

TEST_F(Timers, ZeroDelayIsDueAtOnceWithoutMovingTheClock) {
  const HWND window = TimerWindow();
  const std::uint64_t start = Start();
  SetTimer(window, 1, 0, nullptr);
  platform::window::PumpPending();
  ASSERT_EQ(Fired().size(), 1u) << "once, then at the minimum period";
  EXPECT_EQ(std::get<2>(Fired()[0]), start);
  AdvanceClock(USER_TIMER_MINIMUM);
  EXPECT_EQ(Fired().size(), 2u);
  KillTimer(window, 1);
}

TEST_F(Timers, GoWithTheirWindowAndFailWhenNoneCanBeHad) {
  const HWND window = TimerWindow();
  SetTimer(window, 1, 100, nullptr);
  EXPECT_TRUE(platform::window::HasTimer(window, 1));
  DestroyWindow(window);
  EXPECT_FALSE(platform::window::HasTimer(window, 1));
  AdvanceClock(200);
  EXPECT_TRUE(Fired().empty());

  const HWND other = TimerWindow();
  platform::window::faults::SetTimersFail(true);
  EXPECT_EQ(SetTimer(other, 1, 100, nullptr), 0u);
  platform::window::faults::SetTimersFail(false);
  EXPECT_EQ(SetTimer(nullptr, 1, 100, nullptr), 0u) << "a timer needs a window";
  EXPECT_EQ(SetTimer(other, 1, 100, [](HWND, UINT, UINT_PTR, DWORD) {}), 0u) << "callbacks are refused, not ignored";
}

TEST_F(Timers, TheClockDoesNotMoveUnlessAdvanced) {
  const HWND window = TimerWindow();
  SetTimer(window, 1, 1, nullptr);
  platform::window::PumpPending();
  EXPECT_TRUE(Fired().empty());
  EXPECT_EQ(GetTickCount(), static_cast<DWORD>(Start()));
  KillTimer(window, 1);
}

}  // namespace
