// tessaly settings show|defaults|summary|set and tessaly product-default: the tab's options.

#include "cli/cli_support.h"
#include "resources/library_resources.h"
#include "settings/browser_emu_settings.h"
#include "settings/product_default.h"

namespace tessaly::cli {

namespace {

struct SettingsArguments {
  std::string file, scriptTypes;
  std::vector<std::string> changes;
  int product = 0;
};

void PrintOptions(const BrowserEmuOptions& options) {
  for (BrowserEmuOption option : kLoadOrder) PrintPair(KeyOf(option), options[option] ? "on" : "off");
  const BrowserEmuAvailability available = CBrowserEmuSettings::Availability(options);
  PrintPair("advanced", available.advancedButton ? "enabled" : "disabled");
  for (BrowserEmuOption option : kLoadOrder)
    PrintPair("available." + std::string(KeyOf(option)), available[option] ? "yes" : "no");
}

BrowserEmuOptions Loaded(const SettingsArguments& args) {
  RequireReadable(args.file);
  return CBrowserEmuSettings(args.file).Load(args.scriptTypes);
}

void Show(const SettingsArguments& args) { PrintOptions(Loaded(args)); }

void Defaults(const SettingsArguments& args) {
  RequireReadable(args.file);
  PrintOptions(CBrowserEmuSettings(args.file).Defaults(args.scriptTypes));
}

void Summary(const SettingsArguments& args) {
  for (const SummaryRow& row : CBrowserEmuSettings::Summary(Loaded(args))) {
    std::cout << row.flag << '\t' << res::LibraryString(row.titleId) << '\t' << res::LibraryString(row.valueId) << '\n';
  }
}

void ApplyChange(BrowserEmuOptions& options, const std::string& change) {
  const std::size_t equals = change.find('=');
  const std::string key = change.substr(0, equals);
  const std::string value = equals == std::string::npos ? std::string() : change.substr(equals + 1);
  if (value != "on" && value != "off") FailUsage("'" + change + "' is not KEY=on or KEY=off");
  for (BrowserEmuOption option : kLoadOrder) {
    if (KeyOf(option) == key) {
      options[option] = value == "on";
      return;
    }
  }
  FailUsage("'" + key + "' is none of the tab's options");
}

void Set(const SettingsArguments& args) {
  BrowserEmuOptions options = Loaded(args);
  for (const std::string& change : args.changes) ApplyChange(options, change);
  RequireWritten(args.file, CBrowserEmuSettings(args.file).Store(options));
}

void ProductDefault(const SettingsArguments& args) {
  RequireReadable(args.file);
  RequireWritten(args.file, ApplyProductDefault(args.product, args.file).writeError);
}

CLI::App* AddFileCommand(CLI::App& parent, const char* name, const char* help, SettingsArguments& args) {
  CLI::App* command = parent.add_subcommand(name, help);
  command->add_option("FILE", args.file, "Settings file")->required();
  command->add_option("--script-types", args.scriptTypes, "Script type list of the script");
  return command;
}

}  // namespace

void AddSettingsCommands(CLI::App& app) {
  auto args = std::make_shared<SettingsArguments>();
  CLI::App* settings = app.add_subcommand("settings", "The six options of the Browser Emulation tab");
  settings->require_subcommand(1);
  AddFileCommand(*settings, "show", "The options as the tab loads them, with their availability", *args)
      ->callback([args] { Show(*args); });
  AddFileCommand(*settings, "defaults", "The default options, with their availability", *args)->callback([args] {
    Defaults(*args);
  });
  AddFileCommand(*settings, "summary", "The summary rows of the loaded options", *args)->callback([args] {
    Summary(*args);
  });
  CLI::App* set = AddFileCommand(*settings, "set", "Change options and store the six keys as the tab does", *args);
  set->add_option("CHANGES", args->changes, "KEY=on or KEY=off")->required();
  set->callback([args] { Set(*args); });

  CLI::App* product = app.add_subcommand("product-default", "Adjust a settings file to a product default");
  product->add_option("FILE", args->file, "Settings file")->required();
  product->add_option("--product", args->product, "Product code")->required();
  product->callback([args] { ProductDefault(*args); });
}

}  // namespace tessaly::cli
