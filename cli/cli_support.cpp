#include "cli/cli_support.h"

#include "platform/profile/profile.h"

namespace tessaly::cli {

void FailUsage(const std::string& message) { throw Failure(kExitUsage, message); }

void FailFile(std::string_view action, const std::string& file, std::error_code error) {
  std::string reason = error.message();
  if (error == std::errc::invalid_argument && action == "write") {
    reason = "a name or value holds a line break, or a key name holds '=' or reads as a section";
    throw Failure(kExitUsage, "cannot write '" + file + "': " + reason);
  }
  throw Failure(kExitFailure, "cannot " + std::string(action) + " '" + file + "': " + reason);
}

void RequireReadable(const std::string& file) {
  if (const std::error_code error = platform::profile::CheckReadable(file)) FailFile("read", file, error);
}

void RequireWritten(const std::string& file, std::error_code error) {
  if (error) FailFile("write", file, error);
}

void PrintPair(std::string_view name, std::string_view value) { std::cout << name << '=' << value << '\n'; }

}  // namespace tessaly::cli
