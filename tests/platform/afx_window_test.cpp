// The framework's window objects: message maps chained to the base's, default processing,
// data exchange, dialogs run modally, late-bound calls on the check list, and the texts and
// message boxes of the framework.

#include <gtest/gtest.h>

#include <functional>
#include <queue>
#include <string>

#include "platform/afx/afx_functions.h"
#include "platform/afx/button.h"
#include "platform/afx/data_exchange.h"
#include "platform/afx/dialog.h"
#include "platform/afx/exception.h"
#include "platform/afx/property_page.h"
#include "platform/afx/property_sheet.h"
#include "platform/ole/bstr.h"
#include "platform/resource/resource_chain.h"
#include "platform/window/check_list.h"
#include "platform/window/input.h"
#include "platform/window/observer.h"
#include "tests/platform/window_test_support.h"
#include "tests/support/scoped_env.h"

namespace {

using tessaly::test::WindowTest;

constexpr platform::DialogControl kControls[] = {
    {1041, "Button", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, "&Simulate", 10, 10, 100, 10},
    {1051, "Edit", WS_VISIBLE | WS_TABSTOP, "", 10, 30, 100, 14},
    {1068, "TessalyCheckList", WS_VISIBLE | WS_TABSTOP, "", 10, 50, 100, 60},
    {IDOK, "Button", WS_VISIBLE | WS_TABSTOP, "OK", 150, 10, 50, 14},
    {IDCANCEL, "Button", WS_VISIBLE | WS_TABSTOP, "Cancel", 150, 30, 50, 14},
};
constexpr platform::DialogTemplate kDialogs[] = {
    {8801, WS_POPUP | WS_CAPTION, "Test dialog", "MS Sans Serif", 8, ANSI_CHARSET, 220, 120, kControls},
    {8802, WS_CHILD, "Test page", "MS Sans Serif", 8, ANSI_CHARSET, 220, 120, kControls},
};
constexpr platform::StringResource kStrings[] = {{11, "Cannot open file '%1' (%1)"}, {13, "Refused"}};
const platform::ResourceModule kModule{"afx-test", kStrings, kDialogs};

// A dialog that reads as its table of handlers.
class CTestDialog : public CDialog {
 public:
  CTestDialog() : CDialog(8801) {}
  int m_nSimulate = 0;
  CString m_strAgent;
  std::vector<std::string> m_calls;
  bool m_bRefuseOk = false;

  static const MessageMap* GetThisMessageMap() {
    static constexpr MessageEntry kEntries[] = {
        afx::Command<&CTestDialog::OnSimulate>(1041),
        afx::Timer<&CTestDialog::OnTimer>(),
        afx::Message<&CTestDialog::OnPrivate>(WM_USER + 5),
    };
    static constexpr MessageMap kMap{&CDialog::GetThisMessageMap, kEntries};
    return &kMap;
  }
  const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

  void DoDataExchange(CDataExchange* exchange) override {
    DDX_Check(exchange, 1041, m_nSimulate);
    DDX_Text(exchange, 1051, m_strAgent);
  }
  BOOL OnInitDialog() override {
    m_calls.push_back("init");
    return CDialog::OnInitDialog();
  }
  void OnOK() override {
    m_calls.push_back("ok");
    if (!m_bRefuseOk) CDialog::OnOK();
  }
  void OnSimulate() { m_calls.push_back("simulate"); }
  void OnTimer(UINT_PTR id) {
    m_calls.push_back("timer " + std::to_string(id));
    KillTimer(id);
    CWnd::OnTimer(id);
  }
  LRESULT OnPrivate(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam * 2); }
};

class Script final : public platform::window::InputSource {
 public:
  void Then(std::function<void()> action) { m_actions.push(std::move(action)); }
  bool WaitForInput() override {
    if (m_actions.empty()) return false;
    auto action = std::move(m_actions.front());
    m_actions.pop();
    action();
    return true;
  }

 private:
  std::queue<std::function<void()>> m_actions;
};

class Framework : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    platform::JoinResourceChain(kModule);
    platform::window::SetInputSource(&m_script);
  }
  void TearDown() override {
    platform::LeaveResourceChain(kModule);
    platform::window::SetMessageBoxPresenter(nullptr);
    WindowTest::TearDown();
  }
  Script m_script;
};

