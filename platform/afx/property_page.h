#pragma once

// A page of a property sheet: a child dialog that the sheet creates when the page is
// first shown and asks before the user leaves it.

#include "platform/afx/dialog.h"

class CPropertyPage : public CDialog {
 public:
  // Caption 0 takes the caption of the template.
  explicit CPropertyPage(UINT templateId, UINT captionId = 0);

  // Creates the page's window inside the sheet's window; FALSE when it cannot be made or
  // exists already.
  BOOL CreatePage(CWnd* sheet);
  CString GetPageCaption() const;

  virtual BOOL OnSetActive();
  // The data exchange of the page; FALSE keeps the user on it.
  virtual BOOL OnKillActive();

  UINT m_nCaptionId;
};
