#include "platform/window/message_loop.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <vector>

#include "platform/win32/messages.h"
#include "platform/window/clock.h"
#include "platform/window/window.h"
#include "platform/window/window_record.h"

namespace platform::window {

namespace {

struct PostedMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

struct Timer {
  HWND window;
  UINT_PTR id;
  std::uint64_t periodMs;
  std::uint64_t dueMs;
  std::uint64_t order;
};

struct LoopState {
  std::deque<PostedMessage> posted;
  std::vector<Timer> timers;
  std::uint64_t nextOrder = 0;
  Clock* clock = nullptr;
  InputSource* input = nullptr;
  std::vector<HWND> modal;
  bool timersFail = false;
};

LoopState& State() {
  static LoopState state;
  return state;
}

// The earliest timer due at or before `limitMs`, ties in the order they were set.
Timer* EarliestDue(std::uint64_t limitMs) {
  Timer* earliest = nullptr;
  for (Timer& timer : State().timers)
    if (timer.dueMs <= limitMs && (!earliest || timer.dueMs < earliest->dueMs ||
                                   (timer.dueMs == earliest->dueMs && timer.order < earliest->order)))
      earliest = &timer;
  return earliest;
}

void Fire(Timer& timer, std::uint64_t nowMs) {
  const HWND window = timer.window;
  const UINT_PTR id = timer.id;
  timer.dueMs = std::max(timer.dueMs + timer.periodMs, nowMs);
  timer.order = State().nextOrder++;
  SendMessageA(window, WM_TIMER, id, 0);
}

}  // namespace

std::uint64_t SteadyClock::NowMs() const {
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
          .count());
}

VirtualClock& LayerVirtualClock() {
  static VirtualClock clock;
  return clock;
}

void SetClock(Clock* clock) { State().clock = clock; }

Clock& CurrentClock() { return State().clock ? *State().clock : LayerVirtualClock(); }

bool PumpOne() {
  LoopState& state = State();
  if (!state.posted.empty()) {
    const PostedMessage posted = state.posted.front();
    state.posted.pop_front();
    SendMessageA(posted.window, posted.message, posted.wParam, posted.lParam);
    return true;
  }
  const std::uint64_t now = CurrentClock().NowMs();
  if (Timer* timer = EarliestDue(now)) {
    Fire(*timer, now);
    return true;
  }
  return false;
}

void PumpPending() {
  while (PumpOne()) {
  }
}

bool AdvanceClock(std::uint64_t ms) {
  if (&CurrentClock() != &LayerVirtualClock()) return false;
  VirtualClock& clock = LayerVirtualClock();
  const std::uint64_t target = clock.NowMs() + ms;
  for (;;) {
    PumpPending();
    Timer* timer = EarliestDue(target);
    if (!timer) break;
    clock.SetMs(std::max(clock.NowMs(), timer->dueMs));
    Fire(*timer, clock.NowMs());
  }
  clock.SetMs(target);
  PumpPending();
  return true;
}

std::optional<std::uint64_t> NextTimerDue() {
  Timer* timer = EarliestDue(UINT64_MAX);
  if (!timer) return std::nullopt;
  return timer->dueMs;
}

bool HasTimer(HWND window, UINT_PTR id) {
  const auto& timers = State().timers;
  return std::any_of(timers.begin(), timers.end(), [&](const Timer& t) { return t.window == window && t.id == id; });
}

void SetInputSource(InputSource* source) { State().input = source; }

HWND ActiveModalDialog() { return State().modal.empty() ? nullptr : State().modal.back(); }

INT_PTR RunModalLoop(HWND dialog) {
  LoopState& state = State();
  state.modal.push_back(dialog);
  bool cancelled = false;
  for (;;) {
    const detail::WindowRecord* record = detail::Find(dialog);
    if (!record || record->dialogEnded) break;
    if (PumpOne()) continue;
    if (state.input && state.input->WaitForInput()) continue;
    // Nobody will answer the dialog: it is closed as the user's Cancel would close it,
    // and ended outright if it refuses.
    if (!cancelled) {
      cancelled = true;
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    } else {
      EndDialog(dialog, IDCANCEL);
    }
  }
  std::erase(state.modal, dialog);
  const detail::WindowRecord* record = detail::Find(dialog);
  return record ? record->dialogResult : -1;
}

void faults::SetTimersFail(bool fail) { State().timersFail = fail; }

namespace detail {
void DropQueueOf(HWND window) {
  LoopState& state = State();
  std::erase_if(state.posted, [&](const PostedMessage& posted) { return posted.window == window; });
  std::erase_if(state.timers, [&](const Timer& timer) { return timer.window == window; });
}
}  // namespace detail

}  // namespace platform::window

using platform::window::State;

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(window)) return FALSE;
  State().posted.push_back({window, message, wParam, lParam});
  return TRUE;
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC callback) {
  auto& state = State();
  if (!IsWindow(window) || callback || state.timersFail) return 0;
  const std::uint64_t now = platform::window::CurrentClock().NowMs();
  const std::uint64_t period = std::max<std::uint64_t>(elapseMs, USER_TIMER_MINIMUM);
  KillTimer(window, id);
  state.timers.push_back({window, id, period, now + elapseMs, state.nextOrder++});
  return id;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
  return std::erase_if(State().timers,
                       [&](const platform::window::Timer& t) { return t.window == window && t.id == id; })
             ? TRUE
             : FALSE;
}

DWORD GetTickCount() { return static_cast<DWORD>(platform::window::CurrentClock().NowMs()); }

BOOL EndDialog(HWND dialog, INT_PTR result) {
  auto* record = platform::window::detail::Find(dialog);
  if (!record) return FALSE;
  record->dialogEnded = true;
  record->dialogResult = result;
  return TRUE;
}