TEST_F(Framework, ModalDialogRunsItsTableAndEndsWithOk) {
  CTestDialog dialog;
  dialog.m_nSimulate = 1;
  dialog.m_strAgent = "Mozilla/4.0";
  m_script.Then([&] {
    EXPECT_EQ(platform::window::input::Click(dialog.GetDlgItem(1041)->m_hWnd), platform::window::input::Outcome::Done);
    dialog.SetTimer(4, 10, nullptr);
    platform::window::AdvanceClock(10);
    EXPECT_EQ(dialog.SendMessage(WM_USER + 5, 21), 42);
    platform::window::input::Type(dialog.GetDlgItem(1051)->m_hWnd, "custom");
  });
  m_script.Then([&] { platform::window::input::Click(dialog.GetDlgItem(IDOK)->m_hWnd); });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_calls, (std::vector<std::string>{"init", "simulate", "timer 4", "ok"}));
  EXPECT_EQ(dialog.m_nSimulate, 0) << "loaded checked, clicked off, saved by OK";
  EXPECT_EQ(dialog.m_strAgent, "custom");
  EXPECT_EQ(dialog.m_hWnd, nullptr) << "detached when its window went";
}

TEST_F(Framework, AnOkThatRefusesKeepsTheDialogOpen) {
  CTestDialog dialog;
  dialog.m_bRefuseOk = true;
  m_script.Then([&] { platform::window::input::Click(dialog.GetDlgItem(IDOK)->m_hWnd); });
  m_script.Then([&] {
    EXPECT_TRUE(IsWindow(dialog.m_hWnd));
    platform::window::input::Key(dialog.m_hWnd, VK_ESCAPE, {});
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(Framework, NestedModalDialogIsOwnedByTheOneBelow) {
  CTestDialog outer;
  CTestDialog inner;
  HWND innerOwner = nullptr;
  m_script.Then([&] {
    m_script.Then([&] {
      innerOwner = GetWindow(inner.m_hWnd, GW_OWNER);
      EXPECT_EQ(platform::window::ActiveModalDialog(), inner.m_hWnd);
      inner.EndDialog(IDOK);
    });
    EXPECT_EQ(inner.DoModal(), IDOK);
    outer.EndDialog(7);
  });
  EXPECT_EQ(outer.DoModal(), 7);
  EXPECT_NE(innerOwner, nullptr);
  EXPECT_FALSE(IsWindow(innerOwner)) << "the outer dialog, gone now";
}

TEST_F(Framework, DialogWithoutTemplateCannotRun) {
  CDialog missing(4242);
  EXPECT_EQ(missing.DoModal(), -1);
}

TEST_F(Framework, PropertyPageIsAChildOfTheSheetAndItsKillActiveExchangesData) {
  const HWND sheet = Top(WS_POPUP | WS_VISIBLE);
  CPropertyPage page(8802, 0);
  ASSERT_TRUE(page.CreatePage(CWnd::FromHandle(sheet)));
  EXPECT_EQ(GetParent(page.m_hWnd), sheet);
  EXPECT_TRUE(GetWindowLongA(page.m_hWnd, GWL_STYLE) & WS_CHILD);
  EXPECT_TRUE(page.OnKillActive());
  EXPECT_EQ(page.GetPageCaption(), "Test page");
  EXPECT_FALSE(page.CreatePage(CWnd::FromHandle(sheet))) << "one window per page";
}

TEST_F(Framework, TemporaryObjectsServeWindowsNobodyTookOver) {
  const HWND top = Top();
  const HWND button = Child(top, "Button", 3, WS_VISIBLE | BS_AUTOCHECKBOX);
  CWnd* object = CWnd::FromHandle(button);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(CWnd::FromHandle(button), object);
  EXPECT_EQ(CWnd::FromHandlePermanent(button), nullptr);
  CButton owned;
  ASSERT_TRUE(owned.SubclassWindow(button));
  EXPECT_EQ(CWnd::FromHandle(button), &owned);
  owned.SetCheck(1);
  EXPECT_EQ(owned.GetCheck(), 1) << "the class procedure still does the work";
  EXPECT_FALSE(CButton().SubclassWindow(button)) << "one owner per window";
}

TEST_F(Framework, DataExchangeControlAttachesOnceAndLeavesAMissingControlAlone) {
  CTestDialog dialog;
  CButton box, missing;
  m_script.Then([&] {
    CDataExchange exchange(&dialog, FALSE);
    DDX_Control(&exchange, 1041, box);
    DDX_Control(&exchange, 9999, missing);
    EXPECT_EQ(box.m_hWnd, GetDlgItem(dialog.m_hWnd, 1041));
    EXPECT_EQ(missing.m_hWnd, nullptr);
    dialog.EndDialog(IDCANCEL);
  });
  dialog.DoModal();
  EXPECT_EQ(box.m_hWnd, nullptr) << "the control went with the dialog";
}

// Late-bound calls on the check list, as the content-type list makes them.
constexpr BYTE kAddItem[] = {0x0E, 0x03, 0x03, 0};
constexpr BYTE kGetCount[] = {0x43, 0};
constexpr BYTE kGetItem[] = {0x03, 0x48, 0x43, 0};
constexpr BYTE kOneInt[] = {0x03, 0};
constexpr BYTE kOneText[] = {0x0E, 0};
constexpr BYTE kNone[] = {0};

TEST_F(Framework, CheckListAnswersItsDispatchCallsWithResultsByReference) {
  const HWND top = Top();
  CWnd* list = CWnd::FromHandle(Child(top, "TessalyCheckList", 1068, WS_VISIBLE));
  list->InvokeHelper(6, DISPATCH_METHOD, VT_EMPTY, nullptr, kNone);
  list->InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, kAddItem, "text/xml", LONG{0}, LONG{16});
  list->InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, kAddItem, "caf\xe9", LONG{0}, LONG{0});
  list->InvokeHelper(4, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kOneText, "Content Types");
  list->InvokeHelper(5, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kOneInt, LONG{32});
  LONG count = -1;
  list->InvokeHelper(2, DISPATCH_METHOD, VT_EMPTY, nullptr, kGetCount, &count);
  EXPECT_EQ(count, 2);
  BSTR text = nullptr;
  LONG state = -1;
  list->InvokeHelper(3, DISPATCH_METHOD, VT_EMPTY, nullptr, kGetItem, LONG{1}, &text, &state);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::u16string(text, SysStringLen(text)), u"caf\u00e9") << "narrow text crosses in the ANSI code page";
  EXPECT_EQ(state, 0);
  SysFreeString(text);
  EXPECT_EQ(platform::window::CheckListCaption(list->m_hWnd), u"Content Types");
  EXPECT_EQ(platform::window::CheckListOption(list->m_hWnd), 32);
  list->InvokeHelper(DISPID_ENABLED, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kOneInt, LONG{0});
  EXPECT_FALSE(IsWindowEnabled(list->m_hWnd));
}

