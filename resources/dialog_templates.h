#pragma once

// The library's dialog templates (149 the tab, 150 the User-Agent dialog, 151 the content
// types dialog), as its module carries them.

#include <span>

#include "platform/resource/dialog_template.h"

namespace tessaly::res {

std::span<const platform::DialogTemplate> LibraryDialogs();

}  // namespace tessaly::res
