#pragma once

// What the window layer's tests share: a window class that records its messages, and a
// fixture that leaves no window, timer or clock change behind.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/window/clock.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"

namespace tessaly::test {

struct Received {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Records every message, then does the default processing of a dialog.
inline std::vector<Received>& ReceivedMessages() {
  static std::vector<Received> received;
  return received;
}

inline LRESULT RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ReceivedMessages().push_back({window, message, wParam, lParam});
  return DefDlgProcA(window, message, wParam, lParam);
}

inline constexpr const char* kRecorderClass = "TestRecorder";

// The messages of one kind that a window received, in order.
inline std::vector<Received> ReceivedOf(HWND window, UINT message) {
  std::vector<Received> out;
  for (const Received& received : ReceivedMessages())
    if (received.window == window && received.message == message) out.push_back(received);
  return out;
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterWindowClass(kRecorderClass, RecordingProc);
    ReceivedMessages().clear();
    m_windowsBefore = platform::window::LiveWindowCount();
    m_clockStart = platform::window::LayerVirtualClock().NowMs();
  }
  void TearDown() override {
    for (HWND window : m_tops) DestroyWindow(window);
    platform::window::SetInputSource(nullptr);
    platform::window::faults::SetTimersFail(false);
    EXPECT_EQ(platform::window::LiveWindowCount(), m_windowsBefore) << "windows left behind";
  }

  // A top-level window (a recorder) that the fixture destroys.
  HWND Top(DWORD style = WS_POPUP | WS_VISIBLE, HWND owner = nullptr) {
    const HWND window = CreateWindowExA(0, kRecorderClass, "top", style, 0, 0, 400, 300, owner, 0, nullptr);
    m_tops.push_back(window);
    return window;
  }
  static HWND Child(HWND parent, const char* className, int id, DWORD style = WS_VISIBLE, const char* text = "",
                    RECT place = {0, 0, 50, 20}) {
    return CreateWindowExA(0, className, text, style | WS_CHILD, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, id, nullptr);
  }
  std::uint64_t ElapsedMs() const { return platform::window::LayerVirtualClock().NowMs() - m_clockStart; }

 private:
  std::vector<HWND> m_tops;
  int m_windowsBefore = 0;
  std::uint64_t m_clockStart = 0;
};

}  // namespace tessaly::test