TEST_F(Framework, FailingDispatchCallsThrow) {
  const HWND top = Top();
  CWnd* list = CWnd::FromHandle(Child(top, "TessalyCheckList", 1068, WS_VISIBLE));
  CWnd* button = CWnd::FromHandle(Child(top, "Button", 1, WS_VISIBLE));
  BSTR text = nullptr;
  LONG state = 0;
  EXPECT_THROW(list->InvokeHelper(3, DISPATCH_METHOD, VT_EMPTY, nullptr, kGetItem, LONG{0}, &text, &state),
               COleDispatchException)
      << "no item 0";
  EXPECT_EQ(text, nullptr);
  EXPECT_THROW(list->InvokeHelper(99, DISPATCH_METHOD, VT_EMPTY, nullptr, kNone), COleDispatchException);
  EXPECT_THROW(list->InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, kOneInt, LONG{1}), COleDispatchException);
  EXPECT_THROW(button->InvokeHelper(6, DISPATCH_METHOD, VT_EMPTY, nullptr, kNone), COleDispatchException);
}

class Presenter final : public platform::window::MessageBoxPresenter {
 public:
  int Present(HWND, std::string_view text, std::string_view, UINT type, UINT helpId) override {
    shown.push_back(std::string(text) + "|" + std::to_string(type) + "|" + std::to_string(helpId));
    return IDOK;
  }
  std::vector<std::string> shown;
};

