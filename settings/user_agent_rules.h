#pragma once

// The composer's rules of each edition, behind ComposeUserAgent.

#include <string>
#include <string_view>

namespace tessaly::user_agent {

struct Request {
  std::string_view platform;
  std::string_view browserType;
  std::string_view version;
  std::string_view languageCode;
};

// Both editions count the same platforms as Unix, with case told apart.
constexpr bool IsUnixPlatform(std::string_view platform) {
  return platform == "Linux" || platform == "Kestrix" || platform == "SunOs";
}

// Each composes into `text` (which it may clear) or returns a refusal before touching it.
int ComposeCurrent(const Request& request, std::string& text);
int ComposeEarlier(const Request& request, std::string& text);

}  // namespace tessaly::user_agent
