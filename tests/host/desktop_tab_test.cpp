// The library's own tab on the desktop, in process on Qt's offscreen platform: the sheet
// opened on a settings file, options clicked, the hint after the pointer rests, both dialogs
// opened and used with their widgets, Apply, and the settings file checked; pictures of the
// tab and of each dialog; the help key end to end.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>

#include "help/help_command.h"
#include "host/desktop/host_sheet_controls.h"
#include "host/desktop/screenshot.h"
#include "host/desktop/sheet_window.h"
#include "host/sheet/tab_host.h"
#include "platform/process/module_path.h"
#include "platform/process/process.h"
#include "platform/profile/profile.h"
#include "platform/window/message_loop.h"
#include "platform/window/snapshot.h"
#include "platform/window/window.h"
#include "settings/edition.h"
#include "tests/host/desktop_test_support.h"
#include "tests/host/library_tab_journey.h"
#include "tests/support/run_program.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"

namespace {

using tessaly::test::kFirefoxOnLinux;
using tessaly::test::SectionOf;

namespace t = tessaly::test;
using tessaly::host::TabHost;

const std::string kBuild = TESSALY_BINARY_DIR;

class DesktopTab : public t::DesktopTest {
 protected:
  void SetUp() override {
    t::DesktopTest::SetUp();
    m_config = std::make_unique<t::ScopedEnv>("XDG_CONFIG_HOME", m_dir.Path().c_str());
    platform::process::SetExecutablePath(ExecutablePath());
    TabHost::Opened opened = TabHost::Open(kBuild + "/lib/libTessaly.so", &Session().HelpSink());
    ASSERT_TRUE(opened.host) << opened.error;
    m_host = std::move(opened.host);
    bool shown = false;
    Session().Deliver(
        nullptr, [&] { shown = m_host->CreatePage(Settings().c_str(), "", "HTTP") && m_host->Sheet().ShowCurrent(); });
    ASSERT_TRUE(shown);
    m_controls = std::make_unique<tessaly::desktop::HostSheetControls>(m_host->Sheet());
    m_window = std::make_unique<tessaly::desktop::SheetWindow>(Session(), *m_controls);
    m_window->show();
    t::Settle();
  }
  void TearDown() override {
    m_window.reset();
    m_controls.reset();
    m_host.reset();
    platform::process::SetSpawnObserver({});
    platform::process::SetExecutablePath("");
    t::DesktopTest::TearDown();
  }
  virtual std::string ExecutablePath() { return kBuild + "/bin/tessaly-host"; }

  std::string Settings() const { return m_dir / "tab settings.cfg"; }
  HWND PageWindow() const { return m_controls->ActivePageWindow(); }
  HWND OnPage(int id) const { return platform::window::FindDescendant(PageWindow(), id); }
  QWidget* PageWidget(int id) { return Session().WidgetOf(OnPage(id)); }
  template <typename W>
  W* PageAs(int id) {
    return qobject_cast<W*>(PageWidget(id));
  }
  // A control of the modal dialog that runs now.
  QWidget* InDialog(int id) {
    return Session().WidgetOf(platform::window::FindDescendant(platform::window::ActiveModalDialog(), id));
  }
  static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }
  // Chooses an entry as a person does: the list drops down and the entry is clicked.
  static void Choose(QWidget* widget, const QString& entry) {
    auto* combo = qobject_cast<QComboBox*>(widget);
    ASSERT_NE(combo, nullptr);
    const int row = combo->findText(entry);
    ASSERT_GE(row, 0) << entry.toStdString();
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    EXPECT_EQ(combo->currentText(), entry);
  }
  // The hint panel's title once it shows `title`, waiting on the real clock.
  bool HintShows(QWidget* panel, const QString& title, int limitMs = 3000) {
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(limitMs)) {
      if (qobject_cast<QGroupBox*>(panel)->title() == title) return true;
      QTest::qWait(10);
    }
    return false;
  }

  t::TempDir m_dir;
  std::unique_ptr<t::ScopedEnv> m_config;
  std::unique_ptr<TabHost> m_host;
  std::unique_ptr<tessaly::desktop::HostSheetControls> m_controls;
  std::unique_ptr<tessaly::desktop::SheetWindow> m_window;
};

