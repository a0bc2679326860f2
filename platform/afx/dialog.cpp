#include "platform/afx/dialog.h"

#include "platform/afx/win_thread.h"
#include "platform/resource/resource_chain.h"
#include "platform/window/dialog_manager.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDHelp(templateId), m_nIDTemplate(templateId), m_pParentWnd(parent) {}

const MessageMap* CDialog::GetThisMessageMap() {
  static constexpr MessageEntry kEntries[] = {
      afx::Message<&CDialog::HandleInitDialog>(WM_INITDIALOG),
      afx::Command<&CDialog::OnOK>(IDOK),
      afx::Command<&CDialog::OnCancel>(IDCANCEL),
  };
  static constexpr MessageMap kMap{&CWnd::GetThisMessageMap, kEntries};
  return &kMap;
}

const MessageMap* CDialog::GetMessageMap() const { return GetThisMessageMap(); }

HWND CDialog::ModalOwner() const {
  if (m_pParentWnd && m_pParentWnd->m_hWnd) return GetAncestorRoot(m_pParentWnd->m_hWnd);
  if (const HWND modal = platform::window::ActiveModalDialog()) return modal;
  CWnd* main = AfxGetMainWnd();
  return main && main->m_hWnd ? GetAncestorRoot(main->m_hWnd) : nullptr;
}

BOOL CDialog::CreateFromTemplate(CWnd* parent, bool asChild) {
  const platform::DialogTemplate* found = platform::FindDialog(m_nIDTemplate);
  if (!found || m_hWnd) return FALSE;
  platform::DialogTemplate dialog = *found;
  if (asChild) dialog.style = (dialog.style & ~WS_POPUP) | WS_CHILD;
  const HWND owner = asChild ? (parent ? parent->m_hWnd : nullptr) : ModalOwner();
  const HWND window = platform::window::CreateDialogFromTemplate(
      dialog, owner, [this](HWND created) { AttachCreated(created); }, 0);
  return window ? TRUE : FALSE;
}

INT_PTR CDialog::DoModal() {
  if (!CreateFromTemplate(nullptr, false)) return -1;
  return platform::window::RunModalDialog(m_hWnd);
}

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

BOOL CDialog::OnInitDialog() {
  if (const platform::DialogTemplate* dialog = platform::FindDialog(m_nIDTemplate))
    platform::window::FillInitialEntries(m_hWnd, *dialog);
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
  const BOOL result = OnInitDialog();
  // TRUE asks for the focus on the first control that takes it.
  if (result && m_hWnd) {
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
      const auto style = static_cast<DWORD>(::GetWindowLongA(child, GWL_STYLE));
      if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) {
        ::SetFocus(child);
        break;
      }
    }
  }
  return result;
}
