#pragma once

// The double's tab: stores its controls in section DOUBLE of the settings file, keeps Follow
// available only while Keep is checked, agrees to be left only while "May leave" is checked,
// and follows the pointer with its hint panel.

#include "framework/cfg_tab.h"

namespace tessaly::test::double_tab {

class CDoublePage : public CCfgTab {
 public:
  CDoublePage(CString settingsFile, CString extra, CString protocol);

  BOOL OnInitDialog() override;
  int LoadSettings() override;
  void SaveSettings() override;
  int SetDefaults() override;
  int ValidateSettings() override;
  bool QueryFlag(DWORD value) override;
  bool GetSummary(CObList* list) override;
  void DoDataExchange(CDataExchange* exchange) override;

  static const MessageMap* GetThisMessageMap();
  const MessageMap* GetMessageMap() const override;

  BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
  void OnKeep();
  void OnOpen();
  void OnWarn();

 private:
  void UpdateControlStates();
  void SelectColour(const CString& colour);
  CString SelectedColour();
};

}  // namespace tessaly::test::double_tab