TEST_F(DesktopTab, OptionsDialogsAndApplyStoreWhatThePersonChose) {
  EXPECT_EQ(m_window->windowTitle(), "Run-Time Settings");
  ASSERT_EQ(m_window->Tabs()->count(), 1);
  EXPECT_EQ(m_window->Tabs()->tabText(0), "Browser Emulation");
  EXPECT_TRUE(HintShows(PageWidget(1035), "Hint:")) << "the start hint";
  EXPECT_EQ(PageAs<QLabel>(1059)->text(), "Move the mouse over any item to see its description.");

  // Simulate browser cache off: its dependants are disabled, on again: enabled.
  Click(PageWidget(1041));
  EXPECT_FALSE(PageWidget(1060)->isEnabled());
  EXPECT_FALSE(PageWidget(1061)->isEnabled());
  EXPECT_FALSE(PageWidget(1063)->isEnabled());
  Click(PageWidget(1041));
  EXPECT_TRUE(PageWidget(1061)->isEnabled());
  Click(PageWidget(1042));
  Click(PageWidget(1043));
  EXPECT_FALSE(PageWidget(1069)->isEnabled());
  Click(PageWidget(1061));
  Click(PageWidget(1060));
  EXPECT_TRUE(PageWidget(1063)->isEnabled()) << "Advanced is offered";

  // The pointer rests on a control: 650 ms later its hint.
  QTest::mouseMove(PageWidget(1042));
  EXPECT_TRUE(HintShows(PageWidget(1035), "Download non-HTML resources"));

  // Change...: Firefox on Linux.
  QTimer::singleShot(0, [this] {
    ASSERT_NE(InDialog(1057), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget()->windowTitle(), "User-Agent");
    Click(InDialog(1057));
    EXPECT_TRUE(InDialog(1052)->isEnabled());
    Choose(InDialog(1052), "Mozilla Firefox");
    Choose(InDialog(1054), "Linux");
    Choose(InDialog(1055), "English (United States)");
    Click(InDialog(IDOK));
  });
  Click(PageWidget(1040));
  EXPECT_EQ(PageAs<QPlainTextEdit>(1051)->toPlainText(), kFirefoxOnLinux);

  // Advanced...: the list in use, its first item on, one more added.
  QTimer::singleShot(0, [this] {
    EXPECT_EQ(QApplication::activeModalWidget()->windowTitle(), "Cache URL requiring content - advanced");
    EXPECT_FALSE(InDialog(1068)->isEnabled());
    Click(InDialog(1064));
    EXPECT_TRUE(InDialog(1068)->isEnabled());
    auto* items = InDialog(1068)->findChild<QListWidget*>();
    ASSERT_EQ(items->count(), 2);
    items->item(0)->setCheckState(Qt::Checked);
    auto* typing = InDialog(1068)->findChild<QLineEdit*>();
    typing->setFocus();
    QTest::keyClicks(typing, "application/json");
    QTest::keyClick(typing, Qt::Key_Return);
    EXPECT_EQ(items->count(), 3);
    Click(InDialog(IDOK));
  });
  Click(PageWidget(1063));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  Click(m_window->ApplyButton());
  const std::map<std::string, std::string> expected = tessaly::test::WebSectionAfterTheJourney();
  EXPECT_EQ(SectionOf(Settings(), "WEB"), expected);
}

TEST_F(DesktopTab, TheUserAgentDialogsRefusalIsARealMessageBox) {
  QString said;
  QTimer::singleShot(0, [&] {
    Click(InDialog(1057));
    Choose(InDialog(1052), "Microsoft Internet Explorer");
    Choose(InDialog(1054), "Linux");
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      said = box->text();
      box->button(QMessageBox::Ok)->click();
    });
    Click(InDialog(IDOK));
    EXPECT_NE(platform::window::ActiveModalDialog(), nullptr) << "the dialog stays open after the refusal";
    QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
  });
  const std::string before = PageAs<QPlainTextEdit>(1051)->toPlainText().toStdString();
  Click(PageWidget(1040));
  EXPECT_EQ(said, "You cannot use Microsoft Internet Explorer on a Unix machine");
  EXPECT_EQ(PageAs<QPlainTextEdit>(1051)->toPlainText().toStdString(), before) << "Cancel keeps the text";
}

