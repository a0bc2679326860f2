// The help routes, recorded instead of opening help.

#include "help/compiled_help.h"
#include "help/help_launcher.h"
#include "tests/framework/framework_test_support.h"

namespace tessaly {

void LaunchHelp(int helpId) { test::HelpRequests().push_back(helpId); }

BOOL OpenCompiledHelp(DWORD contextId) {
  test::HelpRequests().push_back(static_cast<int>(contextId));
  return test::CompiledHelpAnswer();
}

}  // namespace tessaly
