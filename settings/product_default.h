#pragma once

// Adjusting a settings file to the default of a product.

#include <string>
#include <system_error>

namespace tessaly {

enum class ProductDefaultOutcome {
  CannedScript,       // "CannedScriptType" above 0: the file is left as it is
  OtherProduct,       // a product code other than 1
  RegistryNotSet,     // the per-user value does not start with 1
  DownloadSwitchedOn  // "SearchForImages" written as "1"
};

struct ProductDefaultResult {
  ProductDefaultOutcome outcome;
  std::error_code writeError;  // of the one write, when there was one
};

// The registry key whose value "IgnoreSearchForImagesOnController" decides.
inline constexpr const char* kWebProtocolOptionsKey =
    "Software\\Corvanex\\Trevalon\\Scripting\\Options\\Protocol Options\\WEB";

ProductDefaultResult ApplyProductDefault(int productCode, const std::string& settingsFile);

}  // namespace tessaly
