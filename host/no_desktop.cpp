#include <iostream>

#include "host/desktop_front_end.h"

namespace tessaly::host {

int RunDesktop(const DesktopOptions&) {
  std::cerr << "tessaly-host: the desktop front end is not built in; use --drive\n";
  return 2;
}

}  // namespace tessaly::host
