#pragma once

// The hint panel's state and its two steps, shared by the two owners (the settings tab and
// the framework dialog): a request loads the texts now and starts the window's timer; the
// timer shows them in the group box 1035 and the static 1059, once the derived window has
// attached the two window objects to them.

#include "platform/afx/afx_string.h"
#include "platform/afx/button.h"

class CHintPanel {
 public:
  static constexpr UINT_PTR kHintTimerId = 1;
  static constexpr UINT kHoverDelayMs = 650;

  int m_nHintTimer = 0;
  int m_nHintCtrlId = 0;
  CString m_strHintTitle;
  CString m_strHintText;
  CButton m_wndHintTitle;
  CButton m_wndHintText;

 protected:
  // A string that cannot be found keeps the text it replaces. Returns the timer id, 0
  // when no timer could be started.
  int RequestHint(CWnd& owner, UINT titleId, UINT textId, int ctrlId, UINT delayMs);
  // The timer fires once for each request.
  void PresentHint(CWnd& owner);
};
