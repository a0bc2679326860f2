#include "settings/content_type_settings.h"

#include "settings/content_type_list.h"
#include "settings/settings_file.h"

namespace tessaly {

namespace {
constexpr unsigned kReadBuffer = 256;
}

CContentTypeSettings::CContentTypeSettings(std::string settingsFile, int scriptType)
    : m_strIniFile(std::move(settingsFile)), m_nScriptType(scriptType) {}

CContentTypeSettings::~CContentTypeSettings() = default;

void CContentTypeSettings::ReadSettings() {
  m_listTypes.m_str = ReadText(m_strIniFile, kWebSection, kContentTypesKey, kDefaultContentTypesText, kReadBuffer);
  if (m_listTypes.m_str.size() == kReadBuffer - 1) {
    m_listTypes.m_str = ReadWholeText(m_strIniFile, kWebSection, kContentTypesKey).value_or(m_listTypes.m_str);
  }
  if (m_listTypes.m_str == ";") m_listTypes.LoadDefaults(0);
  m_bSpecifyTypes = ReadWholeNumber(m_strIniFile, kWebSection, kIgnoreContentTypesKey, 1) == 0 ? 1 : 0;
}

std::error_code CContentTypeSettings::WriteSettings() {
  const std::error_code errors[] = {
      WriteText(m_strIniFile, kWebSection, kContentTypesKey, m_listTypes.m_str),
      WriteText(m_strIniFile, kWebSection, kEnabledContentTypesKey, GetEnabledTypes()),
      WriteText(m_strIniFile, kWebSection, kIgnoreContentTypesKey, m_bSpecifyTypes ? "0" : "1"),
  };
  for (const std::error_code& error : errors)
    if (error) return error;
  return {};
}

std::string CContentTypeSettings::GetEnabledTypes() const { return EnabledTypesOf(m_listTypes.m_str); }

}  // namespace tessaly
