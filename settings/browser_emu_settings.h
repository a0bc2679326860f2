#pragma once

// The six options of the Browser Emulation tab in section "WEB" of the settings file:
// their keys, stored texts, reading rules, defaults, availability and summary.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/win32/types.h"

namespace tessaly {

enum class BrowserEmuOption {
  SimulateCache,
  SearchForImages,
  ResetContext,
  ClearCacheForSimulateNewUser,
  CacheAlwaysCheckForNewerPages,
  CacheHtmlPages,
};
inline constexpr std::size_t kBrowserEmuOptionCount = 6;

// The options in the order the tab loads them, which is also the order a user sees.
inline constexpr std::array<BrowserEmuOption, kBrowserEmuOptionCount> kLoadOrder{
    BrowserEmuOption::SimulateCache,
    BrowserEmuOption::SearchForImages,
    BrowserEmuOption::ResetContext,
    BrowserEmuOption::ClearCacheForSimulateNewUser,
    BrowserEmuOption::CacheAlwaysCheckForNewerPages,
    BrowserEmuOption::CacheHtmlPages,
};

// The order of the writes of Store.
inline constexpr std::array<BrowserEmuOption, kBrowserEmuOptionCount> kStoreOrder{
    BrowserEmuOption::SimulateCache,  BrowserEmuOption::SearchForImages,
    BrowserEmuOption::ResetContext,   BrowserEmuOption::CacheAlwaysCheckForNewerPages,
    BrowserEmuOption::CacheHtmlPages, BrowserEmuOption::ClearCacheForSimulateNewUser,
};

// The key of an option in section "WEB", which is also its name.
std::string_view KeyOf(BrowserEmuOption option);

class BrowserEmuOptions {
 public:
  bool operator[](BrowserEmuOption option) const { return m_values[static_cast<std::size_t>(option)]; }
  bool& operator[](BrowserEmuOption option) { return m_values[static_cast<std::size_t>(option)]; }
  bool operator==(const BrowserEmuOptions&) const = default;

 private:
  std::array<bool, kBrowserEmuOptionCount> m_values{};
};

// Which options, and the content types button, may be changed. An option that may not
// keeps its value and is still stored.
struct BrowserEmuAvailability {
  std::array<bool, kBrowserEmuOptionCount> options{};
  bool advancedButton = false;
  bool operator[](BrowserEmuOption option) const { return options[static_cast<std::size_t>(option)]; }
};

// One summary row: a flag for the host, a title and a value, as string-table ids.
struct SummaryRow {
  int flag;
  UINT titleId;
  UINT valueId;
  bool operator==(const SummaryRow&) const = default;
};

class CBrowserEmuSettings {
 public:
  // Called with each option right after its key is read, in the order of the reads.
  using OptionRead = std::function<void(BrowserEmuOption, bool)>;

  explicit CBrowserEmuSettings(std::string settingsFile);

  // Reads "SimulateCache", "SearchForImages", "ResetContext", "ClearCacheForSimulateNewUser",
  // "CacheAlwaysCheckForNewerPages", "WebRecorderVersion" and "CacheHtmlPages", in this order;
  // two defaults follow the script type list and the recorder version.
  BrowserEmuOptions Load(std::string_view scriptTypes, const OptionRead& onRead = {}) const;

  // Writes the six keys in the store order, each whatever its availability. Every write is
  // attempted; the first failure is returned.
  std::error_code Store(const BrowserEmuOptions& options) const;

  // The default of each option; reads only "WebRecorderVersion" and writes nothing.
  BrowserEmuOptions Defaults(std::string_view scriptTypes) const;

  static BrowserEmuAvailability Availability(const BrowserEmuOptions& options);
  static std::vector<SummaryRow> Summary(const BrowserEmuOptions& options);

  const std::string& SettingsFile() const { return m_settingsFile; }

 private:
  bool RecorderVersionAtLeast4() const;

  std::string m_settingsFile;
};

// Whether the script type list names one of the script types whose new user default is off:
// any of eight texts found anywhere in the list, with case told apart.
bool NamesListedScriptType(std::string_view scriptTypes);

}  // namespace tessaly
