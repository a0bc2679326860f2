#include "host/desktop/real_clock_pump.h"

#include <algorithm>
#include <limits>

#include "platform/window/message_loop.h"

namespace tessaly::desktop {

RealClockPump::RealClockPump(std::function<void()> turn) {
  platform::window::SetClock(&m_clock);
  m_timer.setSingleShot(true);
  m_timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&m_timer, &QTimer::timeout, [turn = std::move(turn)] { turn(); });
}

RealClockPump::~RealClockPump() {
  m_timer.stop();
  platform::window::SetClock(nullptr);
}

void RealClockPump::Reschedule() {
  const std::optional<std::uint64_t> due = platform::window::NextTimerDue();
  if (!due) {
    m_timer.stop();
    return;
  }
  const std::uint64_t now = m_clock.NowMs();
  const std::uint64_t wait = *due > now ? *due - now : 0;
  m_timer.start(static_cast<int>(std::min<std::uint64_t>(wait, std::numeric_limits<int>::max())));
}

}  // namespace tessaly::desktop
