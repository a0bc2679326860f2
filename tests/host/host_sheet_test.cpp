// The sheet as the desktop front end uses it, in process on the stand-in library: Apply stores
// the pages that have a window once the page on show agrees to be left, and choosing another
// page asks the one on show first.

#include <gtest/gtest.h>

#include "framework/cfg_tab.h"
#include "host/sheet/tab_host.h"
#include "platform/profile/profile.h"
#include "platform/window/input.h"
#include "platform/window/window.h"
#include "tests/host/drive_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

using platform::window::input::Outcome;
using tessaly::host::TabHost;

constexpr int kMayLeave = 103;
constexpr int kName = 110;

class HostSheet : public ::testing::Test {
 protected:
  void SetUp() override {
    TabHost::Opened opened = TabHost::Open(tessaly::test::DoubleLibrary(), nullptr);
    ASSERT_TRUE(opened.host) << opened.error;
    m_host = std::move(opened.host);
  }

  CCfgTab* Create(const std::string& name) {
    CCfgTab* page = m_host->CreatePage(File(name).c_str(), "", "");
    EXPECT_TRUE(page);
    return page;
  }
  static Outcome Act(CCfgTab* page, int id) {
    return platform::window::input::Click(platform::window::FindDescendant(page->m_hWnd, id));
  }
  static Outcome Name(CCfgTab* page, const char* text) {
    return platform::window::input::Type(platform::window::FindDescendant(page->m_hWnd, kName), text);
  }
  std::string File(const std::string& name) const { return m_dir / name; }
  std::string Stored(const std::string& name) const {
    return platform::profile::ReadString(File(name), "DOUBLE", "Name").value_or("<missing>");
  }

  tessaly::test::TempDir m_dir;
  std::unique_ptr<TabHost> m_host;
};

TEST_F(HostSheet, ApplyStoresThePagesThatHaveAWindowOnceThePageOnShowAgrees) {
  CCfgTab* first = Create("first.cfg");
  ASSERT_TRUE(m_host->Sheet().ShowCurrent());
  ASSERT_EQ(Name(first, "one"), Outcome::Done);
  Create("second.cfg");
  EXPECT_TRUE(m_host->Sheet().Apply());
  EXPECT_EQ(Stored("first.cfg"), "one");
  EXPECT_FALSE(tessaly::test::Exists(File("second.cfg"))) << "a page never shown has nothing to store";

  ASSERT_EQ(Act(first, kMayLeave), Outcome::Done);
  ASSERT_EQ(Name(first, "changed"), Outcome::Done);
  EXPECT_FALSE(m_host->Sheet().Apply());
  EXPECT_EQ(Stored("first.cfg"), "one") << "nothing stored when the page refuses";
}

TEST_F(HostSheet, ChoosingAnotherPageAsksTheOneOnShow) {
  CCfgTab* first = Create("first.cfg");
  ASSERT_TRUE(m_host->Sheet().ShowCurrent());
  CCfgTab* second = Create("second.cfg");
  ASSERT_EQ(Act(first, kMayLeave), Outcome::Done);
  EXPECT_FALSE(m_host->Sheet().Activate(1));
  EXPECT_EQ(second->m_hWnd, nullptr);
  EXPECT_EQ(m_host->Sheet().ActiveWindow(), nullptr) << "the current page still has no window";

  ASSERT_EQ(Act(first, kMayLeave), Outcome::Done);
  EXPECT_TRUE(m_host->Sheet().Activate(1));
  EXPECT_EQ(m_host->Sheet().ActiveWindow(), second->m_hWnd);
  EXPECT_FALSE(first->IsWindowVisible());
  EXPECT_TRUE(second->IsWindowVisible());

  EXPECT_TRUE(m_host->Sheet().Activate(0)) << "the page shown now agrees";
  EXPECT_TRUE(first->IsWindowVisible());
  EXPECT_FALSE(second->IsWindowVisible());
}

TEST_F(HostSheet, PagesAndFrameGoWithTheHost) {
  const int before = platform::window::LiveWindowCount();
  Create("first.cfg");
  ASSERT_TRUE(m_host->Sheet().ShowCurrent());
  EXPECT_GT(platform::window::LiveWindowCount(), before);
  EXPECT_EQ(GetParent(m_host->Sheet().ActiveWindow()), m_host->Sheet().Frame());
  m_host.reset();
  EXPECT_EQ(platform::window::LiveWindowCount(), before - 1) << "the frame too";
}

}  // namespace
