#pragma once

// The User-Agent dialog (template 150): the user composes the User-Agent from a browser type,
// version, platform and language, or types a custom one. The browser selection model works on
// the dialog's four drop-down lists; on OK it stores the keys and composes, and the dialog
// hands the resulting User-Agent to its caller.

#include "pages/combo_pick_list.h"
#include "platform/afx/dialog.h"
#include "settings/browser_selection.h"

class CBrowserType : public CDialog {
 public:
  explicit CBrowserType(LPCSTR settingsFile);
  ~CBrowserType() override;

  BOOL OnInitDialog() override;
  void OnOK() override;

  // The User-Agent of the last OK; empty until an OK succeeded.
  const CString& GetUserAgent() const { return m_strUserAgent; }

  static const MessageMap* GetThisMessageMap();
  const MessageMap* GetMessageMap() const override;

  void OnUseBrowser();
  void OnUseCustom();
  void OnBrowserTypeChanged();
  BOOL OnHelpInfo(HELPINFO* info);

 private:
  void ApplyEnabling();
  void CheckUseButtons();
  CString CustomText() const;

  CString m_strUserAgent;
  CString m_strSettingsFile;
  int m_nUseCustom = 1;
  CComboPickList m_wndBrowserTypes;
  CComboPickList m_wndVersions;
  CComboPickList m_wndPlatforms;
  CComboPickList m_wndLanguages;
  // Holds the language map of the catalogue besides the custom text read at opening.
  tessaly::CBrowserSelection m_selection;
};
