#pragma once

// A dialog made from a template of the resource chain: run modally with a nested message
// loop until it ends with a result, or created as a child window (a property page).

#include "platform/afx/wnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);

  // Creates the dialog, runs its modal loop and destroys it; returns the result given to
  // EndDialog, -1 when the dialog could not be made.
  virtual INT_PTR DoModal();
  void EndDialog(int result);

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  UINT m_nIDHelp;
  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

  static const MessageMap* GetThisMessageMap();
  const MessageMap* GetMessageMap() const override;

 protected:
  // Creates the window from the template, a child of `parent` when `asChild`.
  BOOL CreateFromTemplate(CWnd* parent, bool asChild);

 private:
  LRESULT HandleInitDialog(WPARAM, LPARAM);
  HWND ModalOwner() const;
};
