#include "tests/host/desktop_test_support.h"

#include <QApplication>
#include <QTest>

#include <array>
#include <cstdint>

#include "platform/window/dialog_manager.h"
#include "platform/window/message_box.h"
#include "platform/window/message_loop.h"
#include "platform/window/snapshot.h"
#include "platform/window/window.h"

namespace tessaly::test {

namespace {

using platform::DialogControl;
using platform::DialogTemplate;

// One QApplication for the whole test program, on the offscreen platform.
class OffscreenApplication final : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "desktop-test";
    static char* argv[] = {name, nullptr};
    m_application = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Desktop Test"));
  }
  void TearDown() override { m_application.reset(); }

 private:
  std::unique_ptr<QApplication> m_application;
};
[[maybe_unused]] const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new OffscreenApplication);

constexpr DWORD kShown = WS_VISIBLE;
constexpr std::array<std::string_view, 3> kComboEntries = {"Windows", "Linux", "Mac OS"};

constexpr DialogControl kMirrorControls[] = {
    {kNameLabel, "Static", kShown | WS_GROUP, "&Name", 10, 8, 40, 10},
    {kNameEdit, "Edit", kShown | WS_BORDER | WS_TABSTOP, "first", 52, 6, 100, 14},
    {kCacheBox, "Button", kShown | WS_TABSTOP | BS_AUTOCHECKBOX, "Simulate &cache", 10, 26, 100, 10},
    {kThreeState, "Button", kShown | WS_TABSTOP | BS_AUTO3STATE, "Three states", 10, 40, 100, 10},
    {kRadioA, "Button", kShown | WS_GROUP | BS_AUTORADIOBUTTON, "Use &browser", 10, 54, 60, 10},
    {kRadioB, "Button", kShown | BS_AUTORADIOBUTTON, "Use c&ustom", 75, 54, 60, 10},
    {kGroup, "Button", kShown | WS_GROUP | BS_GROUPBOX, "Choices", 5, 68, 150, 40},
    {kCombo, "ComboBox", kShown | WS_TABSTOP | CBS_DROPDOWNLIST, "", 10, 80, 100, 60, 0, kComboEntries},
    {kAgentText, "Edit", kShown | ES_MULTILINE | ES_READONLY, "Mozilla/4.0 (compatible)", 160, 6, 120, 18},
    {kOpenButton, "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "&Open...", 230, 30, 50, 14},
    {kWarnButton, "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "&Warn", 230, 48, 50, 14},
    {kList, "TessalyCheckList", kShown | WS_TABSTOP, "", 160, 66, 120, 60},
    {kIconStatic, "Static", kShown | SS_ICON, "", 285, 6, 20, 20, kTestIcon},
    {kLine, "Static", kShown | SS_ETCHEDHORZ | SS_SUNKEN, "", 5, 128, 300, 1},
    {kOffBox, "Button", kShown | WS_DISABLED | WS_TABSTOP | BS_AUTOCHECKBOX, "Disabled", 10, 112, 80, 10},
    {kHintTitle, "Button", kShown | BS_GROUPBOX, "Help Title", 5, 132, 300, 40},
    {kHintText, "Static", kShown, "This is item description", 10, 142, 290, 26},
};

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

constexpr DialogControl kNestedControls[] = {
    {kNestedEdit, "Edit", kShown | WS_BORDER | WS_TABSTOP, "", 10, 10, 100, 14},
    {IDOK, "Button", kShown | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 10, 30, 50, 14},
    {IDCANCEL, "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "Cancel", 65, 30, 50, 14},
};

constexpr DialogTemplate kDialogs[] = {
    {kMirrorTemplate, kModal | WS_VISIBLE, "Mirror Test", "MS Sans Serif", 8, 0, 310, 176, kMirrorControls},
    {kNestedTemplate, kModal, "Nested", "MS Sans Serif", 8, 0, 130, 50, kNestedControls},
};

// Four pixels a row: red, green, blue, see-through.
constexpr std::uint32_t kIconPixels[] = {
    0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000,
    0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000,
};
constexpr platform::IconResource kIcons[] = {{kTestIcon, 4, 4, kIconPixels}};

LRESULT TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

HWND MakeDialog(UINT templateId, HWND owner) {
  const DialogTemplate* dialog = platform::FindDialog(templateId);
  if (!dialog) return nullptr;
  const HWND window = platform::window::CreateDialogFromTemplate(
      *dialog, owner, [](HWND created) { SetWindowProc(created, TestDialogProc); }, 0);
  if (window) platform::window::FillInitialEntries(window, *dialog);
  return window;
}

struct HintState {
  int pointed = -1;
};
std::map<HWND, HintState>& Hints() {
  static std::map<HWND, HintState> hints;
  return hints;
}

void OpenNested(HWND owner) {
  const HWND nested = MakeDialog(kNestedTemplate, owner);
  Log().nestedResults.push_back(platform::window::RunModalDialog(nested));
}

LRESULT OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (id == kOpenButton) {
    OpenNested(dialog);
    return 0;
  }
  if (id == kWarnButton) {
    Log().messageBoxAnswers.push_back(MessageBoxA(dialog,
                                                  "Careful: \xFC"
                                                  "ber",
                                                  "Test box", MB_OKCANCEL | 0x30));
    return 0;
  }
  if (id == IDOK && GetDlgItem(dialog, kNestedEdit)) Log().nestedTextAtOk = LayerText(GetDlgItem(dialog, kNestedEdit));
  return DefDlgProcA(dialog, WM_COMMAND, wParam, lParam);
}

// As the library's windows do: the pointer resting on a control for 650 ms shows its hint.
LRESULT TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR: {
      const auto over = reinterpret_cast<HWND>(wParam);
      const int id = over == dialog ? 0 : GetDlgCtrlID(over);
      if (Hints()[dialog].pointed != id) {
        Hints()[dialog].pointed = id;
        SetTimer(dialog, 1, 650, nullptr);
      }
      return TRUE;
    }
    case WM_TIMER: {
      KillTimer(dialog, 1);
      const std::string hint = "hint " + std::to_string(Hints()[dialog].pointed);
      SetDlgItemTextA(dialog, kHintText, hint.c_str());
      return 0;
    }
    case WM_HELP:
      Log().helpRequests.push_back(reinterpret_cast<HELPINFO*>(lParam)->iCtrlId);
      return TRUE;
    case WM_COMMAND:
      return OnCommand(dialog, wParam, lParam);
    case WM_NCDESTROY:
      Hints().erase(dialog);
      return DefDlgProcA(dialog, message, wParam, lParam);
    default:
      return DefDlgProcA(dialog, message, wParam, lParam);
  }
}

}  // namespace

