#pragma once

// Dialog data exchange: moving values between a window's controls and its members, in
// one direction at a time.

#include "platform/afx/afx_string.h"
#include "platform/win32/types.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

  // Marks the exchange failed; UpdateData then answers FALSE.
  void Fail() { m_bFailed = true; }

  CWnd* m_pDlgWnd;
  BOOL m_bSaveAndValidate;
  bool m_bFailed = false;
};

// Takes the control over with `control` the first time; a missing control leaves the
// object unattached.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
// A check box's state (0, 1, 2); a missing control leaves the value as it is.
void DDX_Check(CDataExchange* exchange, int id, int& value);
void DDX_Text(CDataExchange* exchange, int id, CString& value);
