#include "platform/afx/data_exchange.h"

#include "platform/afx/wnd.h"
#include "platform/window/window.h"

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
  if (control.m_hWnd) return;
  if (const HWND window = ::GetDlgItem(exchange->m_pDlgWnd->m_hWnd, id)) control.SubclassWindow(window);
}

void DDX_Check(CDataExchange* exchange, int id, int& value) {
  const HWND box = ::GetDlgItem(exchange->m_pDlgWnd->m_hWnd, id);
  if (!box) return;
  if (exchange->m_bSaveAndValidate)
    value = static_cast<int>(::SendMessageA(box, BM_GETCHECK, 0, 0));
  else
    ::SendMessageA(box, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Text(CDataExchange* exchange, int id, CString& value) {
  CWnd* control = exchange->m_pDlgWnd->GetDlgItem(id);
  if (!control) return;
  if (exchange->m_bSaveAndValidate)
    control->GetWindowText(value);
  else
    control->SetWindowText(value);
}
