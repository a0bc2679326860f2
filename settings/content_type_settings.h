#pragma once

// The stored settings of the content types dialog: the working list and whether it is in use.

#include <string>
#include <system_error>

#include "settings/str_check_list.h"

namespace tessaly {

inline constexpr const char* kContentTypesKey = "KeepNonTextMimeTypeForQuillet";
inline constexpr const char* kEnabledContentTypesKey = "KeepNonTextMimeType";
inline constexpr const char* kIgnoreContentTypesKey = "IgnoreContentCachingTypes";
inline constexpr const char* kDefaultContentTypesText = "text/xml;0;text/plain;0";

class CContentTypeSettings {
 public:
  CContentTypeSettings(std::string settingsFile, int scriptType);
  virtual ~CContentTypeSettings();

  // Reads the working list and the in-use switch. A list longer than a 255-character read
  // is taken whole, so that nobody loses the types beyond it.
  void ReadSettings();

  // Writes the list, its enabled types and the in-use switch, in this order; every write is
  // attempted, the first failure is returned.
  std::error_code WriteSettings();

  std::string GetEnabledTypes() const;

  int m_bSpecifyTypes = 0;
  std::string m_strIniFile;
  int m_nScriptType = 0;
  CStrCheckList m_listTypes;
};

}  // namespace tessaly
