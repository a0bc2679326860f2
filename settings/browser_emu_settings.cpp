#include "settings/browser_emu_settings.h"

#include "platform/crt/text.h"
#include "resources/resource_ids.h"
#include "settings/settings_file.h"

namespace tessaly {

namespace {

enum class ReadRule { NonZeroInteger, TrueOrNonZeroInteger, EqualsTrue, EqualsYes };

struct OptionRule {
  std::string_view key;
  std::string_view onText;
  std::string_view offText;
  ReadRule rule;
};

// Indexed by BrowserEmuOption. Each key has its own pair of stored texts.
constexpr std::array<OptionRule, kBrowserEmuOptionCount> kRules{{
    {"SimulateCache", "1", "0", ReadRule::NonZeroInteger},
    {"SearchForImages", "True", "False", ReadRule::TrueOrNonZeroInteger},
    {"ResetContext", "True", "False", ReadRule::EqualsTrue},
    {"ClearCacheForSimulateNewUser", "True", "False", ReadRule::EqualsTrue},
    {"CacheAlwaysCheckForNewerPages", "Yes", "No", ReadRule::EqualsYes},
    {"CacheHtmlPages", "Yes", "No", ReadRule::EqualsYes},
}};

constexpr unsigned kReadBuffer = 256;

const OptionRule& RuleOf(BrowserEmuOption option) { return kRules[static_cast<std::size_t>(option)]; }

bool ReadsAsOn(ReadRule rule, std::string_view text) {
  switch (rule) {
    case ReadRule::NonZeroInteger:
      return platform::crt::LeadingInteger(text) != 0;
    case ReadRule::TrueOrNonZeroInteger:
      return platform::crt::EqualsIgnoringCase(text, "True") || platform::crt::LeadingInteger(text) != 0;
    case ReadRule::EqualsTrue:
      return platform::crt::EqualsIgnoringCase(text, "True");
    case ReadRule::EqualsYes:
      return platform::crt::EqualsIgnoringCase(text, "Yes");
  }
  return false;
}

std::string_view StoredText(BrowserEmuOption option, bool on) {
  return on ? RuleOf(option).onText : RuleOf(option).offText;
}

}  // namespace

std::string_view KeyOf(BrowserEmuOption option) { return RuleOf(option).key; }

bool NamesListedScriptType(std::string_view scriptTypes) {
  static constexpr std::array<std::string_view, 8> kListed{"Siebel_Web", "PS8WebJS",   "OracleWebJS", "SapJS",
                                                           "WebAjax",    "Oracle_NCA", "WebJS",       "SAP_Web"};
  for (std::string_view name : kListed)
    if (scriptTypes.find(name) != std::string_view::npos) return true;
  return false;
}

CBrowserEmuSettings::CBrowserEmuSettings(std::string settingsFile) : m_settingsFile(std::move(settingsFile)) {}

bool CBrowserEmuSettings::RecorderVersionAtLeast4() const {
  const std::string version = ReadText(m_settingsFile, kWebSection, "WebRecorderVersion", "0", kReadBuffer);
  // Taken as unsigned, so that a negative version counts as a recent one.
  return static_cast<std::uint32_t>(platform::crt::LeadingInteger(version)) >= 4u;
}

BrowserEmuOptions CBrowserEmuSettings::Load(std::string_view scriptTypes, const OptionRead& onRead) const {
  BrowserEmuOptions options;
  const auto read = [&](BrowserEmuOption option, std::string_view defaultText) {
    const OptionRule& rule = RuleOf(option);
    options[option] = ReadsAsOn(rule.rule, ReadText(m_settingsFile, kWebSection, rule.key, defaultText, kReadBuffer));
    if (onRead) onRead(option, options[option]);
  };
  read(BrowserEmuOption::SimulateCache, "1");
  read(BrowserEmuOption::SearchForImages, "True");
  read(BrowserEmuOption::ResetContext, NamesListedScriptType(scriptTypes) ? "False" : "True");
  read(BrowserEmuOption::ClearCacheForSimulateNewUser, "True");
  read(BrowserEmuOption::CacheAlwaysCheckForNewerPages, "No");
  read(BrowserEmuOption::CacheHtmlPages, RecorderVersionAtLeast4() ? "Yes" : "No");
  return options;
}

std::error_code CBrowserEmuSettings::Store(const BrowserEmuOptions& options) const {
  std::error_code first;
  for (BrowserEmuOption option : kStoreOrder) {
    const std::error_code error =
        WriteText(m_settingsFile, kWebSection, KeyOf(option), StoredText(option, options[option]));
    if (error && !first) first = error;
  }
  return first;
}

BrowserEmuOptions CBrowserEmuSettings::Defaults(std::string_view scriptTypes) const {
  BrowserEmuOptions options;
  options[BrowserEmuOption::SimulateCache] = true;
  options[BrowserEmuOption::SearchForImages] = true;
  options[BrowserEmuOption::ResetContext] = !NamesListedScriptType(scriptTypes);
  options[BrowserEmuOption::ClearCacheForSimulateNewUser] = true;
  options[BrowserEmuOption::CacheAlwaysCheckForNewerPages] = false;
  options[BrowserEmuOption::CacheHtmlPages] = RecorderVersionAtLeast4();
  return options;
}

BrowserEmuAvailability CBrowserEmuSettings::Availability(const BrowserEmuOptions& options) {
  const bool cache = options[BrowserEmuOption::SimulateCache];
  BrowserEmuAvailability available;
  available.options = {true, true, true, options[BrowserEmuOption::ResetContext], cache, cache};
  available.advancedButton = cache && options[BrowserEmuOption::CacheHtmlPages];
  return available;
}

std::vector<SummaryRow> CBrowserEmuSettings::Summary(const BrowserEmuOptions& options) {
  const auto yesNo = [](bool on) { return on ? res::IDS_YES : res::IDS_NO; };
  std::vector<SummaryRow> rows;
  rows.push_back({0, res::IDS_SUMMARY_BROWSER_CACHE, yesNo(options[BrowserEmuOption::SimulateCache])});
  if (options[BrowserEmuOption::SimulateCache]) {
    rows.push_back({1, res::IDS_SUMMARY_CACHE_HTML, yesNo(options[BrowserEmuOption::CacheHtmlPages])});
  }
  rows.push_back({1, res::IDS_SUMMARY_DOWNLOAD, yesNo(options[BrowserEmuOption::SearchForImages])});
  rows.push_back({1, res::IDS_SUMMARY_NEW_USER, yesNo(options[BrowserEmuOption::ResetContext])});
  return rows;
}

}  // namespace tessaly
