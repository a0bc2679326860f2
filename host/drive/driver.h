#pragma once

// Runs a drive script line by line on the window layer. While a modal dialog runs, the driver
// is the layer's input source: the dialog's loop asks it for the user's next action and it
// runs the script's next command inside that loop. When the script ends inside a modal run,
// the driver says so and the layer cancels the dialog.

#include <istream>
#include <span>
#include <string>
#include <vector>

#include "host/drive/drive_command.h"
#include "platform/window/message_loop.h"

namespace tessaly::host {

class Driver final : public platform::window::InputSource {
 public:
  Driver(std::istream& script, DriveContext context);
  ~Driver() override;
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;

  // Runs every command of the script.
  void Run();

  bool WaitForInput() override;

 private:
  // Reads lines until one command has run; false at the end of the script.
  bool RunNextCommand();
  void Execute(const std::vector<std::string>& words);

  std::istream& m_script;
  DriveContext m_context;
  int m_nLine = 0;
  std::vector<HWND> m_cancelled;  // dialogs already told of the end of the script
};

}  // namespace tessaly::host
