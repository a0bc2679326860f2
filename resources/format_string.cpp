#include "resources/format_string.h"

namespace tessaly::res {

std::string FormatString1(std::string_view pattern, std::string_view insert) {
  constexpr std::string_view kPlaceholder = "%1";
  std::string text;
  text.reserve(pattern.size() + insert.size());
  std::size_t start = 0;
  for (std::size_t found = pattern.find(kPlaceholder); found != std::string_view::npos;
       found = pattern.find(kPlaceholder, start)) {
    text.append(pattern.substr(start, found - start)).append(insert);
    start = found + kPlaceholder.size();
  }
  text.append(pattern.substr(start));
  return text;
}

}  // namespace tessaly::res
