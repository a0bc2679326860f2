#pragma once

// The walk through the library's tab that both front ends are tested with: options changed on
// the tab, a Firefox User-Agent on Linux composed with the English (United States) language in
// the User-Agent dialog, text/xml checked and application/json added in the content types
// dialog, then the tab stored. What the settings file then holds, in each edition.

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/profile/profile.h"
#include "settings/edition.h"

namespace tessaly::test {

inline constexpr bool kEarlierEdition = tessaly::kEdition == tessaly::Edition::Earlier;

// The first version the dialog offers for Firefox, and what it composes with it on Linux.
inline constexpr const char* kFirefoxVersion = kEarlierEdition ? "1.5.0.6" : "6.0";
inline constexpr const char* kFirefoxOnLinux =
    kEarlierEdition ? "Mozilla/5.0 (X11; U; Linux i686; en-us; rv:1.8.0.6) Gecko/20060728 Firefox/1.5.0.6"
                    : "Mozilla/5.0 (X11; Linux i686; rv:6.0; en-us) Gecko/20060508 Firefox/6.0";

// Every key of a section with its value.
inline std::map<std::string, std::string> SectionOf(const std::string& file, const char* section) {
  std::vector<char> names(4096);
  const DWORD length =
      GetPrivateProfileStringA(section, nullptr, "", names.data(), static_cast<DWORD>(names.size()), file.c_str());
  std::map<std::string, std::string> values;
  for (const char* name = names.data(); name < names.data() + length && *name; name += std::strlen(name) + 1) {
    values[name] = platform::profile::ReadString(file, section, name).value_or("<missing>");
  }
  return values;
}

// Section "WEB" after the walk, on a settings file that was new.
inline std::map<std::string, std::string> WebSectionAfterTheJourney() {
  return {
      {"SimulateCache", "1"},
      {"SearchForImages", "False"},
      {"ResetContext", "False"},
      {"CacheAlwaysCheckForNewerPages", "Yes"},
      {"CacheHtmlPages", "Yes"},
      {"ClearCacheForSimulateNewUser", "True"},
      {"Browser_Type", "Mozilla Firefox"},
      {"BrowserVer", kFirefoxVersion},
      {"BrowserPlatform", "Linux"},
      {"BrowserLanguage", "en-us"},
      {"CustomUserAgent", "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT)"},
      {"UseCustomAgent", "0"},
      {"UseBrowserAgent", "1"},
      {"BrowserUserAgent", kFirefoxOnLinux},
      {"KeepNonTextMimeTypeForQuillet", "text/xml;1;text/plain;0;application/json;1"},
      {"KeepNonTextMimeType", "text/xml;application/json"},
      {"IgnoreContentCachingTypes", "0"},
  };
}

}  // namespace tessaly::test
