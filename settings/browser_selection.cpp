#include "settings/browser_selection.h"

#include "settings/browser_lists.h"
#include "settings/settings_file.h"
#include "settings/user_agent_composer.h"
#include "settings/user_agent_keys.h"

namespace tessaly {

namespace keys = user_agent_keys;

namespace {

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

void FillWith(CPickList& list, std::span<const std::string_view> entries) {
  list.Reset();
  for (std::string_view entry : entries) list.Add(entry);
}

}  // namespace

CBrowserSelection::CBrowserSelection(std::string settingsFile, const BrowserPickLists& lists)
    : m_strSettingsFile(std::move(settingsFile)), m_lists(lists) {}

void CBrowserSelection::FillTemplateEntries() {
  FillWith(m_lists.browserTypes, kBrowserTypeEntries);
  FillWith(m_lists.versions, kInitialVersionEntries);
  FillWith(m_lists.platforms, kPlatformEntries);
  m_lists.languages.Reset();
}

void CBrowserSelection::Load() {
  LoadBrowserAndVersion();
  m_lists.platforms.SelectByBeginning(ReadDialogText(m_strSettingsFile, keys::kPlatform, keys::kDefaultPlatform));
  m_languages.Load(m_strSettingsFile, m_lists.languages);
  m_strCustom = ReadDialogText(m_strSettingsFile, keys::kCustomAgent, keys::kDefaultCustomAgent);
  m_nUseCustom = ReadWholeNumber(m_strSettingsFile, kWebSection, keys::kUseCustomAgent, keys::kDefaultUseCustom);
}

void CBrowserSelection::LoadBrowserAndVersion() {
  if (LoadCombinedBrowser()) return;
  m_lists.browserTypes.SelectByBeginning(
      ReadDialogText(m_strSettingsFile, keys::kBrowserType, keys::kDefaultBrowserType));
  FillVersions();
  m_lists.versions.SelectByWholeText(ReadDialogText(m_strSettingsFile, keys::kBrowserVersion, keys::kDefaultVersion));
}

// The older layout kept "<browser> <version>" in one key, which wins while it is there.
bool CBrowserSelection::LoadCombinedBrowser() {
  const std::string combined = ReadDialogText(m_strSettingsFile, keys::kCombinedBrowser, "");
  if (combined.empty()) return false;
  const std::size_t digit = combined.find_first_of("0123456789", 1);
  if (digit == std::string::npos) return true;
  // The character before the version is the separator, whatever it is.
  std::string_view name = std::string_view(combined).substr(0, digit - 1);
  while (!name.empty() && IsWhiteSpace(name.back())) name.remove_suffix(1);
  m_lists.browserTypes.SelectByBeginning(name);
  FillVersions();
  m_lists.versions.SelectByWholeText(std::string_view(combined).substr(digit));
  return true;
}

void CBrowserSelection::FillVersions() {
  const std::optional<std::size_t> position = m_lists.browserTypes.Selection();
  if (position && *position < kVersionsByPosition.size()) FillWith(m_lists.versions, kVersionsByPosition[*position]);
  m_lists.versions.Select(0);
}

std::string CBrowserSelection::LanguageCode() const {
  if (m_languages.KeptCode()) return *m_languages.KeptCode();
  // Without a selection there is no name to look up, even if a line has an empty one.
  if (!m_lists.languages.Selection()) return {};
  return m_languages.CodeFor(m_lists.languages.Text());
}

BrowserSelectionStored CBrowserSelection::Store() const {
  std::error_code firstError;
  const auto write = [&](std::string_view key, std::string_view value) {
    const std::error_code error = WriteText(m_strSettingsFile, kWebSection, key, value);
    if (error && !firstError) firstError = error;
  };
  if (const std::error_code error = DeleteKey(m_strSettingsFile, kWebSection, keys::kCombinedBrowser))
    firstError = error;
  const std::string browserType = m_lists.browserTypes.Text();
  const std::string version = m_lists.versions.Text();
  const std::string platform = m_lists.platforms.Text();
  const std::string languageCode = LanguageCode();
  write(keys::kBrowserType, browserType);
  write(keys::kBrowserVersion, version);
  write(keys::kPlatform, platform);
  write(keys::kLanguage, languageCode);
  write(keys::kCustomAgent, m_strCustom);
  const bool custom = m_nUseCustom != 0;
  write(keys::kUseCustomAgent, custom ? "1" : "0");
  write(keys::kUseBrowserAgent, custom ? "0" : "1");
  if (custom) return {kUserAgentComposed, m_strCustom, firstError};

  std::string composed;
  const int result =
      ComposeUserAgent(platform.c_str(), browserType.c_str(), version.c_str(), languageCode.c_str(), composed);
  if (result != kUserAgentComposed) return {result, {}, firstError};
  write(keys::kBrowserAgent, composed);
  return {result, std::move(composed), firstError};
}

std::string CBrowserSelection::DisplayText(const std::string& settingsFile) {
  std::string_view key = keys::kCustomAgent;
  if (ReadWholeNumber(settingsFile, kWebSection, keys::kUseCustomAgent, keys::kDefaultUseCustom) == 0) {
    const bool browserAgent = ReadWholeNumber(settingsFile, kWebSection, keys::kUseBrowserAgent, 0) != 0;
    key = browserAgent ? keys::kBrowserAgent : keys::kCombinedBrowser;
  }
  std::string text = ReadText(settingsFile, kWebSection, key, "", keys::kPageReadBuffer);
  if (text.empty()) ComposeUserAgent("Windows", "Microsoft Internet Explorer", "6.0", "English (United States)", text);
  return text;
}

}  // namespace tessaly
