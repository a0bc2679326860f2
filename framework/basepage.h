#pragma once

// A property page joined with the dialog extension, which it serves with its own window.

#include "framework/dlg_ext.h"
#include "platform/afx/property_page.h"

class CBasePropertyPage : public CPropertyPage, public CDlgExt {
 public:
  CBasePropertyPage(UINT templateId, UINT captionId);

  CWnd* GetFirstControl() override;
  void GetCaption(CString& text) override;
  CWnd* GetControl(int id) override;
  CGdiObject* GetDialogFont() override;

  BOOL OnInitDialog() override;

  static const MessageMap* GetThisMessageMap();
  const MessageMap* GetMessageMap() const override;
};
