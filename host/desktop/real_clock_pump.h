#pragma once

// Runs the layer's timers on the real clock: the layer reads the steady clock, and a Qt timer
// wakes when its next timer falls due, so that a hint shows 650 ms after the pointer stopped.

#include <QTimer>

#include <functional>

#include "platform/window/clock.h"

namespace tessaly::desktop {

class RealClockPump {
 public:
  // `turn` delivers what is due (through the dispatch, so that a modal run sees it).
  explicit RealClockPump(std::function<void()> turn);
  ~RealClockPump();
  RealClockPump(const RealClockPump&) = delete;
  RealClockPump& operator=(const RealClockPump&) = delete;

  // Looks again at when the next timer falls due; after anything that may set or kill one.
  void Reschedule();

 private:
  platform::window::SteadyClock m_clock;
  QTimer m_timer;
};

}  // namespace tessaly::desktop
