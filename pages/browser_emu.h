#pragma once

// The Browser Emulation tab (template 149): the six browser-emulation options as check boxes,
// the current User-Agent with the button of the User-Agent dialog, the button of the content
// types dialog, and the hint panel. The options live in the check boxes; their keys, defaults,
// availability and summary are the settings model's.

#include "framework/cfg_tab.h"
#include "settings/browser_emu_settings.h"

class CBrowserEmu : public CCfgTab {
 public:
  CBrowserEmu(CString settingsFile, CString extra, CString protocol);

  void DoDataExchange(CDataExchange* exchange) override;
  BOOL OnInitDialog() override;

  int LoadSettings() override;
  void SaveSettings() override;
  int SetDefaults() override;
  int ValidateSettings() override;
  // Appends one SummaryItem per summary row, which the host then owns.
  bool GetSummary(CObList* list) override;

  static const MessageMap* GetThisMessageMap();
  const MessageMap* GetMessageMap() const override;

  void OnChangeUserAgent();
  BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
  void OnSimulateCache();
  void OnAdvanced();
  void OnCacheHtmlPages();
  void OnNewUser();

 private:
  tessaly::CBrowserEmuSettings Settings() const;
  // Indeterminate counts as on: a box the host cleared is stored as on.
  tessaly::BrowserEmuOptions OptionsToStore() const;
  // Indeterminate counts as off: only a checked box makes its dependants available.
  tessaly::BrowserEmuOptions OptionsForAvailability() const;
  void SetOption(tessaly::BrowserEmuOption option, bool on);
  void UpdateControlStates();
  void ShowUserAgent();
};
