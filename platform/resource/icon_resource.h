#pragma once

// An icon as a module carries it. Only its size matters to a window without a display; a
// front end draws it from its pixels (32-bit ARGB, row by row), when it has any.

#include <cstdint>
#include <span>

#include "platform/win32/types.h"

namespace platform {

struct IconResource {
  UINT id;
  int width;
  int height;
  std::span<const std::uint32_t> pixels = {};
};

}  // namespace platform
