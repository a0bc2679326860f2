// tessaly: the library's settings and models from the command line, with the same code the
// library runs.

#include <iostream>

#include "cli/cli_support.h"
#include "platform/resource/resource_chain.h"
#include "resources/library_resources.h"

int main(int argc, char** argv) {
  using namespace tessaly::cli;
  platform::JoinResourceChain(tessaly::res::LibraryModule());

  CLI::App app{"Reads and writes the Browser Emulation settings of a script's settings file.", "tessaly"};
  app.require_subcommand(1);
  AddIniCommands(app);
  AddRegistryCommands(app);
  AddSettingsCommands(app);
  AddContentTypesCommands(app);
  AddUaCommands(app);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForAllHelp& help) {
    return app.exit(help);
  } catch (const CLI::ParseError& error) {
    std::cerr << "tessaly: " << error.what() << '\n';
    return kExitUsage;
  } catch (const Failure& failure) {
    std::cout.flush();
    std::cerr << "tessaly: " << failure.what() << '\n';
    return failure.Code();
  }
  std::cout.flush();
  return std::cout ? 0 : kExitFailure;
}
