// Adjusting a settings file to a product default, with the per-user registry value.

#include <gtest/gtest.h>

#include <string>

#include "platform/registry/registry.h"
#include "settings/module_state.h"
#include "settings/product_default.h"
#include "tests/support/case_name.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"

namespace {

using tessaly::ProductDefaultOutcome;
using tessaly::test::ReadFile;
using tessaly::test::TempDir;
using tessaly::test::WriteFile;

struct ProductCase {
  const char* name;
  int product;
  const char* general;   // the "General" section's lines
  const char* registry;  // the registry value, or null when it is missing
  ProductDefaultOutcome outcome;
};

class ProductDefault : public ::testing::TestWithParam<ProductCase> {
 protected:
  TempDir m_config;
  tessaly::test::ScopedEnv m_configHome{"XDG_CONFIG_HOME", m_config.Path().c_str()};
  TempDir m_scripts;
};

TEST_P(ProductDefault, SwitchesDownloadsOnOnlyForProductOneWithTheValueSet) {
  const ProductCase& c = GetParam();
  if (c.registry) {
    ASSERT_FALSE(platform::registry::SetValue(std::string("HKEY_CURRENT_USER\\") + tessaly::kWebProtocolOptionsKey,
                                              "IgnoreSearchForImagesOnController", c.registry));
  }
  const std::string file = m_scripts / "default.cfg";
  const std::string before = std::string("[General]\n") + c.general;
  WriteFile(file, before);
  const auto result = tessaly::ApplyProductDefault(c.product, file);
  EXPECT_EQ(result.outcome, c.outcome);
  EXPECT_FALSE(result.writeError);
  const bool written = c.outcome == ProductDefaultOutcome::DownloadSwitchedOn;
  EXPECT_EQ(ReadFile(file), written ? before + "[WEB]\nSearchForImages=1\n" : before);
}

// clang-format off
const ProductCase kProductCases[] = {
    {"ValueOneSwitchesOn", 1, "", "1", ProductDefaultOutcome::DownloadSwitchedOn},
    {"OnlyTheFirstCharacterCounts", 1, "", "10", ProductDefaultOutcome::DownloadSwitchedOn},
    {"CannedScriptStops", 1, "CannedScriptType=2\n", "1", ProductDefaultOutcome::CannedScript},
    {"CannedZeroGoesOn", 1, "CannedScriptType=0\n", "1", ProductDefaultOutcome::DownloadSwitchedOn},
    {"CannedNegativeGoesOn", 1, "CannedScriptType=-1\n", "1", ProductDefaultOutcome::DownloadSwitchedOn},
    {"ProductZero", 0, "", "1", ProductDefaultOutcome::OtherProduct},
    {"ProductTwo", 2, "", "1", ProductDefaultOutcome::OtherProduct},
    {"ValueZero", 1, "", "0", ProductDefaultOutcome::RegistryNotSet},
    {"ValueEmpty", 1, "", "", ProductDefaultOutcome::RegistryNotSet},
    {"ValueWithBlankFirst", 1, "", " 1", ProductDefaultOutcome::RegistryNotSet},
    {"NoValue", 1, "", nullptr, ProductDefaultOutcome::RegistryNotSet},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, ProductDefault, ::testing::ValuesIn(kProductCases), tessaly::test::CaseName{});

TEST(ModuleState, ScriptTypeListIsReplacedAndNullEmptiesIt) {
  EXPECT_EQ(tessaly::ScriptTypeList(), "");
  tessaly::SetScriptTypeList("WebJS");
  tessaly::SetScriptTypeList("SOAP");
  EXPECT_EQ(tessaly::ScriptTypeList(), "SOAP");
  tessaly::SetScriptTypeList(nullptr);
  EXPECT_EQ(tessaly::ScriptTypeList(), "");
}

}  // namespace
