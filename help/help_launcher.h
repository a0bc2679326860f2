#pragma once

// Opens the help topic of a help id.

namespace tessaly {

void LaunchHelp(int helpId);

}  // namespace tessaly
