#pragma once

// The time that window timers run by. Tests and the scripted driver use the virtual clock,
// which moves only when told; the desktop uses the steady clock.

#include <cstdint>

namespace platform::window {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint64_t NowMs() const = 0;
};

class VirtualClock final : public Clock {
 public:
  std::uint64_t NowMs() const override { return m_nNowMs; }
  void SetMs(std::uint64_t nowMs) { m_nNowMs = nowMs; }

 private:
  std::uint64_t m_nNowMs = 0;
};

class SteadyClock final : public Clock {
 public:
  std::uint64_t NowMs() const override;
};

// The layer starts on its own virtual clock; null goes back to it.
void SetClock(Clock* clock);
Clock& CurrentClock();
VirtualClock& LayerVirtualClock();

}  // namespace platform::window
