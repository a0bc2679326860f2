#pragma once

// Posted messages, window timers and the loops that deliver them. Nothing runs by itself:
// a front end, the driver or a test pumps, or advances the virtual clock, and a modal
// dialog's loop asks the input source for the user's next action when nothing is due.

#include <cstdint>
#include <optional>

#include "platform/win32/types.h"
#include "platform/window/window_types.h"

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A timer of the window that repeats every `elapseMs` until killed: the window receives
// WM_TIMER with the id. A timer of 0 ms is due at once and then repeats at
// USER_TIMER_MINIMUM. Setting an existing id restarts it. Returns the id (the callback is
// not supported: the timer is then refused), 0 when no timer can be started.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC callback);
BOOL KillTimer(HWND window, UINT_PTR id);

// Milliseconds of the layer's clock.
DWORD GetTickCount();

// Ends a dialog's modal loop with `result` (the window stays until the loop closes it).
BOOL EndDialog(HWND dialog, INT_PTR result);

namespace platform::window {

// Delivers one posted message, or else one timer that is due; false when nothing was due.
bool PumpOne();
// Delivers everything due now.
void PumpPending();

// Moves the virtual clock on by `ms`, delivering in order every timer that falls due on
// the way, one due at exactly the new time included. False (and nothing done) when the
// layer does not run on its virtual clock.
bool AdvanceClock(std::uint64_t ms);

// When the next timer falls due, for front ends that sleep until then.
std::optional<std::uint64_t> NextTimerDue();
bool HasTimer(HWND window, UINT_PTR id);

// Where a modal loop waits for the user. WaitForInput returns after delivering one action
// (or a batch); false means no more input will come, and the loop then cancels its dialog.
class InputSource {
 public:
  virtual ~InputSource() = default;
  virtual bool WaitForInput() = 0;
};
// Null: no input source; modal dialogs are cancelled as soon as nothing is due.
void SetInputSource(InputSource* source);

// Runs the modal loop of a dialog until EndDialog; returns its result.
INT_PTR RunModalLoop(HWND dialog);

// The dialogs whose modal loops are running, innermost last.
HWND ActiveModalDialog();

namespace faults {
// While set, SetTimer fails as it does when the system has no timers left.
void SetTimersFail(bool fail);
}  // namespace faults

}  // namespace platform::window
