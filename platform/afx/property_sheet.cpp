#include "platform/afx/property_sheet.h"

#include "platform/afx/win_thread.h"
#include "platform/window/window.h"

void CPropertySheet::AddPage(CPropertyPage* page) {
  if (page) m_pages.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? m_pages[static_cast<std::size_t>(index)] : nullptr;
}

BOOL CPropertySheet::Create(CWnd* parent) {
  if (m_hWnd) return FALSE;
  const HWND owner = parent ? parent->m_hWnd : (AfxGetMainWnd() ? AfxGetMainWnd()->m_hWnd : nullptr);
  const DWORD style = (parent ? WS_CHILD : WS_POPUP | WS_CAPTION) | WS_VISIBLE;
  RECT place{0, 0, 640, 480};
  if (parent) ::GetClientRect(parent->m_hWnd, &place);
  const HWND window =
      ::CreateWindowExA(0, "#32770", m_strCaption, style, 0, 0, place.right, place.bottom, owner, 0, nullptr);
  if (!window) return FALSE;
  AttachCreated(window);
  if (!m_pages.empty()) Activate(0);
  return TRUE;
}

BOOL CPropertySheet::QueryLeaveActivePage() {
  CPropertyPage* active = GetActivePage();
  return active && active->m_hWnd ? active->OnKillActive() : TRUE;
}

BOOL CPropertySheet::SetActivePage(int index) {
  if (!GetPage(index) || !m_hWnd) return FALSE;
  if (index == m_nActive) return TRUE;
  if (!QueryLeaveActivePage()) return FALSE;
  return Activate(index);
}

BOOL CPropertySheet::Activate(int index) {
  CPropertyPage* page = GetPage(index);
  if (!page->m_hWnd && !page->CreatePage(this)) return FALSE;
  if (CPropertyPage* previous = GetActivePage(); previous && previous != page && previous->m_hWnd)
    previous->ShowWindow(SW_HIDE);
  page->ShowWindow(SW_SHOW);
  m_nActive = index;
  page->OnSetActive();
  return TRUE;
}
