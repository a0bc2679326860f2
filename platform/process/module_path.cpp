#include "platform/process/module_path.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace platform::process {

namespace {
std::string& Override() {
  static std::string path;
  return path;
}
}  // namespace

std::string ExecutablePath() {
  if (!Override().empty()) return Override();
  char path[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof path) return {};
  return std::string(path, static_cast<std::size_t>(length));
}

void SetExecutablePath(std::string path) { Override() = std::move(path); }

}  // namespace platform::process

DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
  if (module || !buffer || size == 0) return 0;
  const std::string path = platform::process::ExecutablePath();
  if (path.empty()) return 0;
  if (path.size() >= size) {
    std::memcpy(buffer, path.data(), size - 1);
    buffer[size - 1] = '\0';
    errno = ERANGE;
    return size;
  }
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  return static_cast<DWORD>(path.size());
}
