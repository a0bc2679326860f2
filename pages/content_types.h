#pragma once

// The content types dialog (template 151): puts the list of content types that require
// content in use or out of use, lets the user edit it in the check-list control, restores the
// default list, and on OK writes the three keys. The stored settings and their reading and
// writing are the content-type model's, which the dialog is as well.

#include "framework/base_dlg.h"
#include "settings/content_type_settings.h"
#include "settings/str_check_list.h"

class CContentTypes : public CBaseDialog, public tessaly::CContentTypeSettings {
 public:
  // The protocol name chooses the script type whose default list "&Restore List" brings.
  CContentTypes(LPCSTR settingsFile, const CString& protocol);
  ~CContentTypes() override;

  void DoDataExchange(CDataExchange* exchange) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  static const MessageMap* GetThisMessageMap();
  const MessageMap* GetMessageMap() const override;

  void OnSpecifyTypes();
  void OnRestoreList();
  void OnUseDefaults();
  BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);

  // Stays empty: filling the control from it blanks the control.
  CStrCheckList m_listEmpty;

 private:
  CWnd* TypeList() const;
  // The list control and "&Restore List" follow m_bSpecifyTypes.
  void ApplyInUse();
};
