#pragma once

// Resources by id, found through a chain of modules: the host's first, then each library
// that joined when it was loaded. A module that leaves is searched no more.

#include <optional>
#include <span>
#include <string_view>

#include "platform/resource/dialog_template.h"
#include "platform/resource/icon_resource.h"
#include "platform/win32/types.h"

namespace platform {

struct StringResource {
  UINT id;
  std::string_view text;
};

struct ResourceModule {
  std::string_view name;
  std::span<const StringResource> strings;
  std::span<const DialogTemplate> dialogs = {};
  std::span<const IconResource> icons = {};
};

void JoinResourceChain(const ResourceModule& module);
void LeaveResourceChain(const ResourceModule& module);
bool IsInResourceChain(const ResourceModule& module);

// The first module of the chain that has the string.
std::optional<std::string_view> FindString(UINT id);

// One module's own string, whatever the chain holds.
std::optional<std::string_view> FindStringIn(const ResourceModule& module, UINT id);

// The first template or icon of that id in the chain; null when no module has one.
const DialogTemplate* FindDialog(UINT id);
const IconResource* FindIcon(UINT id);

}  // namespace platform
