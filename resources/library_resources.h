#pragma once

// The library's resources as one module of the resource chain.

#include <optional>
#include <string>

#include "platform/resource/resource_chain.h"

namespace tessaly::res {

const platform::ResourceModule& LibraryModule();

// A string of the library's own table, whatever else the chain holds; empty when missing.
std::string LibraryString(UINT id);

}  // namespace tessaly::res
