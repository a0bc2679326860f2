#include "platform/debug/debug_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/support/observer_slot.h"

namespace platform::debug {

namespace {

ObserverSlot<DebugObserver>& Observer() {
  static ObserverSlot<DebugObserver> slot;
  return slot;
}

bool ToStandardError() {
  const char* setting = std::getenv("TESSALY_DEBUG");
  return setting && *setting;
}

// One write per line, so that lines from several processes on one terminal stay whole.
void WriteLine(std::string_view text) {
  std::string line(text);
  if (line.empty() || line.back() != '\n') line += '\n';
  std::size_t done = 0;
  while (done < line.size()) {
    const ssize_t written = ::write(STDERR_FILENO, line.data() + done, line.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) break;
    done += static_cast<std::size_t>(written);
  }
}

}  // namespace

void SetDebugObserver(DebugObserver observer) { Observer().Set(std::move(observer)); }

}  // namespace platform::debug

void OutputDebugStringA(LPCSTR text) {
  using namespace platform::debug;
  if (!text) return;
  if (ToStandardError()) WriteLine(text);
  Observer().Notify(text);
}
