// The property sheet on the desktop: a tab per page over the layer's sheet, OK, Cancel and
// Apply going to the host's sheet, a page that refuses to be left keeping its tab, and the
// keys of the sheet's own part going to the active page.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTabBar>
#include <QTest>

#include <memory>

#include "host/desktop/screenshot.h"
#include "host/desktop/sheet_window.h"
#include "platform/afx/property_page.h"
#include "platform/afx/property_sheet.h"
#include "platform/resource/resource_chain.h"
#include "platform/window/frame_window.h"
#include "platform/window/window.h"
#include "tests/host/desktop_test_support.h"

namespace {

namespace t = tessaly::test;

constexpr UINT kFirstPage = 9310;
constexpr UINT kSecondPage = 9311;
constexpr int kRefuseBox = 3201;
constexpr int kPageEdit = 3202;
constexpr int kSecondLabel = 3203;

constexpr platform::DialogControl kFirstControls[] = {
    {kRefuseBox, "Button", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, "&Refuse to be left", 10, 10, 120, 10},
    {kPageEdit, "Edit", WS_VISIBLE | WS_TABSTOP | WS_BORDER, "", 10, 30, 120, 14},
};
constexpr platform::DialogControl kSecondControls[] = {
    {kSecondLabel, "Static", WS_VISIBLE, "Second page", 10, 10, 120, 10},
};
constexpr platform::DialogTemplate kPages[] = {
    {kFirstPage, WS_CHILD | DS_SETFONT, "First", "MS Sans Serif", 8, 0, 200, 100, kFirstControls},
    {kSecondPage, WS_CHILD | DS_SETFONT, "Second", "MS Sans Serif", 8, 0, 200, 100, kSecondControls},
};
const platform::ResourceModule kSheetModule{"DesktopSheetTest", {}, kPages};

class RefusingPage final : public CPropertyPage {
 public:
  explicit RefusingPage(UINT templateId) : CPropertyPage(templateId) {}
  BOOL OnKillActive() override { return !m_hWnd || !IsDlgButtonChecked(kRefuseBox); }
};

// The frame's messages that are not its upkeep.
class RecordingSink final : public platform::window::TopLevelSink {
 public:
  std::optional<LRESULT> OnMessage(HWND, UINT message, WPARAM, LPARAM lParam) override {
    if (message == WM_HELP) helpFrom.push_back(reinterpret_cast<HELPINFO*>(lParam)->iCtrlId);
    return std::nullopt;
  }
  std::vector<int> helpFrom;
};

class TestSheet final : public tessaly::desktop::SheetControls {
 public:
  explicit TestSheet(platform::window::TopLevelSink* sink) : m_sheet("Test Sheet") {
    m_frame = platform::window::CreateFrameWindow("Test Sheet", 300, 163, sink);
    m_sheet.AddPage(&m_first);
    m_sheet.AddPage(&m_second);
    m_sheet.Create(CWnd::FromHandle(m_frame));
  }
  ~TestSheet() override {
    m_sheet.DestroyWindow();
    DestroyWindow(m_frame);
  }

  HWND FrameWindow() const override { return m_frame; }
  std::string Caption() const override { return "Test Sheet"; }
  std::vector<std::string> PageCaptions() const override {
    return {std::string(m_first.GetPageCaption()), std::string(m_second.GetPageCaption())};
  }
  int ActivePage() const override { return m_sheet.GetActiveIndex(); }
  HWND ActivePageWindow() const override { return m_sheet.GetActivePage()->m_hWnd; }
  bool SelectPage(int index) override { return m_sheet.SetActivePage(index) != FALSE; }
  bool Apply() override {
    if (!m_sheet.QueryLeaveActivePage()) return false;
    ++stores;
    return true;
  }
  bool Ok() override { return Apply(); }
  void Cancel() override { ++cancels; }

  HWND PageControl(int id) const { return platform::window::FindDescendant(m_frame, id); }

  int stores = 0;
  int cancels = 0;

 private:
  HWND m_frame;
  CPropertySheet m_sheet;
  RefusingPage m_first{kFirstPage};
  RefusingPage m_second{kSecondPage};
};

class DesktopSheet : public t::DesktopTest {
 protected:
  void SetUp() override {
    t::DesktopTest::SetUp();
    platform::JoinResourceChain(kSheetModule);
    m_sheet = std::make_unique<TestSheet>(&m_sink);
    m_window = std::make_unique<tessaly::desktop::SheetWindow>(Session(), *m_sheet);
    m_window->SetFinished([this](bool stored) { finished.push_back(stored); });
    m_window->show();
    t::Settle();
  }
  void TearDown() override {
    m_window.reset();
    m_sheet.reset();
    platform::LeaveResourceChain(kSheetModule);
    t::DesktopTest::TearDown();
  }
  QWidget* PageWidget(int id) const { return Session().WidgetOf(m_sheet->PageControl(id)); }
  tessaly::desktop::DesktopSession& Session() const {
    return const_cast<DesktopSheet*>(this)->t::DesktopTest::Session();
  }

