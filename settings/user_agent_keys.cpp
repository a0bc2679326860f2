#include "settings/user_agent_keys.h"

#include "settings/settings_file.h"

namespace tessaly {

std::string ReadDialogText(const std::string& settingsFile, std::string_view key, std::string_view defaultText) {
  std::string text = ReadText(settingsFile, kWebSection, key, defaultText, user_agent_keys::kDialogReadBuffer);
  if (text.size() + 1 < user_agent_keys::kDialogReadBuffer) return text;
  if (std::optional<std::string> whole = ReadWholeText(settingsFile, kWebSection, key)) return std::move(*whole);
  return text;
}

}  // namespace tessaly
