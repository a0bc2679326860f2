#include "host/drive/drive_run.h"

#include "host/drive/drive_events.h"
#include "host/drive/drive_output.h"
#include "host/drive/driver.h"
#include "host/sheet/tab_host.h"

namespace tessaly::host {

int RunDrive(std::istream& script, std::ostream& out, std::ostream& err, const std::string& libraryPath) {
  DriveOutput output(out);
  // The events outlive the host: the frame's sink and the observers hear the pages' last words.
  DriveEvents events(output);
  TabHost::Opened opened = TabHost::Open(libraryPath, &events);
  if (!opened.host) {
    err << "tessaly-host: " << opened.error << '\n';
    return 1;
  }
  {
    Driver driver(script, {*opened.host, output});
    driver.Run();
  }
  opened.host.reset();
  return output.HadError() ? 1 : 0;
}

}  // namespace tessaly::host
