// The compiled-help stand-in: every call reported, a configured viewer started with the file
// and the context.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/help/html_help.h"
#include "platform/process/command_line.h"
#include "platform/process/process.h"
#include "tests/platform/process_recording.h"
#include "tests/support/temp_dir.h"

namespace {

using platform::help::HtmlHelpRecord;
using tessaly::test::TempDir;
using tessaly::test::WaitForRun;
using Items = std::vector<std::string>;

class HtmlHelp : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("TESSALY_TEST_RECORD", m_record.c_str(), 1);
    platform::help::SetHtmlHelpObserver([this](const HtmlHelpRecord& call) { m_calls.push_back(call); });
    platform::process::SetSpawnObserver([this](const platform::process::SpawnRecord&) { ++m_spawns; });
  }
  void TearDown() override {
    platform::help::SetHtmlHelpObserver({});
    platform::process::SetSpawnObserver({});
    ::unsetenv("TESSALY_TEST_RECORD");
    ::unsetenv("TESSALY_HTMLHELP_VIEWER");
  }

  TempDir m_dir;
  const std::string m_record = m_dir / "record";
  std::vector<HtmlHelpRecord> m_calls;
  int m_spawns = 0;
};

TEST_F(HtmlHelp, ReportsTheCallAndStartsNothingWithoutAViewer) {
  ::unsetenv("TESSALY_HTMLHELP_VIEWER");
  EXPECT_EQ(HtmlHelpA(nullptr, "/opt/x/bin/QUILLET.CHM", HH_HELP_CONTEXT, 131221), nullptr);
  ASSERT_EQ(m_calls.size(), 1u);
  EXPECT_EQ(m_calls[0].file, "/opt/x/bin/QUILLET.CHM");
  EXPECT_EQ(m_calls[0].command, HH_HELP_CONTEXT);
  EXPECT_EQ(m_calls[0].data, 131221u);
  EXPECT_EQ(m_spawns, 0);
}

TEST_F(HtmlHelp, StartsTheViewerWithFileAndContext) {
  ::setenv("TESSALY_HTMLHELP_VIEWER", TESSALY_RECORDING_PROGRAM, 1);
  const std::string file = m_dir / "my help/QUILLET \"1\".CHM";
  HtmlHelpA(nullptr, file.c_str(), HH_HELP_CONTEXT, 131221);
  const auto run = WaitForRun(m_record);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->arguments, (Items{TESSALY_RECORDING_PROGRAM, file, "131221"}));
  EXPECT_EQ(m_calls.size(), 1u);
}

TEST_F(HtmlHelp, ViewerGetsTheFileAloneForATopicAndNothingForOtherCommands) {
  using platform::help::ViewerCommandLine;
  using platform::process::ArgumentVector;
  EXPECT_EQ(ArgumentVector("/v", ViewerCommandLine({"/a b/x.chm", HH_DISPLAY_TOPIC, 7})), (Items{"/v", "/a b/x.chm"}));
  EXPECT_EQ(ViewerCommandLine({"/x.chm", 0x12, 7}), "");
  EXPECT_EQ(ViewerCommandLine({"", HH_HELP_CONTEXT, 7}), "");
}

}  // namespace
