#pragma once

// What the desktop front end's tests share: a QApplication on Qt's offscreen platform, a
// module with test dialogs of every kind of control, a dialog procedure that behaves as the
// library's windows do (a hint after the pointer rests, a nested modal dialog, a message
// box), and a fixture that leaves no window, widget or clock change behind.

#include <gtest/gtest.h>

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "host/desktop/desktop_session.h"
#include "platform/resource/resource_chain.h"
#include "platform/win32/types.h"

namespace tessaly::test {

inline constexpr UINT kMirrorTemplate = 9301;  // a modeless dialog with a control of every kind
inline constexpr UINT kNestedTemplate = 9302;  // the modal dialog "Open..." opens
inline constexpr UINT kTestIcon = 9303;

// Controls of the mirror template.
inline constexpr int kNameEdit = 3001;
inline constexpr int kCacheBox = 3002;
inline constexpr int kThreeState = 3003;
inline constexpr int kRadioA = 3004;
inline constexpr int kRadioB = 3005;
inline constexpr int kGroup = 3006;
inline constexpr int kCombo = 3007;
inline constexpr int kAgentText = 3008;
inline constexpr int kOpenButton = 3009;
inline constexpr int kWarnButton = 3010;
inline constexpr int kList = 3011;
inline constexpr int kIconStatic = 3012;
inline constexpr int kLine = 3013;
inline constexpr int kNameLabel = 3014;
inline constexpr int kOffBox = 3015;  // starts disabled
inline constexpr int kHintTitle = 1035;
inline constexpr int kHintText = 1059;
// The nested dialog's edit box.
inline constexpr int kNestedEdit = 3101;

const platform::ResourceModule& DesktopTestModule();

// What the test dialogs' procedure saw.
struct DialogLog {
  std::vector<INT_PTR> nestedResults;
  std::vector<int> messageBoxAnswers;
  std::vector<int> helpRequests;  // control ids of WM_HELP
  std::vector<int> keyDowns;
  std::string nestedTextAtOk;
};
DialogLog& Log();

class DesktopTest : public ::testing::Test {
 public:
  HWND Control(int id) const;
  QWidget* Widget(int id) const;
  template <typename W>
  W* WidgetAs(int id) const {
    return qobject_cast<W*>(Widget(id));
  }

 protected:
  void SetUp() override;
  void TearDown() override;

  desktop::DesktopSession& Session() { return *m_session; }
  // Opens a test dialog, shown and not modal, with the test procedure.
  HWND Open(UINT templateId = kMirrorTemplate, HWND owner = nullptr);
  HWND Dialog() const { return m_dialog; }

 private:
  std::unique_ptr<desktop::DesktopSession> m_session;
  HWND m_dialog = nullptr;
  int m_windowsBefore = 0;
};

// Lets Qt deliver what is pending (and the real clock run) for `ms` milliseconds.
void Settle(int ms = 0);
// The text a window of the layer holds, as UTF-8.
std::string LayerText(HWND window);
// The hint text the test dialog shows.
std::string HintOf(HWND dialog);

}  // namespace tessaly::test
