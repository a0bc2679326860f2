#pragma once

// Opens a topic of the compiled help file beside the host program.

#include "platform/win32/types.h"

namespace tessaly {

BOOL OpenCompiledHelp(DWORD contextId);

}  // namespace tessaly