const platform::ResourceModule& DesktopTestModule() {
  static const platform::ResourceModule module{"DesktopTest", {}, kDialogs, kIcons};
  return module;
}

DialogLog& Log() {
  static DialogLog log;
  return log;
}

void DesktopTest::SetUp() {
  Log() = DialogLog{};
  m_windowsBefore = platform::window::LiveWindowCount();
  platform::JoinResourceChain(DesktopTestModule());
  m_session = std::make_unique<desktop::DesktopSession>();
}

void DesktopTest::TearDown() {
  if (IsWindow(m_dialog)) DestroyWindow(m_dialog);
  Settle();
  m_session.reset();
  Settle();
  platform::LeaveResourceChain(DesktopTestModule());
  EXPECT_EQ(platform::window::LiveWindowCount(), m_windowsBefore) << "windows left behind";
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "widgets left behind";
}

HWND DesktopTest::Open(UINT templateId, HWND owner) {
  const HWND dialog = MakeDialog(templateId, owner);
  if (!m_dialog) m_dialog = dialog;
  Settle();
  return dialog;
}

HWND DesktopTest::Control(int id) const { return platform::window::FindDescendant(m_dialog, id); }

QWidget* DesktopTest::Widget(int id) const { return m_session->WidgetOf(Control(id)); }

void Settle(int ms) {
  QApplication::processEvents();
  if (ms > 0) QTest::qWait(ms);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

std::string LayerText(HWND window) { return platform::window::Snapshot(window, window).text; }

std::string HintOf(HWND dialog) { return LayerText(GetDlgItem(dialog, kHintText)); }

}  // namespace tessaly::test
