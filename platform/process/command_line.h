#pragma once

// Command lines in the Windows form: one text that the started program splits into its
// arguments. Programs here take an argument vector, so the text is split on our side by the
// same rules a Windows program applies to its own command line.

#include <string>
#include <string_view>
#include <vector>

namespace platform::process {

// Splits by the Windows rules. The first item is the program name: up to the first blank, or
// between double quotes, with no escapes; a line that starts with a blank has an empty program
// name. Each further argument: blanks (space, tab) separate, double quotes group, 2n
// backslashes before a quote give n backslashes and the quote toggles grouping, 2n+1 give n
// and a literal quote, other backslashes are literal, and "" inside a group is a literal
// quote that keeps the group open. An empty line gives no items.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The argument vector that starting `program` with `commandLine` hands it: the split line,
// with `program` as the program name when the line names none.
std::vector<std::string> ArgumentVector(std::string_view program, std::string_view commandLine);

// One argument written so that SplitCommandLine gives it back unchanged.
std::string QuoteArgument(std::string_view argument);

}  // namespace platform::process
