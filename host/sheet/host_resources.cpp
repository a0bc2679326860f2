#include "host/sheet/host_resources.h"

namespace tessaly::host {

const platform::ResourceModule& HostModule() {
  static constexpr platform::StringResource kStrings[] = {{kCloseCaptionId, "Close"}};
  static constexpr platform::ResourceModule kModule{"tessaly-host", kStrings};
  return kModule;
}

}  // namespace tessaly::host
