#pragma once

// The keys of section "WEB" that hold the User-Agent choice, their defaults, and the read
// the User-Agent dialog makes of them.

#include <string>
#include <string_view>

namespace tessaly {

namespace user_agent_keys {

inline constexpr std::string_view kCombinedBrowser = "BrowserType";
inline constexpr std::string_view kBrowserType = "Browser_Type";
inline constexpr std::string_view kBrowserVersion = "BrowserVer";
inline constexpr std::string_view kPlatform = "BrowserPlatform";
inline constexpr std::string_view kLanguage = "BrowserLanguage";
inline constexpr std::string_view kCustomAgent = "CustomUserAgent";
inline constexpr std::string_view kUseCustomAgent = "UseCustomAgent";
inline constexpr std::string_view kUseBrowserAgent = "UseBrowserAgent";
inline constexpr std::string_view kBrowserAgent = "BrowserUserAgent";

inline constexpr std::string_view kDefaultBrowserType = "Microsoft Internet Explorer";
inline constexpr std::string_view kDefaultVersion = "6.0";
inline constexpr std::string_view kDefaultPlatform = "Windows";
inline constexpr std::string_view kDefaultLanguage = "None";
inline constexpr std::string_view kDefaultCustomAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT)";
inline constexpr int kDefaultUseCustom = 1;

// The dialog's reads have room for 127 characters.
inline constexpr unsigned kDialogReadBuffer = 128;
// The page shows at most 255 characters.
inline constexpr unsigned kPageReadBuffer = 256;

}  // namespace user_agent_keys

// A text key as the dialog reads it: with the dialog's buffer, but when that read is full the
// whole stored value, so that a longer value survives the dialog's OK unchanged.
std::string ReadDialogText(const std::string& settingsFile, std::string_view key, std::string_view defaultText);

}  // namespace tessaly
