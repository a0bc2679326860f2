#include "settings/user_agent_composer.h"

#include "settings/edition.h"
#include "settings/user_agent_rules.h"

namespace tessaly {

int ComposeUserAgent(const char* platform, const char* browserType, const char* version, const char* languageCode,
                     std::string& result) {
  const auto text = [](const char* value) { return value ? std::string_view(value) : std::string_view(); };
  const user_agent::Request request{text(platform), text(browserType), text(version), text(languageCode)};
  // A working text of its own: the inputs may point into the holder.
  std::string composed;
  const int outcome = kEdition == Edition::Earlier ? user_agent::ComposeEarlier(request, composed)
                                                   : user_agent::ComposeCurrent(request, composed);
  if (outcome == kUserAgentComposed) result.swap(composed);
  return outcome;
}

}  // namespace tessaly
