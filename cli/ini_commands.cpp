// tessaly ini get|get-int|set|delete: the profile functions on any file.

#include <algorithm>
#include <vector>

#include "cli/cli_support.h"
#include "platform/profile/profile.h"

namespace tessaly::cli {

namespace {

struct IniArguments {
  std::string file, section, key, value, defaultText;
  DWORD size = 256;
  int defaultNumber = 0;
};

void AddTarget(CLI::App& command, IniArguments& args) {
  command.add_option("FILE", args.file, "Profile file")->required();
  command.add_option("SECTION", args.section, "Section name")->required();
  command.add_option("KEY", args.key, "Key name")->required();
}

void Get(const IniArguments& args) {
  RequireReadable(args.file);
  // The result never exceeds the file or the default, so a huge --size needs no huge buffer.
  platform::profile::FileText content;
  (void)platform::profile::ReadFile(args.file, content);
  const std::size_t longest = content.text.size() + args.defaultText.size() + 2;
  std::vector<char> buffer(std::min<std::size_t>(args.size, longest) + 1);
  const DWORD size = static_cast<DWORD>(std::min<std::size_t>(args.size, longest));
  const DWORD length = GetPrivateProfileStringA(args.section.c_str(), args.key.c_str(), args.defaultText.c_str(),
                                                buffer.data(), size, args.file.c_str());
  std::cout.write(buffer.data(), length) << '\n';
}

void GetInt(const IniArguments& args) {
  RequireReadable(args.file);
  const UINT value =
      GetPrivateProfileIntA(args.section.c_str(), args.key.c_str(), args.defaultNumber, args.file.c_str());
  std::cout << static_cast<std::int32_t>(value) << '\n';
}

void Set(const IniArguments& args, bool remove) {
  const std::string_view key = args.key;
  const std::string_view value = args.value;
  RequireWritten(args.file, platform::profile::Write(args.file, args.section, &key, remove ? nullptr : &value));
}

}  // namespace

void AddIniCommands(CLI::App& app) {
  auto args = std::make_shared<IniArguments>();
  CLI::App* ini = app.add_subcommand("ini", "Profile (INI) files, read and written as the library does");
  ini->require_subcommand(1);

  CLI::App* get = ini->add_subcommand("get", "Print the text that a read with this default and buffer size gives");
  AddTarget(*get, *args);
  get->add_option("--default", args->defaultText, "Default text");
  get->add_option("--size", args->size, "Buffer size in bytes (256)");
  get->callback([args] { Get(*args); });

  CLI::App* getInt = ini->add_subcommand("get-int", "Print the integer that a read gives");
  AddTarget(*getInt, *args);
  getInt->add_option("--default", args->defaultNumber, "Default number (0)");
  getInt->callback([args] { GetInt(*args); });

  CLI::App* set = ini->add_subcommand("set", "Write a value");
  AddTarget(*set, *args);
  set->add_option("VALUE", args->value, "Value")->required();
  set->callback([args] { Set(*args, false); });

  CLI::App* remove = ini->add_subcommand("delete", "Delete a key");
  AddTarget(*remove, *args);
  remove->callback([args] { Set(*args, true); });
}

}  // namespace tessaly::cli
