#include "platform/profile/file_faults.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace platform::profile::faults {

namespace {
std::atomic<int> g_countdown{0};
std::atomic<int> g_steps{0};
std::atomic<Action> g_action{Action::Fail};
std::atomic<int> g_error{EIO};
}  // namespace

void Arm(int nth, Action action, int error) {
  g_action = action;
  g_error = error;
  g_steps = 0;
  g_countdown = nth;
}

void Disarm() {
  g_countdown = 0;
  g_steps = 0;
}

int StepsTaken() { return g_steps; }

bool Step() {
  ++g_steps;
  if (g_countdown.load() <= 0 || --g_countdown != 0) return true;
  if (g_action == Action::Crash) _exit(kCrashExitStatus);
  errno = g_error;
  return false;
}

}  // namespace platform::profile::faults
