#pragma once

// The framework's window object. A CWnd is attached to a window either for good (the
// framework takes over the window's messages and sends them through the object's message
// map) or for the moment (FromHandle on a window nobody took over: the object only makes
// calls on the window and goes away with it).

#include "platform/afx/afx_string.h"
#include "platform/afx/message_map.h"
#include "platform/afx/object.h"
#include "platform/win32/messages.h"
#include "platform/win32/structs.h"
#include "platform/window/check_list.h"
#include "platform/window/window_types.h"

class CDataExchange;
class CDC;
class CFont;

class CWnd : public CObject {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  ~CWnd() override;

  HWND m_hWnd = nullptr;

  // The object of a window: the one that took it over, else a temporary one; null for null.
  static CWnd* FromHandle(HWND window);
  static CWnd* FromHandlePermanent(HWND window);
  HWND GetSafeHwnd() const { return m_hWnd; }

  // Takes the window's messages over (its own procedure still does the default work).
  BOOL SubclassWindow(HWND window);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();

  // The window tree.
  CWnd* GetDlgItem(int id) const;
  CWnd* GetTopWindow() const;
  CWnd* GetWindow(UINT relation) const;
  CWnd* GetNextWindow(UINT relation = GW_HWNDNEXT) const;
  CWnd* GetParent() const;
  int GetDlgCtrlID() const;

  // What the window shows.
  void GetWindowText(CString& text) const;
  int GetWindowTextLength() const;
  void SetWindowText(LPCSTR text);
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL ShowWindow(int command);
  BOOL IsWindowVisible() const;
  DWORD GetStyle() const;
  BOOL ModifyStyle(DWORD remove, DWORD add);
  CFont* GetFont() const;
  void SetFont(CFont* font, BOOL redraw = TRUE);
  void GetClientRect(RECT* rect) const;
  void Invalidate(BOOL erase = TRUE);
  void UpdateWindow();
  CDC* GetDC();
  int ReleaseDC(CDC* dc);
  void CheckDlgButton(int id, UINT check);
  UINT IsDlgButtonChecked(int id) const;

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC callback);
  BOOL KillTimer(UINT_PTR id);
  virtual BOOL DestroyWindow();

  // Dialog data exchange: FALSE when a check failed.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange*) {}

  // A late-bound call on the control, by dispatch id. `paramInfo` lists the argument
  // types (0x03 a 32-bit int, 0x0E a narrow string given to the control as wide text,
  // 0x08 a wide string, 0x43 and 0x48 an int and a string returned through a pointer),
  // the arguments follow. A failure throws COleDispatchException.
  void InvokeHelper(DISPID id, WORD flags, VARTYPE returnType, void* returnValue, const BYTE* paramInfo, ...);

  static const MessageMap* GetThisMessageMap();
  virtual const MessageMap* GetMessageMap() const;

  // Handlers whose defaults the framework gives; a derived class maps them to run them.
  BOOL OnHelpInfo(HELPINFO* info);
  BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
  void OnTimer(UINT_PTR id);

  // Messages of a window taken over come here first.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // The window's own procedure.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The default processing of the message being handled now.
  LRESULT Default();

 protected:
  // After the last message of the window; the object is detached by then.
  virtual void PostNcDestroy() {}

  // Takes the window over from its creation on; the object then destroys it when it
  // goes first.
  void AttachCreated(HWND window);

 private:
  friend LRESULT AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  void DetachAtEnd();

  WNDPROC m_pfnSuper = nullptr;
  bool m_bOwnsWindow = false;
};

// The window procedure of every window the framework took over.
LRESULT AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The message the framework is handling now, innermost first; for Default().
struct AFX_MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
const AFX_MSG* AfxCurrentMessage();
