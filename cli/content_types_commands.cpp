// tessaly content-types show|set: the content types dialog's list, and its actions as a user
// takes them, followed by OK.

#include "cli/cli_support.h"
#include "settings/content_type_list.h"
#include "settings/content_type_settings.h"

namespace tessaly::cli {

namespace {

struct ContentTypesArguments {
  std::string file, protocol;
  int inUse = -1;
  bool restore = false;
  std::vector<std::string> items;
};

// The dialog without its window: the stored settings and what the check-list control shows.
class ContentTypesSession {
 public:
  ContentTypesSession(const std::string& file, const std::string& protocol)
      : m_settings(file, ScriptTypeIndexOf(protocol)) {
    m_settings.ReadSettings();
    if (m_settings.m_bSpecifyTypes) m_control = ReadPairForm(m_settings.m_listTypes.m_str);
  }

  // A click on the check box, when it does not show the state asked for already.
  void SetInUse(bool inUse) {
    if (inUse == (m_settings.m_bSpecifyTypes != 0)) return;
    if (inUse) {
      m_control = ReadPairForm(m_settings.m_listTypes.m_str);
    } else {
      m_settings.m_listTypes.m_str = WritePairForm(m_control);
      m_control.clear();
    }
    m_settings.m_bSpecifyTypes = inUse;
  }

  void RestoreList() {
    RequireInUse("--restore");
    m_settings.m_listTypes.LoadDefaults(m_settings.m_nScriptType);
    m_control = ReadPairForm(m_settings.m_listTypes.m_str);
  }

  // Changes the state of the first item of exactly that text, or adds it at the end.
  void SetItem(const std::string& text, bool enabled) {
    RequireInUse("--item");
    for (ContentTypeItem& item : m_control) {
      if (item.text == text) {
        item.enabled = enabled;
        return;
      }
    }
    m_control.push_back({text, enabled});
  }

  std::error_code Ok() {
    if (m_settings.m_bSpecifyTypes) m_settings.m_listTypes.m_str = WritePairForm(m_control);
    return m_settings.WriteSettings();
  }

 private:
  void RequireInUse(const char* option) const {
    if (!m_settings.m_bSpecifyTypes) FailUsage(std::string(option) + " needs the list in use (--in-use 1)");
  }

  CContentTypeSettings m_settings;
  std::vector<ContentTypeItem> m_control;
};

void Show(const ContentTypesArguments& args) {
  RequireReadable(args.file);
  CContentTypeSettings settings(args.file, ScriptTypeIndexOf(args.protocol));
  settings.ReadSettings();
  PrintPair("in_use", std::to_string(settings.m_bSpecifyTypes));
  PrintPair("list", settings.m_listTypes.m_str);
  for (const ContentTypeItem& item : ReadPairForm(settings.m_listTypes.m_str))
    PrintPair("item", item.text + "\t" + (item.enabled ? "on" : "off"));
  PrintPair("enabled", settings.GetEnabledTypes());
}

void Set(const ContentTypesArguments& args) {
  if (args.inUse < 0 && !args.restore && args.items.empty())
    FailUsage("nothing to do: give --in-use, --restore or --item");
  RequireReadable(args.file);
  ContentTypesSession session(args.file, args.protocol);
  if (args.inUse >= 0) session.SetInUse(args.inUse != 0);
  if (args.restore) session.RestoreList();
  for (const std::string& item : args.items) {
    const std::size_t equals = item.rfind('=');
    const std::string state = equals == std::string::npos ? std::string() : item.substr(equals + 1);
    if (state != "on" && state != "off") FailUsage("'" + item + "' is not TEXT=on or TEXT=off");
    session.SetItem(item.substr(0, equals), state == "on");
  }
  RequireWritten(args.file, session.Ok());
}

}  // namespace

void AddContentTypesCommands(CLI::App& app) {
  auto args = std::make_shared<ContentTypesArguments>();
  CLI::App* group = app.add_subcommand("content-types", "The content types that require content");
  group->require_subcommand(1);

  CLI::App* show = group->add_subcommand("show", "The working list, its items and whether it is in use");
  show->add_option("FILE", args->file, "Settings file")->required();
  show->add_option("--protocol", args->protocol, "Protocol name of the script");
  show->callback([args] { Show(*args); });

  CLI::App* set =
      group->add_subcommand("set", "The dialog's actions in this order: --in-use, --restore, each --item; then OK");
  set->add_option("FILE", args->file, "Settings file")->required();
  set->add_option("--protocol", args->protocol, "Protocol name of the script");
  set->add_option("--in-use", args->inUse, "Check (1) or uncheck (0) the in-use box")->check(CLI::Range(0, 1));
  set->add_flag("--restore", args->restore, "Press \"&Restore List\"");
  set->add_option("--item", args->items, "TEXT=on|off: set the first item of that text, or add it");
  set->callback([args] { Set(*args); });
}

}  // namespace tessaly::cli