  RecordingSink m_sink;
  std::unique_ptr<TestSheet> m_sheet;
  std::unique_ptr<tessaly::desktop::SheetWindow> m_window;
  std::vector<bool> finished;
};

TEST_F(DesktopSheet, ShowsTheCaptionATabPerPageAndThePageInsideItsPane) {
  EXPECT_EQ(m_window->windowTitle(), "Test Sheet");
  ASSERT_EQ(m_window->Tabs()->count(), 2);
  EXPECT_EQ(m_window->Tabs()->tabText(0), "First");
  EXPECT_EQ(m_window->Tabs()->tabText(1), "Second");
  QWidget* frame = Session().WidgetOf(m_sheet->FrameWindow());
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(frame->isWindow()) << "the layer's frame lies inside the sheet's window";
  EXPECT_EQ(frame->window(), m_window.get());
  ASSERT_NE(PageWidget(kRefuseBox), nullptr);
  EXPECT_TRUE(PageWidget(kRefuseBox)->isVisible());
  EXPECT_EQ(PageWidget(kSecondLabel), nullptr) << "a page's window is made when it is first shown";
}

TEST_F(DesktopSheet, TabsMoveBetweenPagesUnlessThePageRefuses) {
  m_window->Tabs()->setCurrentIndex(1);
  EXPECT_EQ(m_sheet->ActivePage(), 1);
  ASSERT_NE(PageWidget(kSecondLabel), nullptr);
  EXPECT_TRUE(PageWidget(kSecondLabel)->isVisible());
  EXPECT_FALSE(PageWidget(kRefuseBox)->isVisible());

  m_window->Tabs()->setCurrentIndex(0);
  QTest::mouseClick(PageWidget(kRefuseBox), Qt::LeftButton);
  m_window->Tabs()->setCurrentIndex(1);
  EXPECT_EQ(m_sheet->ActivePage(), 0) << "the page refused to be left";
  EXPECT_EQ(m_window->Tabs()->currentIndex(), 0);
}

TEST_F(DesktopSheet, OkApplyAndCancelGoToTheHostsSheet) {
  m_window->ApplyButton()->click();
  EXPECT_EQ(m_sheet->stores, 1);
  EXPECT_TRUE(finished.empty()) << "Apply keeps the sheet open";

  QTest::mouseClick(PageWidget(kRefuseBox), Qt::LeftButton);
  m_window->OkButton()->click();
  EXPECT_EQ(m_sheet->stores, 1) << "a page that may not be left is not stored";
  EXPECT_TRUE(finished.empty());

  QTest::mouseClick(PageWidget(kRefuseBox), Qt::LeftButton);
  m_window->OkButton()->click();
  EXPECT_EQ(m_sheet->stores, 2);
  EXPECT_EQ(finished, std::vector<bool>{true});
  EXPECT_EQ(m_sheet->cancels, 0);
}

TEST_F(DesktopSheet, EscapeAndTheCloseBoxCancel) {
  auto* edit = qobject_cast<QLineEdit*>(PageWidget(kPageEdit));
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Escape);
  t::Settle();
  EXPECT_EQ(m_sheet->cancels, 1);
  EXPECT_EQ(finished, std::vector<bool>{false});
  m_window->close();
  EXPECT_EQ(m_sheet->cancels, 1) << "a finished sheet is not cancelled again";
}

TEST_F(DesktopSheet, ReturnOnAPageIsTheSheetsOk) {
  auto* edit = qobject_cast<QLineEdit*>(PageWidget(kPageEdit));
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Return);
  t::Settle();
  EXPECT_EQ(m_sheet->stores, 1);
  EXPECT_EQ(finished, std::vector<bool>{true});
}

TEST_F(DesktopSheet, HelpKeyOnTheSheetsButtonsAsksTheActivePage) {
  m_window->ApplyButton()->setFocus();
  QTest::keyClick(m_window->ApplyButton(), Qt::Key_F1);
  EXPECT_EQ(m_sink.helpFrom.size(), 1u) << "the page's unanswered help request reached the frame";
}

TEST_F(DesktopSheet, RendersAPictureWithoutADisplay) {
  const QString folder = QStringLiteral(TESSALY_BINARY_DIR "/tests/desktop-pictures");
  QDir().mkpath(folder);
  const QString path = folder + "/test-sheet.png";
  ASSERT_TRUE(tessaly::desktop::SavePicture(m_window.get(), path));
  const QImage picture(path);
  EXPECT_EQ(picture.size(), m_window->size() * m_window->devicePixelRatio());
  // Something is drawn: the page's check box is not the background's colour throughout.
  const QRect box =
      PageWidget(kRefuseBox)
          ->geometry()
          .translated(PageWidget(kRefuseBox)->mapTo(m_window.get(), QPoint()) - PageWidget(kRefuseBox)->pos());
  QSet<QRgb> colours;
  for (int x = box.left(); x < box.right(); ++x) colours.insert(picture.pixel(x, box.center().y()));
  EXPECT_GT(colours.size(), 2);
}

}  // namespace
