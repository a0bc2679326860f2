// The composer of the earlier edition: Internet Explorer, Netscape Navigator and Firefox.

#include <array>
#include <optional>
#include <utility>

#include "settings/user_agent_composer.h"
#include "settings/user_agent_rules.h"

namespace tessaly::user_agent {

namespace {

enum class Browser { InternetExplorer, Navigator, Firefox };

struct Named {
  std::string_view name;
  std::string_view text;
};

constexpr std::array<Named, 4> kExplorerPlatforms{{
    {"WinXP", "Windows NT 5.1"},
    {"WinNT", "Windows NT"},
    {"Windows", "Windows"},
    {"Win32", "WIN32"},
}};

constexpr std::array<Named, 7> kFirefoxPlatforms{{
    {"WinXP", "Windows; U; Windows NT 5.1"},
    {"WinNT", "Windows; U; Windows NT 5.0"},
    {"Windows", "Windows; U; Windows"},
    {"Win32", "Windows; U; Win32"},
    {"Linux", "X11; U; Linux i686"},
    {"SunOs", "X11; U; SunOS sun4m"},
    {"Kestrix", "X11; U; Kestrix"},
}};

constexpr std::array<Named, 2> kNavigatorWindows{{{"WinNT", "WinNT;"}, {"Win32", "WIN32;"}}};

constexpr std::array<Named, 3> kNavigatorUnix{{
    {"Linux", "X11; I; Linux 2.2.16-3 ; 686"},
    {"Kestrix", "X11; U; Kestrix B.10.20 5200/417"},
    {"SunOs", "X11; U; SunOs 5.6 Sun4m"},
}};

constexpr std::array<Named, 6> kGeckoRevisions{{
    {"1.5.0.6", "1.8.0.6"},
    {"1.5.0.4", "1.8.0.4"},
    {"1.5", "1.8"},
    {"1.0.7", "1.7.12"},
    {"1.0.6", "1.7.10"},
    {"1.0", "1.7.5"},
}};

struct BuildDate {
  std::string_view version;
  std::string_view notUnix;
  std::string_view unix;
};

constexpr std::array<BuildDate, 6> kFirefoxDates{{
    {"1.5.0.6", "20060728", "20060728"},
    {"1.5.0.4", "20060508", "20060602"},
    {"1.5", "20051111", "20051130"},
    {"1.0.7", "20050922", "20051105"},
    {"1.0.6", "20050717", "20050717"},
    {"1.0", "20041107", "20041109"},
}};

template <std::size_t N>
std::string_view Lookup(const std::array<Named, N>& table, std::string_view name) {
  for (const Named& row : table)
    if (row.name == name) return row.text;
  return {};
}

std::string_view FirefoxDate(std::string_view version, bool unix) {
  for (const BuildDate& row : kFirefoxDates)
    if (row.version == version) return unix ? row.unix : row.notUnix;
  return {};
}

std::optional<Browser> Classify(std::string_view browserType) {
  static constexpr std::array<std::pair<std::string_view, Browser>, 3> kSupported{{
      {"Microsoft Internet Explorer", Browser::InternetExplorer},
      {"Netscape Navigator", Browser::Navigator},
      {"Mozilla Firefox", Browser::Firefox},
  }};
  for (const auto& [name, browser] : kSupported)
    if (name == browserType) return browser;
  return std::nullopt;
}

std::string_view ProductVersion(Browser browser, std::string_view version) {
  switch (browser) {
    case Browser::InternetExplorer:
      return "4.0";
    case Browser::Firefox:
      return "5.0";
    case Browser::Navigator:
      break;
  }
  return version == "6.0" || version == "6.2" ? "5.0" : version;
}

bool WantsLanguageBracket(Browser browser, const Request& request, bool unix) {
  const bool navigator62OnWindows = browser == Browser::Navigator && request.version == "6.2" && !unix;
  return !request.languageCode.empty() && browser != Browser::Firefox && request.version != "6.0" &&
         !navigator62OnWindows;
}

void AppendNavigatorSystem(std::string& text, const Request& request) {
  if (request.version == "6.2" || request.version == "6.0") {
    text.append("Windows; U; WinNT4.0; ").append(request.languageCode);
    text += request.version == "6.2" ? "; rv:0.9.4.1" : "; m18";
    return;
  }
  text += Lookup(kNavigatorWindows, request.platform);
  if (request.version == "4.76") text += " U";
  text += Lookup(kNavigatorUnix, request.platform);
}

void AppendSystem(std::string& text, Browser browser, const Request& request) {
  switch (browser) {
    case Browser::InternetExplorer:
      text.append("compatible; MSIE ").append(request.version == "5.01" ? "5.0" : request.version).append("; ");
      text += Lookup(kExplorerPlatforms, request.platform);
      return;
    case Browser::Navigator:
      AppendNavigatorSystem(text, request);
      return;
    case Browser::Firefox:
      text.append(Lookup(kFirefoxPlatforms, request.platform)).append("; ").append(request.languageCode);
      text.append("; rv:").append(Lookup(kGeckoRevisions, request.version));
      return;
  }
}

}  // namespace

int ComposeEarlier(const Request& request, std::string& text) {
  const std::optional<Browser> classified = Classify(request.browserType);
  if (!classified) return kUserAgentBrowserNotSupported;
  const Browser browser = *classified;
  const bool unix = IsUnixPlatform(request.platform);
  if (browser == Browser::InternetExplorer && unix) return kUserAgentIeOnUnix;

  text.reserve(128);
  text.assign("Mozilla/").append(ProductVersion(browser, request.version)).append(" ");
  if (WantsLanguageBracket(browser, request, unix)) text.append("[").append(request.languageCode).append("] ");
  text += '(';
  AppendSystem(text, browser, request);
  text += ')';
  if (browser == Browser::Navigator && request.version == "6.0" && !unix) text += "  Gecko/20001108 Netscape6/6.0 ";
  if (browser == Browser::Firefox)
    text.append(" Gecko/").append(FirefoxDate(request.version, unix)).append(" Firefox/").append(request.version);
  return kUserAgentComposed;
}

}  // namespace tessaly::user_agent
