// The earlier edition's tab help: the compiled help file beside the host executable.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/compiled_help.h"
#include "platform/help/html_help.h"
#include "platform/process/module_path.h"
#include "tests/support/case_name.h"

namespace {

using platform::help::HtmlHelpRecord;

struct CompiledCase {
  const char* name;
  std::string executable;
  const char* file;  // null: no help is opened
};

class CompiledHelp : public ::testing::TestWithParam<CompiledCase> {
 protected:
  void SetUp() override {
    ::unsetenv("TESSALY_HTMLHELP_VIEWER");
    platform::help::SetHtmlHelpObserver([this](const HtmlHelpRecord& call) { m_calls.push_back(call); });
  }
  void TearDown() override {
    platform::help::SetHtmlHelpObserver({});
    platform::process::SetExecutablePath("");
  }
  std::vector<HtmlHelpRecord> m_calls;
};

TEST_P(CompiledHelp, OpensTheContextOfTheFileBesideTheHost) {
  const CompiledCase& c = GetParam();
  platform::process::SetExecutablePath(c.executable);
  EXPECT_EQ(tessaly::OpenCompiledHelp(131221), c.file ? TRUE : FALSE);
  if (!c.file) {
    EXPECT_TRUE(m_calls.empty());
    return;
  }
  ASSERT_EQ(m_calls.size(), 1u);
  EXPECT_EQ(m_calls[0].file, c.file);
  EXPECT_EQ(m_calls[0].command, HH_HELP_CONTEXT);
  EXPECT_EQ(m_calls[0].data, 131221u);
}

// clang-format off
const CompiledCase kCompiledCases[] = {
    {"BesideTheHost", "/opt/app/bin/host", "/opt/app/bin/QUILLET.CHM"},
    {"FolderKeepsItsCase", "/Opt/My App/Bin/Host", "/Opt/My App/Bin/QUILLET.CHM"},
    {"HostInTheRoot", "/host", "/QUILLET.CHM"},
    {"PathThatFillsTheBuffer", "/opt/" + std::string(255, 'a'), nullptr},
    {"FileThatWouldNotFit", "/opt/" + std::string(245, 'a') + "/host", nullptr},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Help, CompiledHelp, ::testing::ValuesIn(kCompiledCases), tessaly::test::CaseName{});

}  // namespace