// A picture of a window and the places of its controls: each lies inside the window, and two
// controls that the template keeps apart do not overlap on the screen either.
void CheckPicture(tessaly::desktop::DesktopSession& session, HWND window, const QString& name) {
  QWidget* widget = session.WidgetOf(window);
  ASSERT_NE(widget, nullptr);
  const QString folder = QStringLiteral(TESSALY_BINARY_DIR "/tests/desktop-pictures");
  QDir().mkpath(folder);
  const QString path = folder + "/" + name + ".png";
  ASSERT_TRUE(tessaly::desktop::SavePicture(widget, path)) << path.toStdString();
  const QImage picture(path);
  EXPECT_EQ(picture.size(), widget->size() * widget->devicePixelRatio());
  EXPECT_GE(widget->width(), 300);

  struct Placed {
    int id;
    RECT layer;
    QRect screen;
  };
  std::vector<Placed> placed;
  for (HWND control : platform::window::Descendants(window)) {
    if (GetParent(control) != window) continue;
    QWidget* shown = session.WidgetOf(control);
    ASSERT_NE(shown, nullptr) << GetDlgCtrlID(control);
    placed.push_back({GetDlgCtrlID(control), platform::window::Snapshot(control, window).rect,
                      QRect(shown->mapTo(widget, QPoint(0, 0)), shown->size())});
  }
  ASSERT_GE(placed.size(), 9u);
  const auto apart = [](const RECT& a, const RECT& b) {
    return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
  };
  for (const Placed& one : placed) {
    EXPECT_TRUE(widget->rect().contains(one.screen)) << name.toStdString() << " control " << one.id;
    for (const Placed& other : placed)
      if (&one != &other && apart(one.layer, other.layer)) {
        EXPECT_FALSE(one.screen.intersects(other.screen))
            << name.toStdString() << ": controls " << one.id << " and " << other.id << " overlap";
      }
  }
}

TEST_F(DesktopTab, PicturesOfTheTabAndBothDialogsShowEveryControlInItsPlace) {
  CheckPicture(Session(), PageWindow(), "tab");
  const QString sheet = QStringLiteral(TESSALY_BINARY_DIR "/tests/desktop-pictures/sheet.png");
  ASSERT_TRUE(tessaly::desktop::SavePicture(m_window.get(), sheet));
  QTimer::singleShot(0, [this] {
    CheckPicture(Session(), platform::window::ActiveModalDialog(), "user-agent-dialog");
    QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
  });
  Click(PageWidget(1040));
  Click(PageWidget(1060));  // Cache URLs requiring content: Advanced is offered
  QTimer::singleShot(0, [this] {
    Click(InDialog(1064));
    CheckPicture(Session(), platform::window::ActiveModalDialog(), "content-types-dialog");
    QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
  });
  Click(PageWidget(1063));
}

// The help key, on the tab and in the content types dialog, starts the help viewer on the
// topic of that window; a viewer of the test's own records how it was started.
class DesktopTabHelp : public DesktopTab {
 protected:
  std::string ExecutablePath() override {
    std::filesystem::create_directories(m_dir / "install/bin");
    return m_dir / "install/bin/tessaly-host";
  }
};

TEST_F(DesktopTabHelp, F1OpensTheViewerOnTheWindowsTopic) {
  std::vector<platform::process::SpawnRecord> spawned;
  platform::process::SetSpawnObserver([&](const platform::process::SpawnRecord& record) { spawned.push_back(record); });
  QWidget* box = PageWidget(1041);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_F1);
  Click(PageWidget(1060));
  QTimer::singleShot(0, [] {
    QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_F1);
    QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
  });
  Click(PageWidget(1063));

  ASSERT_EQ(spawned.size(), 2u);
  const std::string invoker = "/help/WebHelp/Old_CSH_Invoker.htm?topicId=";
  const std::string installation = tessaly::FileUrlOf(m_dir / "install");
  std::vector<std::string> topics;
  for (const auto& record : spawned) {
    EXPECT_EQ(record.program, m_dir / "install/bin/TrevalonHelp");
    const std::size_t at = record.commandLine.find(invoker);
    ASSERT_NE(at, std::string::npos) << record.commandLine;
    topics.push_back(record.commandLine.substr(at + invoker.size(), 6));
  }
  EXPECT_EQ(topics.back(), "131223") << "the content types dialog's topic, through the host's answer";
  EXPECT_EQ(topics.front(), "131221") << "the tab's topic (in the earlier edition its compiled-help request)";

  // The viewer shows a real page for each topic.
  for (const std::string& topic : topics) {
    const auto shown =
        t::RunProgram(kBuild + "/bin/TrevalonHelp", {"--dump", tessaly::FileUrlOf(kBuild) + invoker + topic});
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_NE(shown.out.find("title="), std::string::npos);
  }
}

}  // namespace
