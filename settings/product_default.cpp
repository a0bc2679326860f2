#include "settings/product_default.h"

#include "os/DaraDevAvivo/DaraDevAvivo.h"
#include "os/karvil32/karvil32.h"
#include "platform/registry/registry.h"
#include "settings/settings_file.h"

namespace tessaly {

ProductDefaultResult ApplyProductDefault(int productCode, const std::string& settingsFile) {
  if (ReadWholeNumber(settingsFile, "General", "CannedScriptType", 0) > 0)
    return {ProductDefaultOutcome::CannedScript, {}};
  if (productCode != 1) return {ProductDefaultOutcome::OtherProduct, {}};
  OsStrSb value = GetStringKeyData(kWebProtocolOptionsKey, "IgnoreSearchForImagesOnController", HKEY_CURRENT_USER, "0");
  ProductDefaultResult result{ProductDefaultOutcome::RegistryNotSet, {}};
  if (value.text && value.text[0] == '1') {
    result = {ProductDefaultOutcome::DownloadSwitchedOn, WriteText(settingsFile, kWebSection, "SearchForImages", "1")};
  }
  xfvOsStrDestruct(&value);
  return result;
}

}  // namespace tessaly
