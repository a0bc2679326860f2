#include "resources/library_resources.h"

#include "resources/dialog_templates.h"
#include "resources/library_icons.h"
#include "resources/string_table.h"

namespace tessaly::res {

const platform::ResourceModule& LibraryModule() {
  static const platform::ResourceModule module{"Tessaly", LibraryStrings(), LibraryDialogs(), LibraryIcons()};
  return module;
}

std::string LibraryString(UINT id) {
  const auto text = platform::FindStringIn(LibraryModule(), id);
  return text ? std::string(*text) : std::string();
}

}  // namespace tessaly::res
