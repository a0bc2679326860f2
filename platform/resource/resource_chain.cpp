#include "platform/resource/resource_chain.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {
std::vector<const ResourceModule*>& Chain() {
  static std::vector<const ResourceModule*> chain;
  return chain;
}

template <typename Resource>
const Resource* FindById(std::span<const Resource> ResourceModule::*table, UINT id) {
  for (const ResourceModule* module : Chain())
    for (const Resource& entry : module->*table)
      if (entry.id == id) return &entry;
  return nullptr;
}
}  // namespace

void JoinResourceChain(const ResourceModule& module) {
  auto& chain = Chain();
  if (std::find(chain.begin(), chain.end(), &module) == chain.end()) chain.push_back(&module);
}

void LeaveResourceChain(const ResourceModule& module) { std::erase(Chain(), &module); }

bool IsInResourceChain(const ResourceModule& module) {
  return std::find(Chain().begin(), Chain().end(), &module) != Chain().end();
}

std::optional<std::string_view> FindString(UINT id) {
  for (const ResourceModule* module : Chain())
    if (auto text = FindStringIn(*module, id)) return text;
  return std::nullopt;
}

std::optional<std::string_view> FindStringIn(const ResourceModule& module, UINT id) {
  for (const StringResource& entry : module.strings)
    if (entry.id == id) return entry.text;
  return std::nullopt;
}

const DialogTemplate* FindDialog(UINT id) { return FindById(&ResourceModule::dialogs, id); }

const IconResource* FindIcon(UINT id) { return FindById(&ResourceModule::icons, id); }

}  // namespace platform
