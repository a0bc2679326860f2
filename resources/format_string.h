#pragma once

// Message texts with one insert, as the string table writes them ("Cannot open file '%1'").

#include <string>
#include <string_view>

namespace tessaly::res {

// `pattern` with every "%1" replaced by `insert`; every other character, "%" included,
// stays as it is.
std::string FormatString1(std::string_view pattern, std::string_view insert);

}  // namespace tessaly::res
