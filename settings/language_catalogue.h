#pragma once

// The languages a User-Agent may name: code and display name pairs from "lang_code.txt" in
// the "dat" folder of the installation, beside the running program's folder.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/pick_list.h"

namespace tessaly {

class CLanguageCatalogue {
 public:
  // Reads "BrowserLanguage" from the settings file, then the catalogue file found from the
  // running program; fills `languageList` and chooses the language whose code is stored.
  void Load(const std::string& settingsFile, CPickList& languageList);

  // The same from the catalogue file at `path`, with `storedCode` to choose.
  void Read(const std::string& path, std::string_view storedCode, CPickList& languageList);

  // The code of the display name, case told apart; empty for a name not in the catalogue.
  std::string CodeFor(std::string_view displayName) const;

  // The display names in file order, duplicates kept.
  const std::vector<std::string>& Names() const { return m_names; }

  // When the file could not be opened, the message that says so; else empty.
  const std::string& OpenFailure() const { return m_strOpenFailure; }

  // The stored language code when the file could not be opened: with no list to choose from,
  // nobody chose another language, so a store keeps it.
  const std::optional<std::string>& KeptCode() const { return m_keptCode; }

  // "<base>/dat/lang_code.txt", the base being the folder that holds the running program's folder.
  static std::string CataloguePath();

 private:
  void Clear(CPickList& languageList);
  void AddLine(std::string_view line, std::string_view storedCode, CPickList& languageList);

  std::vector<std::string> m_names;
  // When two lines share a name, the later one's code counts.
  std::map<std::string, std::string, std::less<>> m_codes;
  std::string m_strOpenFailure;
  std::optional<std::string> m_keptCode;
};

}  // namespace tessaly
