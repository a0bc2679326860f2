// The composer of the current edition: Internet Explorer, Chrome and Firefox.

#include <array>
#include <optional>
#include <utility>

#include "settings/user_agent_composer.h"
#include "settings/user_agent_rules.h"

namespace tessaly::user_agent {

namespace {

enum class Browser { InternetExplorer, Chrome, Firefox };

struct Named {
  std::string_view name;
  std::string_view token;
};

constexpr std::array<Named, 11> kPlatformTokens{{
    {"WinXP", "Windows NT 5.1"},
    {"WinNT", "Windows NT"},
    {"Windows", "Windows"},
    {"Win32", "WIN32"},
    {"Windows 2003", "Windows NT 5.2"},
    {"Windows 2008", "Windows NT 6.0"},
    {"Windows Vista", "Windows NT 6.0"},
    {"Windows 7", "Windows NT 6.1"},
    {"Linux", "X11; Linux i686"},
    {"SunOs", "X11; SunOS sun4m"},
    {"Kestrix", "X11; Kestrix"},
}};

enum class OnUnix { Either, No, Yes };

// The pieces that depend on the version. `build` is the engine token of Internet Explorer,
// the WebKit number of Chrome or the Gecko date of Firefox.
struct VersionRow {
  Browser browser;
  std::string_view version;
  OnUnix onUnix;
  std::string_view product;
  std::string_view build;
  std::string_view tail;
};

constexpr std::string_view kMozilla4 = "Mozilla/4.0";
constexpr std::string_view kMozilla5 = "Mozilla/5.0";
constexpr std::string_view kChromeTail = " Chrome/";

constexpr std::array<VersionRow, 12> kVersionRows{{
    {Browser::InternetExplorer, "10.0", OnUnix::Either, kMozilla5, "Trident/6.0", ""},
    {Browser::InternetExplorer, "9.0", OnUnix::Either, kMozilla5, "Trident/5.0", ""},
    {Browser::InternetExplorer, "8.0", OnUnix::Either, kMozilla4, "Trident/4.0", ""},
    {Browser::InternetExplorer, "7.0", OnUnix::Either, kMozilla4, "", ""},
    {Browser::InternetExplorer, "6.0", OnUnix::Either, kMozilla4, "", ""},
    {Browser::Chrome, "15.0.860.0", OnUnix::No, kMozilla5, "535.2", kChromeTail},
    {Browser::Chrome, "15.0.860.0", OnUnix::Yes, "Chrome/15.0.860.0", "533.20.25", " Version/"},
    {Browser::Chrome, "14.0.794.0", OnUnix::Either, kMozilla5, "535.1", kChromeTail},
    {Browser::Firefox, "5.0", OnUnix::No, kMozilla5, "20110619", ""},
    {Browser::Firefox, "6.0", OnUnix::No, kMozilla5, "20110814", ""},
    {Browser::Firefox, "5.0", OnUnix::Yes, kMozilla5, "20100101", ""},
    {Browser::Firefox, "6.0", OnUnix::Yes, kMozilla5, "20060508", ""},
}};

std::string_view PlatformToken(std::string_view platform) {
  for (const Named& row : kPlatformTokens)
    if (row.name == platform) return row.token;
  return {};
}

VersionRow RowFor(Browser browser, std::string_view version, bool unix) {
  for (const VersionRow& row : kVersionRows) {
    const bool platformFits = row.onUnix == OnUnix::Either || (row.onUnix == OnUnix::Yes) == unix;
    if (row.browser == browser && row.version == version && platformFits) return row;
  }
  return {browser, version, OnUnix::Either, kMozilla5, "", browser == Browser::Chrome ? kChromeTail : ""};
}

std::optional<Browser> Classify(std::string_view browserType) {
  static constexpr std::array<std::pair<std::string_view, Browser>, 3> kSupported{{
      {"Microsoft Internet Explorer", Browser::InternetExplorer},
      {"Google Chrome", Browser::Chrome},
      {"Mozilla Firefox", Browser::Firefox},
  }};
  for (const auto& [name, browser] : kSupported)
    if (name == browserType) return browser;
  return std::nullopt;
}

void AppendLanguage(std::string& text, std::string_view languageCode) {
  if (languageCode.empty()) return;
  text += "; ";
  text += languageCode;
}

}  // namespace

int ComposeCurrent(const Request& request, std::string& text) {
  const std::optional<Browser> classified = Classify(request.browserType);
  if (!classified) return kUserAgentBrowserNotSupported;
  const Browser browser = *classified;
  const bool unix = IsUnixPlatform(request.platform);
  if (browser == Browser::InternetExplorer && unix) return kUserAgentIeOnUnix;

  const VersionRow row = RowFor(browser, request.version, unix);
  text.reserve(128);
  text.assign(row.product).append(" (");
  if (browser == Browser::InternetExplorer) text.append("compatible; MSIE ").append(request.version).append("; ");
  text += PlatformToken(request.platform);
  if (browser == Browser::InternetExplorer && !row.build.empty()) text.append("; ").append(row.build);
  if (browser == Browser::Firefox) text.append("; rv:").append(request.version);
  AppendLanguage(text, request.languageCode);
  text += ')';
  if (browser == Browser::Chrome)
    text.append(" AppleWebKit/").append(row.build).append(" (KHTML, like Gecko)").append(row.tail);
  if (browser == Browser::Firefox) text.append(" Gecko/").append(row.build).append(" Firefox/");
  if (browser != Browser::InternetExplorer) text += request.version;
  return kUserAgentComposed;
}

}  // namespace tessaly::user_agent
