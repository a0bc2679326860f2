#pragma once

// The User-Agent text composed from a browser type, version, platform and language code.
// A pure function: no state, no files, nothing shown.

#include <string>

#include "resources/resource_ids.h"

namespace tessaly {

// Result numbers; a refusal is the id of the string that explains it.
inline constexpr int kUserAgentComposed = 0;
inline constexpr int kUserAgentBrowserNotSupported = static_cast<int>(res::IDS_BROWSER_NOT_SUPPORTED);
inline constexpr int kUserAgentIeOnUnix = static_cast<int>(res::IDS_IE_ON_UNIX);

// Every comparison is byte for byte with the names of the tables; the language code is only
// tested for being empty. On kUserAgentComposed `result` holds the whole new text; on a refusal
// it keeps what it held. A null text reads as the empty one, and an input may be the holder's
// own text.
int ComposeUserAgent(const char* platform, const char* browserType, const char* version, const char* languageCode,
                     std::string& result);

}  // namespace tessaly
