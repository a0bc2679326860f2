// tessaly ua compose|show|selection|set and tessaly languages: the User-Agent dialog's model.

#include <memory>

#include "cli/cli_support.h"
#include "resources/library_resources.h"
#include "settings/browser_selection.h"
#include "settings/language_catalogue.h"
#include "settings/memory_browser_lists.h"
#include "settings/user_agent_composer.h"

namespace tessaly::cli {

namespace {

struct UaArguments {
  std::string file, platform, browser, version, language, custom;
  int useCustom = 0;
};

// The choices of `ua set`, each applied only when given.
struct UaChoices {
  CLI::Option* browser = nullptr;
  CLI::Option* version = nullptr;
  CLI::Option* platform = nullptr;
  CLI::Option* language = nullptr;
  CLI::Option* custom = nullptr;
  CLI::Option* useCustom = nullptr;
};

// A refusal of the composer exits with its own number.
[[noreturn]] void FailRefusal(int result) { throw Failure(result, res::LibraryString(static_cast<UINT>(result))); }

void WarnAboutCatalogue(const CLanguageCatalogue& catalogue) {
  if (!catalogue.OpenFailure().empty()) std::cerr << "tessaly: warning: " << catalogue.OpenFailure() << '\n';
}

// The dialog as it opens on the settings file.
struct OpenedDialog {
  explicit OpenedDialog(const std::string& file) : selection(file, lists.Bind()) {
    RequireReadable(file);
    selection.FillTemplateEntries();
    selection.Load();
    WarnAboutCatalogue(selection.Languages());
  }

  MemoryBrowserLists lists;
  CBrowserSelection selection;
};

void Compose(const UaArguments& args) {
  std::string userAgent;
  const int result = ComposeUserAgent(args.platform.c_str(), args.browser.c_str(), args.version.c_str(),
                                      args.language.c_str(), userAgent);
  if (result != kUserAgentComposed) FailRefusal(result);
  std::cout << userAgent << '\n';
}

void Show(const UaArguments& args) {
  RequireReadable(args.file);
  std::cout << CBrowserSelection::DisplayText(args.file) << '\n';
}

void Selection(const UaArguments& args) {
  const OpenedDialog dialog(args.file);
  std::string versions;
  for (const std::string& version : dialog.lists.versions.Entries())
    versions += (versions.empty() ? "" : "|") + version;
  PrintPair("browser", dialog.lists.browserTypes.Text());
  PrintPair("versions", versions);
  PrintPair("version", dialog.lists.versions.Text());
  PrintPair("platform", dialog.lists.platforms.Text());
  PrintPair("language", dialog.lists.languages.Text());
  PrintPair("custom", dialog.selection.CustomText());
  PrintPair("use_custom", std::to_string(dialog.selection.UseCustom()));
}

void Choose(CPickList& list, const std::string& entry, std::string_view listName) {
  const std::optional<std::size_t> index = list.IndexOf(entry);
  if (!index) FailUsage("'" + entry + "' is no entry of the " + std::string(listName) + " list");
  list.Select(index);
}

void Set(const UaArguments& args, const UaChoices& given) {
  OpenedDialog dialog(args.file);
  if (given.browser->count()) {
    Choose(dialog.lists.browserTypes, args.browser, "browser type");
    dialog.selection.FillVersions();
  }
  if (given.version->count()) Choose(dialog.lists.versions, args.version, "version");
  if (given.platform->count()) Choose(dialog.lists.platforms, args.platform, "platform");
  if (given.language->count()) Choose(dialog.lists.languages, args.language, "language");
  if (given.custom->count()) dialog.selection.SetCustomText(args.custom);
  if (given.useCustom->count()) dialog.selection.SetUseCustom(args.useCustom);

  const BrowserSelectionStored stored = dialog.selection.Store();
  RequireWritten(args.file, stored.writeError);
  if (stored.result != kUserAgentComposed) FailRefusal(stored.result);
  std::cout << stored.userAgent << '\n';
}

void Languages() {
  CMemoryPickList list(kLanguageListSorts);
  CLanguageCatalogue catalogue;
  catalogue.Read(CLanguageCatalogue::CataloguePath(), {}, list);
  WarnAboutCatalogue(catalogue);
  for (const std::string& name : list.Entries()) std::cout << catalogue.CodeFor(name) << '\t' << name << '\n';
}

void AddCompose(CLI::App& ua, const std::shared_ptr<UaArguments>& args) {
  CLI::App* compose = ua.add_subcommand("compose", "Print the User-Agent composed from the four choices");
  compose->add_option("--platform", args->platform, "Platform name")->required();
  compose->add_option("--browser", args->browser, "Browser type")->required();
  compose->add_option("--version", args->version, "Browser version")->required();
  compose->add_option("--language", args->language, "Language code (none when not given)");
  compose->callback([args] { Compose(*args); });
}

void AddSet(CLI::App& ua, const std::shared_ptr<UaArguments>& args) {
  auto given = std::make_shared<UaChoices>();
  CLI::App* set = ua.add_subcommand("set", "Choose as a user would in the User-Agent dialog, then press OK");
  set->add_option("FILE", args->file, "Settings file")->required();
  given->browser = set->add_option("--browser", args->browser, "Browser type (refills the versions)");
  given->version = set->add_option("--version", args->version, "Browser version");
  given->platform = set->add_option("--platform", args->platform, "Platform");
  given->language = set->add_option("--language", args->language, "Language, by its display name");
  given->custom = set->add_option("--custom", args->custom, "Custom User-Agent text");
  given->useCustom =
      set->add_option("--use-custom", args->useCustom, "1 takes the custom text, 0 composes")->check(CLI::Range(0, 1));
  set->callback([args, given] { Set(*args, *given); });
}

}  // namespace

void AddUaCommands(CLI::App& app) {
  auto args = std::make_shared<UaArguments>();
  CLI::App* ua = app.add_subcommand("ua", "The User-Agent: composition, the dialog's choices and the tab's text");
  ua->require_subcommand(1);
  AddCompose(*ua, args);
  CLI::App* show = ua->add_subcommand("show", "Print the User-Agent text the tab shows");
  show->add_option("FILE", args->file, "Settings file")->required();
  show->callback([args] { Show(*args); });
  CLI::App* selection = ua->add_subcommand("selection", "Print what the User-Agent dialog loads");
  selection->add_option("FILE", args->file, "Settings file")->required();
  selection->callback([args] { Selection(*args); });
  AddSet(*ua, args);

  app.add_subcommand("languages", "Print the language list as the User-Agent dialog shows it, CODE<TAB>NAME")
      ->callback([] { Languages(); });
}

}  // namespace tessaly::cli
