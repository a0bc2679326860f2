#pragma once

// What the framework's tests share: the modules of the chain (the library's strings, a host
// with string 20430, the test templates), a host frame as the application's main window,
// and small windows on the framework classes that behave as the library's pages and
// dialogs do.

#include <gtest/gtest.h>

#include <vector>

#include "framework/base_dlg.h"
#include "framework/basepage.h"
#include "framework/cfg_tab.h"
#include "platform/afx/data_exchange.h"
#include "platform/resource/resource_chain.h"

namespace tessaly::test {

// Template ids of the test module.
inline constexpr UINT kPageTemplate = 7149;          // a tab with a control of every kind
inline constexpr UINT kShiftJisPageTemplate = 7150;  // the same in a Shift-JIS font
inline constexpr UINT kReadOnlyTemplate = 7302;      // buttons of a dialog, for the read-only pass
inline constexpr UINT kManyTemplate = 7300;          // 210 edit boxes
inline constexpr UINT kReservedTemplate = 7301;      // controls around the reserved range
inline constexpr UINT kDialogTemplate = 151;         // the framework dialog's template
inline constexpr UINT kNoFontTemplate = 7303;        // a template without a font

inline constexpr int kPictureFrame = 2001;
inline constexpr int kManyFirstId = 3000;
inline constexpr int kManyCount = 210;

const platform::ResourceModule& TestTemplates();
const platform::ResourceModule& TestHost();  // string 20430 "Close"

std::vector<int>& HelpRequests();
BOOL& CompiledHelpAnswer();

// A tab as the library's page is: the hint panel attached, a hover table, nothing stored.
class CTestTab : public CCfgTab {
 public:
  explicit CTestTab(UINT templateId = kPageTemplate, bool attachPanel = true);
  int LoadSettings() override;
  void SaveSettings() override {}
  int SetDefaults() override { return 0; }
  void DoDataExchange(CDataExchange* exchange) override;

  static const MessageMap* GetThisMessageMap();
  const MessageMap* GetMessageMap() const override;
  BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
  BOOL OnInitDialog() override;

  int m_nLoads = 0;
  bool m_bControlsAtLoad = false;  // what LoadSettings found
  bool m_bPanelAttachedAtLoad = false;
  bool m_bAttachPanel;
};

// A framework dialog as the content types dialog is, opened with or without its loop.
class CTestDialog : public CBaseDialog {
 public:
  explicit CTestDialog(bool attachPanel = true) : m_bAttachPanel(attachPanel) {}
  BOOL OpenWithoutLoop() {
    if (!CreateFromTemplate(nullptr, false)) return FALSE;
    ShowWindow(SW_SHOW);
    return TRUE;
  }
  void DoDataExchange(CDataExchange* exchange) override;

  static const MessageMap* GetThisMessageMap();
  const MessageMap* GetMessageMap() const override;
  BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
  BOOL OnInitDialog() override;

  bool m_bAttachPanel;
};

// Title and description ids for a hovered control id, as the windows' tables give them.
std::pair<UINT, UINT> HintPairOf(int id);

class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Frame() const { return m_frame; }
  CWnd* FrameObject() const { return CWnd::FromHandle(m_frame); }
  // Opens the tab's window in the frame, as the sheet does.
  void Show(CCfgTab& tab) { ASSERT_TRUE(tab.CreatePage(FrameObject())); }
  void Show(CBasePropertyPage& page) { ASSERT_TRUE(page.CreatePage(FrameObject())); }

 private:
  HWND m_frame = nullptr;
  int m_windowsBefore = 0;
};

}  // namespace tessaly::test
