#pragma once

// One line of a drive script, split into its words.

#include <string>
#include <string_view>
#include <vector>

namespace tessaly::host {

struct DriveLine {
  std::vector<std::string> words;  // empty for a blank or comment line
  std::string error;               // set when the line cannot be split
};

// Words are separated by blanks; double quotes group blanks into a word, and inside them a
// backslash before a quote or a backslash stands for that character. A line whose first word
// starts with # is a comment.
DriveLine SplitDriveLine(std::string_view line);

}  // namespace tessaly::host
