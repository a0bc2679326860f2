#pragma once

// The library's dialog templates (149 the tab, 150 the User-Agent dialog, 151 the content
// types dialog) and its icons (152, 153), as its module carries them.

#include <span>

#include "platform/resource/dialog_template.h"
#include "platform/resource/icon_resource.h"

namespace tessaly::res {

std::span<const platform::DialogTemplate> LibraryDialogs();
std::span<const platform::IconResource> LibraryIcons();

}  // namespace tessaly::res
