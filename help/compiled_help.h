#pragma once

// The tab's help in the earlier edition: a compiled help file beside the host executable,
// opened at a context id.

#include "platform/win32/types.h"

namespace tessaly {

inline constexpr char kCompiledHelpFile[] = "QUILLET.CHM";

// Opens the topic `contextId` of the help file in the host executable's folder. FALSE, showing
// nothing, when the executable's path cannot be had or the file's path would not fit.
BOOL OpenCompiledHelp(DWORD contextId);

}  // namespace tessaly
