#pragma once

// The library's string table.

#include <span>

#include "platform/resource/resource_chain.h"

namespace tessaly::res {

std::span<const platform::StringResource> LibraryStrings();

}  // namespace tessaly::res
