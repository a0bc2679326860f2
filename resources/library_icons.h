#pragma once

// The library's icons: 152 on the tab (32 by 32, and 16 by 16) and 153 in the content types
// dialog (32 by 32), as 16-colour pictures in the pixels the icon resources carry.

#include <span>

#include "platform/resource/icon_resource.h"

namespace tessaly::res {

std::span<const platform::IconResource> LibraryIcons();

}  // namespace tessaly::res
