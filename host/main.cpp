// tessaly-host: the host application of the library. With --drive it runs a script on the
// window layer and prints JSON lines; otherwise it hands over to the desktop front end.

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "host/desktop_front_end.h"
#include "host/drive/drive_run.h"
#include "host/host_options.h"
#include "host/sheet/tab_library.h"
#include "platform/process/module_path.h"

namespace {

int Drive(const tessaly::host::HostOptions& options, const std::string& library) {
  if (!options.script) return tessaly::host::RunDrive(std::cin, std::cout, std::cerr, library);
  std::ifstream script(*options.script);
  if (!script) {
    std::cerr << "tessaly-host: cannot read " << *options.script << '\n';
    return 1;
  }
  return tessaly::host::RunDrive(script, std::cout, std::cerr, library);
}

}  // namespace

int main(int argc, char** argv) {
  const auto parsed = tessaly::host::ParseHostOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (const auto* error = std::get_if<std::string>(&parsed)) {
    std::cerr << "tessaly-host: " << *error << '\n';
    return 2;
  }
  const auto& options = std::get<tessaly::host::HostOptions>(parsed);
  if (options.help) {
    std::cout << tessaly::host::kHostUsage;
    return 0;
  }
  // Taken before the library is loaded: the library asks for the path when it needs it.
  if (options.exePath) platform::process::SetExecutablePath(*options.exePath);
  const std::string library = options.libraryPath.value_or(tessaly::host::DefaultLibraryPath());
  if (options.drive) return Drive(options, library);
  return tessaly::host::RunDesktop({*options.settingsFile, options.scriptTypes, options.protocol.value_or(""), library,
                                    options.screenshot, options.firstFrame});
}
