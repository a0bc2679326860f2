#include "platform/text/user_locale.h"

#include <cstdlib>
#include <string_view>

namespace platform::text {

bool UserLocaleIsJapanese() {
  std::string_view locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) {
      locale = value;
      break;
    }
  }
  return locale.substr(0, 2) == "ja" &&
         (locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@');
}

}  // namespace platform::text
