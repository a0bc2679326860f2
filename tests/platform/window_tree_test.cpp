// The window tree: parents and owners, Z-order, lookups by id, destruction with its
// messages, and the notifications that front ends follow.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/window/frame_window.h"
#include "platform/window/observer.h"
#include "platform/window/window.h"
#include "tests/platform/window_test_support.h"

namespace {

using tessaly::test::ReceivedMessages;
using tessaly::test::ReceivedOf;
using tessaly::test::WindowTest;

class WindowTree : public WindowTest {};

TEST_F(WindowTree, ChildrenKeepCreationOrderAsZOrder) {
  const HWND top = Top();
  const HWND a = Child(top, "Button", 10);
  const HWND b = Child(top, "Edit", 11);
  const HWND c = Child(top, "Static", 12);
  EXPECT_EQ(GetTopWindow(top), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), c);
  EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), nullptr);
  EXPECT_EQ(GetWindow(b, GW_HWNDPREV), a);
  EXPECT_EQ(GetWindow(c, GW_HWNDFIRST), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDLAST), c);
  EXPECT_EQ(GetDlgItem(top, 11), b);
  EXPECT_EQ(GetDlgItem(top, 99), nullptr);
  EXPECT_EQ(GetDlgCtrlID(c), 12);
}

TEST_F(WindowTree, ParentOfAChildIsItsParentAndOfAPopupItsOwner) {
  const HWND frame = Top(WS_OVERLAPPED | WS_VISIBLE);
  const HWND popup = Top(WS_POPUP, frame);
  const HWND child = Child(popup, "Button", 1);
  EXPECT_EQ(GetParent(child), popup);
  EXPECT_EQ(GetParent(popup), frame);
  EXPECT_EQ(GetParent(frame), nullptr);
  EXPECT_EQ(GetWindow(popup, GW_OWNER), frame);
  EXPECT_EQ(GetDlgCtrlID(popup), 0) << "only child windows have control ids";
  EXPECT_EQ(GetAncestorRoot(child), popup);
}

TEST_F(WindowTree, ClassNamesAreFoundWithoutCaseAndReportedAsRegistered) {
  const HWND top = Top();
  const HWND button = Child(top, "bUtToN", 1);
  char name[16] = {};
  EXPECT_EQ(GetClassNameA(button, name, sizeof name), 6);
  EXPECT_STREQ(name, "Button");
  char cut[4] = {};
  EXPECT_EQ(GetClassNameA(button, cut, sizeof cut), 3) << "a short buffer gets size - 1 characters";
  EXPECT_STREQ(cut, "But");
  EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_CHILD, 0, 0, 1, 1, top, 2, nullptr), nullptr);
}

TEST_F(WindowTree, FindDescendantSearchesTheWholeTreeDepthFirst) {
  const HWND top = Top();
  const HWND group = Child(top, "Static", 1);
  const HWND inner = Child(group, "Button", 105);
  const HWND later = Child(top, "Button", 105);
  EXPECT_EQ(platform::window::FindDescendant(top, 105), inner);
  EXPECT_EQ(GetDlgItem(top, 105), later) << "GetDlgItem looks at direct children only";
  EXPECT_EQ(platform::window::FindDescendant(top, 7), nullptr);
}

TEST_F(WindowTree, DestroyingAWindowDestroysItsChildrenAndOwnedPopupsWithTheirMessages) {
  const HWND frame =
      CreateWindowExA(0, tessaly::test::kRecorderClass, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, 0, nullptr);
  const HWND child = CreateWindowExA(0, tessaly::test::kRecorderClass, "", WS_CHILD, 0, 0, 5, 5, frame, 3, nullptr);
  const HWND owned = CreateWindowExA(0, tessaly::test::kRecorderClass, "", WS_POPUP, 0, 0, 5, 5, frame, 0, nullptr);
  ReceivedMessages().clear();
  ASSERT_TRUE(DestroyWindow(frame));
  EXPECT_FALSE(IsWindow(frame));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_FALSE(IsWindow(owned));
  std::vector<std::pair<HWND, UINT>> order;
  for (const auto& received : ReceivedMessages())
    if (received.message == WM_DESTROY || received.message == WM_NCDESTROY)
      order.emplace_back(received.window, received.message);
  const std::vector<std::pair<HWND, UINT>> expected = {{owned, WM_DESTROY},   {owned, WM_NCDESTROY},
                                                       {frame, WM_DESTROY},   {child, WM_DESTROY},
                                                       {child, WM_NCDESTROY}, {frame, WM_NCDESTROY}};
  EXPECT_EQ(order, expected);
  EXPECT_FALSE(DestroyWindow(frame)) << "a gone window cannot be destroyed again";
}

