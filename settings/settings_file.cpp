#include "settings/settings_file.h"

#include <vector>

#include "platform/profile/profile.h"

namespace tessaly {

std::string ReadText(const std::string& file, std::string_view section, std::string_view key,
                     std::string_view defaultText, unsigned bufferSize) {
  std::vector<char> buffer(bufferSize + 1u);
  const std::string sectionName(section), keyName(key), fallback(defaultText);
  const DWORD length = GetPrivateProfileStringA(sectionName.c_str(), keyName.c_str(), fallback.c_str(), buffer.data(),
                                                bufferSize, file.c_str());
  return std::string(buffer.data(), length);
}

int ReadWholeNumber(const std::string& file, std::string_view section, std::string_view key, int defaultValue) {
  const std::string sectionName(section), keyName(key);
  return static_cast<int>(GetPrivateProfileIntA(sectionName.c_str(), keyName.c_str(), defaultValue, file.c_str()));
}

std::optional<std::string> ReadWholeText(const std::string& file, std::string_view section, std::string_view key) {
  return platform::profile::ReadString(file, section, key);
}

std::error_code WriteText(const std::string& file, std::string_view section, std::string_view key,
                          std::string_view value) {
  return platform::profile::Write(file, section, &key, &value);
}

std::error_code DeleteKey(const std::string& file, std::string_view section, std::string_view key) {
  return platform::profile::Write(file, section, &key, nullptr);
}

}  // namespace tessaly
