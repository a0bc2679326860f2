#include "framework/hint_panel.h"

int CHintPanel::RequestHint(CWnd& owner, UINT titleId, UINT textId, int ctrlId, UINT delayMs) {
  m_strHintTitle.LoadString(titleId);
  m_strHintText.LoadString(textId);
  m_nHintCtrlId = ctrlId;
  if (m_nHintTimer) owner.KillTimer(static_cast<UINT_PTR>(m_nHintTimer));
  m_nHintTimer = static_cast<int>(owner.SetTimer(kHintTimerId, delayMs, nullptr));
  return m_nHintTimer;
}

void CHintPanel::PresentHint(CWnd& owner) {
  if (m_nHintTimer) owner.KillTimer(static_cast<UINT_PTR>(m_nHintTimer));
  m_nHintTimer = 0;
  if (!m_wndHintTitle.m_hWnd || !m_wndHintText.m_hWnd) return;
  m_wndHintTitle.SetWindowText(m_strHintTitle);
  m_wndHintText.SetWindowText(m_strHintText);
}
