#pragma once

// How the registered open command of a file type names its program.

#include <string>
#include <string_view>

namespace tessaly {

// The text between the first and the last double quote of `command`; empty without two quotes.
std::string ProgramBetweenQuotes(std::string_view command);

}  // namespace tessaly
