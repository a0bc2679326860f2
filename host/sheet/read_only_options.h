#pragma once

// The read-only presentation a host may ask of a page before the page's window exists: what
// is not given keeps the value the page has.

#include <optional>
#include <string>
#include <vector>

class CCfgTab;

namespace tessaly::host {

struct ReadOnlyOptions {
  std::optional<bool> closeOnly;        // hide Cancel and caption OK "Close"
  std::optional<bool> allControls;      // lock every control, not only the listed ids
  std::optional<std::vector<int>> ids;  // the controls the presentation is restricted to
};

// Turns the presentation on for the page. The reason when it cannot be: the window exists
// already (the presentation is applied as the window is made), or more ids than the page keeps.
std::optional<std::string> ApplyReadOnly(CCfgTab& page, const ReadOnlyOptions& options);

}  // namespace tessaly::host
