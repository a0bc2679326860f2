// tessaly registry get|set: the per-user registry stand-in.

#include "cli/cli_support.h"
#include "platform/profile/profile.h"
#include "platform/registry/registry.h"

namespace tessaly::cli {

namespace {

struct RegistryArguments {
  std::string key, name, value, defaultText;
};

std::string CanonicalKey(const std::string& key) {
  const auto path = platform::registry::CanonicalKeyPath(key);
  if (!path) FailUsage("'" + key + "' names no registry root (HKEY_CURRENT_USER, HKEY_CLASSES_ROOT, ...)");
  return *path;
}

void Get(const RegistryArguments& args) {
  const std::string key = CanonicalKey(args.key);
  RequireReadable(platform::registry::StoreFilePath());
  std::cout << platform::registry::GetValue(key, args.name).value_or(args.defaultText) << '\n';
}

void Set(const RegistryArguments& args) {
  const std::string key = CanonicalKey(args.key);
  RequireWritten(platform::registry::StoreFilePath(), platform::registry::SetValue(key, args.name, args.value));
}

}  // namespace

void AddRegistryCommands(CLI::App& app) {
  auto args = std::make_shared<RegistryArguments>();
  CLI::App* registry = app.add_subcommand("registry", "The per-user registry stand-in");
  registry->require_subcommand(1);

  CLI::App* get = registry->add_subcommand("get", "Print a value, or the default when it is missing");
  get->add_option("KEY", args->key, "Key path with its root")->required();
  get->add_option("NAME", args->name, "Value name (@ for the default value)")->required();
  get->add_option("--default", args->defaultText, "Default text");
  get->callback([args] { Get(*args); });

  CLI::App* set = registry->add_subcommand("set", "Write a value");
  set->add_option("KEY", args->key, "Key path with its root")->required();
  set->add_option("NAME", args->name, "Value name (@ for the default value)")->required();
  set->add_option("VALUE", args->value, "Value")->required();
  set->callback([args] { Set(*args); });
}

}  // namespace tessaly::cli
