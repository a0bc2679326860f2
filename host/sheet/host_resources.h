#pragma once

// The host application's own resources. They head the resource chain, ahead of every library
// the host loads, so that the host's strings are the ones found (the caption a read-only
// page gives its OK button).

#include "platform/resource/resource_chain.h"

namespace tessaly::host {

inline constexpr UINT kCloseCaptionId = 20430;

const platform::ResourceModule& HostModule();

// The host's module in the chain for the life of the object; made before any library is loaded.
class HostResources {
 public:
  HostResources() { platform::JoinResourceChain(HostModule()); }
  ~HostResources() { platform::LeaveResourceChain(HostModule()); }
  HostResources(const HostResources&) = delete;
  HostResources& operator=(const HostResources&) = delete;
};

}  // namespace tessaly::host
