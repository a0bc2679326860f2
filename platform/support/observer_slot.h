#pragma once

// A hook that a front end sets and the layer calls. The call runs outside the lock, so an
// observer may set the hook again or call back into the layer.

#include <mutex>
#include <utility>

namespace platform {

template <typename Observer>
class ObserverSlot {
 public:
  void Set(Observer observer) {
    std::lock_guard guard(m_lock);
    m_observer = std::move(observer);
  }

  template <typename... Args>
  void Notify(Args&&... args) {
    Observer observer;
    {
      std::lock_guard guard(m_lock);
      observer = m_observer;
    }
    if (observer) observer(std::forward<Args>(args)...);
  }

 private:
  std::mutex m_lock;
  Observer m_observer;
};

}  // namespace platform
