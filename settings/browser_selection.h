#pragma once

// The model behind the User-Agent dialog: its four pick lists, the custom text and the
// use-custom flag; how the keys of section "WEB" are loaded into them and stored from them,
// and the User-Agent text the Browser Emulation page shows.

#include <string>
#include <system_error>

#include "settings/language_catalogue.h"
#include "settings/pick_list.h"

namespace tessaly {

struct BrowserPickLists {
  CPickList& browserTypes;
  CPickList& versions;
  CPickList& platforms;
  CPickList& languages;
};

// What a store gives the dialog: the composer's result number, the User-Agent text to hand to
// the page (on kUserAgentComposed only), and the first write that failed.
struct BrowserSelectionStored {
  int result;
  std::string userAgent;
  std::error_code writeError;
};

class CBrowserSelection {
 public:
  CBrowserSelection(std::string settingsFile, const BrowserPickLists& lists);

  // Gives the lists the entries the dialog's template holds: the browser types, the one empty
  // version and the platforms; the language list empty. Nothing is selected.
  void FillTemplateEntries();

  // Reads the keys into the lists, the language catalogue, the custom text and the flag.
  void Load();

  // Refills the versions for the selected browser type and selects the first entry.
  void FillVersions();

  // Writes the keys as OK does and composes in the composed case. After a refusal the
  // selection keys stay written and "BrowserUserAgent" keeps its text.
  BrowserSelectionStored Store() const;

  // The User-Agent text the page shows for the settings file.
  static std::string DisplayText(const std::string& settingsFile);

  const BrowserPickLists& Lists() const { return m_lists; }
  const CLanguageCatalogue& Languages() const { return m_languages; }
  const std::string& CustomText() const { return m_strCustom; }
  void SetCustomText(std::string text) { m_strCustom = std::move(text); }
  // 0 composes from the lists; any other value takes the custom text.
  int UseCustom() const { return m_nUseCustom; }
  void SetUseCustom(int useCustom) { m_nUseCustom = useCustom; }
  const std::string& SettingsFile() const { return m_strSettingsFile; }

 private:
  void LoadBrowserAndVersion();
  bool LoadCombinedBrowser();
  std::string LanguageCode() const;

  std::string m_strSettingsFile;
  BrowserPickLists m_lists;
  CLanguageCatalogue m_languages;
  std::string m_strCustom;
  int m_nUseCustom = 1;
};

}  // namespace tessaly
