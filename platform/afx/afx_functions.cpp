#include "platform/afx/afx_functions.h"

#include "platform/afx/win_thread.h"
#include "platform/afx/wnd.h"
#include "platform/window/message_box.h"
#include "platform/window/message_loop.h"

namespace {
HWND MessageBoxOwner() {
  if (const HWND modal = platform::window::ActiveModalDialog()) return modal;
  CWnd* main = AfxGetMainWnd();
  return main ? main->m_hWnd : nullptr;
}
}  // namespace

CWinThread* AfxGetThread() {
  static CWinThread thread;
  return &thread;
}

CWnd* AfxGetMainWnd() { return AfxGetThread()->m_pMainWnd; }

int AfxMessageBox(LPCSTR text, UINT type, UINT helpId) {
  return platform::window::ShowMessageBox(MessageBoxOwner(), text, "", type, helpId);
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId) {
  CString text;
  text.LoadString(promptId);
  return AfxMessageBox(text, type, helpId == static_cast<UINT>(-1) ? promptId : helpId);
}

void AfxFormatString1(CString& result, UINT id, LPCSTR argument) {
  CString format;
  if (!format.LoadString(id)) {
    result.Empty();
    return;
  }
  format.Replace("%1", argument ? argument : "");
  result = format;
}
