#pragma once

// The holder of property pages that a host shows them in: one window, the pages' windows
// inside it, one page active at a time. A page's window is made when it is first shown;
// leaving a page asks it first.

#include <vector>

#include "platform/afx/property_page.h"

class CPropertySheet : public CWnd {
 public:
  explicit CPropertySheet(CString caption) : m_strCaption(std::move(caption)) {}

  // The sheet does not own its pages.
  void AddPage(CPropertyPage* page);
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int index) const;

  // Creates the sheet's window in `parent` (a child window) or, without one, as a pop-up
  // owned by the application's main window; shows the first page.
  BOOL Create(CWnd* parent = nullptr);

  CPropertyPage* GetActivePage() const { return GetPage(m_nActive); }
  int GetActiveIndex() const { return m_nActive; }
  // Asks the active page to be left, then shows the page of `index`. FALSE, with the
  // active page kept, when the page refuses or its window cannot be made.
  BOOL SetActivePage(int index);
  // Asks the active page whether it may be left, as leaving it would.
  BOOL QueryLeaveActivePage();

 private:
  BOOL Activate(int index);

  CString m_strCaption;
  std::vector<CPropertyPage*> m_pages;
  int m_nActive = -1;
};
