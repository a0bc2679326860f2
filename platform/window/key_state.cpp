#include "platform/window/key_state.h"

#include <set>

namespace platform::window {
namespace {
std::set<int>& KeysDown() {
  static std::set<int> keys;
  return keys;
}
}  // namespace

void SetKeyDown(int virtualKey, bool down) {
  if (down)
    KeysDown().insert(virtualKey);
  else
    KeysDown().erase(virtualKey);
}
}  // namespace platform::window

SHORT GetKeyState(int virtualKey) {
  return platform::window::KeysDown().count(virtualKey) ? static_cast<SHORT>(0x8000 - 0x10000) : SHORT{0};
}
