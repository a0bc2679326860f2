#pragma once

// How the registered open command of a file type names its program.

#include <string>
#include <string_view>

namespace tessaly {

// The program of an open command: the text inside its first pair of double quotes; empty
// without such a pair.
std::string ProgramBetweenQuotes(std::string_view command);

}  // namespace tessaly
