#pragma once

// The scripted front end as a whole: loads the library, runs the script on the sheet and
// prints JSON lines.

#include <istream>
#include <ostream>
#include <string>

namespace tessaly::host {

// 0 when every line ran; 1 when a line printed an error, or when the library could not be
// loaded (the reason goes to `err`, nothing runs).
int RunDrive(std::istream& script, std::ostream& out, std::ostream& err, const std::string& libraryPath);

}  // namespace tessaly::host
