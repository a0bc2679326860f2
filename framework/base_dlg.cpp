#include "framework/base_dlg.h"

#include "platform/afx/win_thread.h"
#include "platform/window/key_state.h"
#include "platform/window/window.h"
#include "settings/edition.h"

namespace {

constexpr UINT kHelpIdBase = 0x20000;

bool ModifierHeld() { return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0; }

HWND TopLevelOf(HWND window) {
  HWND top = window;
  while (const HWND up = GetParent(top)) top = up;
  return top;
}

}  // namespace

CBaseDialog::CBaseDialog() : CBaseDialog(kTemplateId) {}

CBaseDialog::CBaseDialog(UINT templateId) : CDialog(templateId, nullptr) {
  m_bReadOnly = 0;
  m_nReservedShow = SW_HIDE;
  m_nFeatures = kFeatureReadOnly | kFeatureReservedRange | kFeatureClassFonts;
}

const MessageMap* CBaseDialog::GetThisMessageMap() {
  static constexpr MessageEntry kEntries[] = {
      afx::Help<&CBaseDialog::OnHelpInfo>(),
      afx::Command<&CBaseDialog::OnHelp>(ID_HELP),
      afx::Timer<&CBaseDialog::OnTimer>(),
  };
  static constexpr MessageMap kMap{&CDialog::GetThisMessageMap, kEntries};
  return &kMap;
}

const MessageMap* CBaseDialog::GetMessageMap() const { return GetThisMessageMap(); }

CWnd* CBaseDialog::GetFirstControl() { return GetTopWindow(); }

void CBaseDialog::GetCaption(CString& text) { GetWindowText(text); }

CWnd* CBaseDialog::GetControl(int id) { return GetDlgItem(id); }

CGdiObject* CBaseDialog::GetDialogFont() {
  return CGdiObject::FromHandle(reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
}

BOOL CBaseDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  return InitExtension();
}

BOOL CBaseDialog::OnHelpInfo(HELPINFO* info) { return ShowContextHelp(info); }

void CBaseDialog::OnHelp() { ShowContextHelp(nullptr); }

void CBaseDialog::OnTimer(UINT_PTR) {
  ShowHint();
  Default();
}

void CBaseDialog::ShowHint() { PresentHint(*this); }

int CBaseDialog::SetHint(UINT titleId, UINT textId, int ctrlId, UINT delayMs) {
  return RequestHint(*this, titleId, textId, ctrlId, delayMs);
}

BOOL CBaseDialog::ShowContextHelp(HELPINFO* info) {
  const WPARAM contextId = m_nIDHelp + kHelpIdBase;
  if constexpr (tessaly::kEdition == tessaly::Edition::Earlier) {
    // The request goes to the main window of the application's user-interface thread.
    CWinThread* thread = AfxGetThread();
    CWnd* main = thread ? thread->m_pMainWnd : nullptr;
    if (!m_hWnd || !main || !main->m_hWnd || ModifierHeld()) return static_cast<BOOL>(Default());
    SendMessageA(main->m_hWnd, WM_COMMANDHELP, contextId, 0);
    return TRUE;
  } else {
    if (!m_hWnd || ModifierHeld()) return CWnd::OnHelpInfo(info);
    SendMessageA(TopLevelOf(m_hWnd), WM_COMMANDHELP, contextId, reinterpret_cast<LPARAM>(m_hWnd));
    return TRUE;
  }
}
