#include "help/compiled_help.h"

#include <string>

#include "os/karvil32/karvil32.h"
#include "platform/help/html_help.h"
#include "platform/process/module_path.h"

namespace tessaly {

namespace {
constexpr DWORD kPathLimit = 260;
}

BOOL OpenCompiledHelp(DWORD contextId) {
  char executable[kPathLimit];
  const DWORD length = GetModuleFileNameA(nullptr, executable, kPathLimit);
  if (length == 0 || length >= kPathLimit) return FALSE;
  // File names keep their case here: upper-casing the path would name a file that is not there.
  char folder[OS_DIR_NAME_BUFFER];
  os_get_dir_name(executable, folder);
  std::string file = folder;
  if (!file.empty() && file.back() != '/') file += '/';
  file += kCompiledHelpFile;
  if (folder[0] == '\0' || file.size() >= kPathLimit) return FALSE;
  HtmlHelpA(nullptr, file.c_str(), HH_HELP_CONTEXT, contextId);
  return TRUE;
}

}  // namespace tessaly
