#pragma once

// The abstract settings tab: it keeps the strings the host created it with, declares the
// operations by which the host drives a tab, carries the hint panel and routes the help
// key to the help of its template.

#include "framework/basepage.h"
#include "framework/hint_panel.h"
#include "platform/afx/bitmap.h"
#include "platform/afx/collections.h"

class CCfgTab : public CBasePropertyPage, public CHintPanel {
 public:
  CCfgTab(CString settingsFile, CString extra, CString protocol, UINT templateId, UINT captionId);
  ~CCfgTab() override;

  BOOL OnInitDialog() override;
  BOOL OnKillActive() override;

  virtual int LoadSettings() = 0;
  virtual void SaveSettings() = 0;
  virtual int SetDefaults() = 0;
  virtual int ValidateSettings();
  virtual void ReservedHookA() {}
  virtual void ReservedHookB() {}
  virtual void ReservedHookC() {}
  virtual void ClearControls();
  virtual bool QueryFlag(DWORD) { return true; }
  virtual bool GetSummary(CObList*) { return false; }
  virtual void ShowHint();
  virtual int SetHint(UINT titleId, UINT textId, int ctrlId, UINT delayMs);
  virtual void DrawPicture(CBitmap* picture, int ctrlId);

  static const MessageMap* GetThisMessageMap();
  const MessageMap* GetMessageMap() const override;

  BOOL OnHelpInfo(HELPINFO* info);
  void OnTimer(UINT_PTR id);

  int m_bCanLeave = 1;
  BYTE m_bFlag1 = 0;
  BYTE m_bFlag2 = 0;
  CString m_strSettingsFile;
  CString m_strProtocol;
  CString m_strExtra;
  CStringArray m_listStrings;
  CBitmap m_bitmap;
  int m_nTemplateId;
  CString m_strNote;
};