TEST_F(WindowTree, EnableShowAndTextAnswerWhatTheyWereAndNotifyObservers) {
  struct Changes : platform::window::WindowObserver {
    std::vector<std::pair<HWND, platform::window::Change>> seen;
    std::vector<HWND> created, destroyed;
    void OnCreated(HWND w) override { created.push_back(w); }
    void OnDestroyed(HWND w) override { destroyed.push_back(w); }
    void OnChanged(HWND w, platform::window::Change c) override { seen.emplace_back(w, c); }
  } changes;
  platform::window::AddObserver(&changes);
  const HWND top = Top();
  const HWND edit = Child(top, "Edit", 5);
  EXPECT_FALSE(EnableWindow(edit, FALSE)) << "was enabled";
  EXPECT_TRUE(EnableWindow(edit, FALSE)) << "was disabled; no change";
  EXPECT_TRUE(ShowWindow(edit, SW_HIDE)) << "was visible";
  EXPECT_FALSE(IsWindowVisible(edit));
  SetWindowTextA(edit, "abc");
  char text[8] = {};
  EXPECT_EQ(GetWindowTextA(edit, text, sizeof text), 3);
  EXPECT_STREQ(text, "abc");
  DestroyWindow(edit);
  platform::window::RemoveObserver(&changes);
  using platform::window::Change;
  const std::vector<std::pair<HWND, Change>> expected = {
      {edit, Change::Enabled}, {edit, Change::Visible}, {edit, Change::Text}};
  EXPECT_EQ(changes.seen, expected);
  EXPECT_TRUE(std::count(changes.created.begin(), changes.created.end(), edit));
  EXPECT_EQ(changes.destroyed, std::vector<HWND>{edit});
}

TEST_F(WindowTree, VisibilityNeedsEveryAncestorVisible) {
  const HWND top = Top(WS_POPUP);
  const HWND child = Child(top, "Button", 1);
  EXPECT_FALSE(IsWindowVisible(child));
  ShowWindow(top, SW_SHOW);
  EXPECT_TRUE(IsWindowVisible(child));
}

TEST_F(WindowTree, RectanglesOfNestedWindowsAddUpToTheirTopLevelWindow) {
  const HWND top = Top();
  const HWND frame = Child(top, "Static", 1, WS_VISIBLE, "", {10, 20, 110, 120});
  const HWND inner = Child(frame, "Button", 2, WS_VISIBLE, "", {5, 6, 25, 16});
  RECT rect{};
  ASSERT_TRUE(GetWindowRect(inner, &rect));
  EXPECT_EQ(rect.left, 15);
  EXPECT_EQ(rect.top, 26);
  EXPECT_EQ(rect.right, 35);
  EXPECT_EQ(rect.bottom, 36);
  ASSERT_TRUE(GetClientRect(inner, &rect));
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.right, 20);
  EXPECT_EQ(rect.bottom, 10);
}

}  // namespace

namespace {

class FrameWindow : public tessaly::test::WindowTest {};

TEST_F(FrameWindow, RequestsToTheApplicationReachTheSinkAndUpkeepDoesNot) {
  struct Sink : platform::window::TopLevelSink {
    std::vector<UINT> heard;
    std::optional<LRESULT> OnMessage(HWND, UINT message, WPARAM, LPARAM) override {
      heard.push_back(message);
      if (message == WM_COMMANDHELP) return TRUE;
      return std::nullopt;
    }
  } sink;
  const HWND frame = platform::window::CreateFrameWindow("Run-time settings", 640, 480, &sink);
  ASSERT_NE(frame, nullptr);
  const HWND page = Child(frame, "Button", 1);
  SetWindowTextA(frame, "renamed");
  EXPECT_EQ(SendMessageA(frame, WM_COMMANDHELP, 131223, 0), TRUE);
  HELPINFO info{sizeof(HELPINFO), HELPINFO_WINDOW, 1, page, 0, {0, 0}};
  SendMessageA(page, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  DestroyWindow(frame);
  EXPECT_EQ(sink.heard, (std::vector<UINT>{WM_COMMANDHELP, WM_HELP}));
}

}  // namespace
