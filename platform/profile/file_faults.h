#pragma once

// A countdown seam in the file operations of profile writes, so that a test can make any
// single step of a write fail, or end the process right before it, and then look at what
// is left on disk.

namespace platform::profile::faults {

enum class Action { Fail, Crash };

// The exit status of a process that the seam ended.
inline constexpr int kCrashExitStatus = 86;

// The nth step from now (1 is the next) fails with `error`, or ends the process with
// kCrashExitStatus before it happens.
void Arm(int nth, Action action, int error = 5 /* EIO */);
void Disarm();

// Steps taken since the last Arm or Disarm; tells a test how many steps a write has.
int StepsTaken();

// Called by the file operations before each step; false when the step is to fail (errno set).
bool Step();

}  // namespace platform::profile::faults