TEST_F(Framework, HandlerExceptionsAreShownAndEndOnlyThatMessage) {
  Presenter presenter;
  platform::window::SetMessageBoxPresenter(&presenter);
  struct CThrowing : CTestDialog {
    static const MessageMap* GetThisMessageMap() {
      static constexpr MessageEntry kEntries[] = {afx::Command<&CThrowing::OnBoom>(1041)};
      static constexpr MessageMap kMap{&CTestDialog::GetThisMessageMap, kEntries};
      return &kMap;
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void OnBoom() { throw COleDispatchException(DISP_E_BADINDEX, 3); }
  } dialog;
  m_script.Then([&] { platform::window::input::Click(dialog.GetDlgItem(1041)->m_hWnd); });
  m_script.Then([&] { dialog.EndDialog(IDOK); });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_NE(presenter.shown[0].find("Dispatch call 3 failed (0x8002000B)"), std::string::npos) << presenter.shown[0];
}

TEST_F(Framework, MessageBoxesGoThroughThePresenterWithTheirHelpContext) {
  Presenter presenter;
  platform::window::SetMessageBoxPresenter(&presenter);
  EXPECT_EQ(AfxMessageBox("Plain", MB_OK, 14), IDOK);
  AfxMessageBox(13);
  AfxMessageBox(13, MB_OKCANCEL, 0);
  EXPECT_EQ(presenter.shown, (std::vector<std::string>{"Plain|0|14", "Refused|0|13", "Refused|1|0"}));
  platform::window::SetMessageBoxPresenter(nullptr);
  EXPECT_EQ(AfxMessageBox("again", MB_YESNO), IDYES) << "without a front end the first button answers";
}

TEST_F(Framework, FormatString1ReplacesEveryPlaceholder) {
  CString text;
  AfxFormatString1(text, 11, "a.ini");
  EXPECT_EQ(text, "Cannot open file 'a.ini' (a.ini)");
  AfxFormatString1(text, 4711, "a.ini");
  EXPECT_TRUE(text.IsEmpty());
}

TEST_F(Framework, LoadStringKeepsTheTextWhenTheStringIsMissing) {
  CString text = "before";
  EXPECT_FALSE(text.LoadString(4711));
  EXPECT_EQ(text, "before");
  EXPECT_TRUE(text.LoadString(13));
  EXPECT_EQ(text, "Refused");
}

}  // namespace

namespace {

class Sheet : public tessaly::test::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    platform::JoinResourceChain(kModule);
  }
  void TearDown() override {
    platform::LeaveResourceChain(kModule);
    WindowTest::TearDown();
  }
};

class CGuardedPage : public CPropertyPage {
 public:
  CGuardedPage() : CPropertyPage(8802, 0) {}
  BOOL OnKillActive() override {
    ++m_nAsked;
    return m_bMayLeave;
  }
  BOOL OnSetActive() override {
    ++m_nShown;
    return TRUE;
  }
  int m_nAsked = 0;
  int m_nShown = 0;
  BOOL m_bMayLeave = TRUE;
};

TEST_F(Sheet, MakesPagesWhenFirstShownAndAsksBeforeLeavingOne) {
  const HWND frame = Top(WS_OVERLAPPED | WS_VISIBLE);
  CGuardedPage first, second;
  CPropertySheet sheet("Run-time settings");
  sheet.AddPage(&first);
  sheet.AddPage(&second);
  ASSERT_TRUE(sheet.Create(CWnd::FromHandle(frame)));
  EXPECT_NE(first.m_hWnd, nullptr);
  EXPECT_EQ(second.m_hWnd, nullptr) << "made when first shown";
  EXPECT_EQ(GetParent(first.m_hWnd), sheet.m_hWnd);
  EXPECT_EQ(first.m_nShown, 1);

  first.m_bMayLeave = FALSE;
  EXPECT_FALSE(sheet.SetActivePage(1));
  EXPECT_EQ(sheet.GetActivePage(), &first);
  EXPECT_EQ(second.m_hWnd, nullptr);

  first.m_bMayLeave = TRUE;
  EXPECT_TRUE(sheet.SetActivePage(1));
  EXPECT_EQ(sheet.GetActivePage(), &second);
  EXPECT_FALSE(IsWindowVisible(first.m_hWnd));
  EXPECT_TRUE(IsWindowVisible(second.m_hWnd));
  EXPECT_EQ(first.m_nAsked, 2);
  EXPECT_FALSE(sheet.SetActivePage(5));
  sheet.DestroyWindow();
  EXPECT_EQ(first.m_hWnd, nullptr) << "the pages' windows go with the sheet's";
}

}  // namespace
