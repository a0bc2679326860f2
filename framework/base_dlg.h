#pragma once

// The framework's modal dialog: the platform dialog with the dialog extension and the hint
// panel, whose help key goes to the host application's top-level window as a message.

#include "framework/dlg_ext.h"
#include "framework/hint_panel.h"
#include "platform/afx/dialog.h"

class CBaseDialog : public CDialog, public CDlgExt, public CHintPanel {
 public:
  static constexpr UINT kTemplateId = 151;

  CBaseDialog();

  CWnd* GetFirstControl() override;
  void GetCaption(CString& text) override;
  CWnd* GetControl(int id) override;
  CGdiObject* GetDialogFont() override;

  BOOL OnInitDialog() override;

  virtual BOOL ShowContextHelp(HELPINFO* info);
  virtual void ShowHint();
  virtual int SetHint(UINT titleId, UINT textId, int ctrlId, UINT delayMs);

  static const MessageMap* GetThisMessageMap();
  const MessageMap* GetMessageMap() const override;

  BOOL OnHelpInfo(HELPINFO* info);
  void OnHelp();
  void OnTimer(UINT_PTR id);

 protected:
  // For dialogs of the framework on another template.
  explicit CBaseDialog(UINT templateId);
};
