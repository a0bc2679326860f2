#pragma once

// Windows: a tree of windows with parent and owner, children in Z-order, each with a class
// whose window procedure handles its messages. The calls have the Win32 shape; no display
// is involved.

#include <string_view>

#include "platform/win32/messages.h"
#include "platform/win32/structs.h"
#include "platform/win32/types.h"
#include "platform/window/window_types.h"

// Window classes are matched by name without regard to case. Registering a name again
// replaces its procedure for windows created later.
BOOL RegisterWindowClass(LPCSTR className, WNDPROC proc);

// A child window (WS_CHILD) gets `parent` as parent and `id` as control id; any other
// window gets `parent` as owner. Children are appended at the bottom of the Z-order.
// WM_CREATE is sent once the window exists; -1 from it destroys the window again.
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR text, DWORD style, int x, int y, int width, int height,
                     HWND parent, int id, LPVOID createParam);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);

HWND GetParent(HWND window);  // the parent of a child, the owner of a pop-up
HWND GetAncestorRoot(HWND window);
HWND GetWindow(HWND window, UINT relation);
HWND GetTopWindow(HWND window);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
BOOL IsChild(HWND parent, HWND window);

int GetClassNameA(HWND window, LPSTR buffer, int size);
BOOL SetWindowTextA(HWND window, LPCSTR text);
int GetWindowTextA(HWND window, LPSTR buffer, int size);
int GetWindowTextLengthA(HWND window);
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);

// Returns whether the window was disabled before.
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);
// Returns whether the window was visible before.
BOOL ShowWindow(HWND window, int command);
// The window and all its ancestors are visible.
BOOL IsWindowVisible(HWND window);

LONG GetWindowLongA(HWND window, int index);
LONG SetWindowLongA(HWND window, int index, LONG value);
// Replaces the window's procedure; returns the one it replaces.
WNDPROC SetWindowProc(HWND window, WNDPROC proc);
WNDPROC GetWindowProc(HWND window);
WNDPROC GetClassProc(LPCSTR className);

BOOL GetClientRect(HWND window, RECT* rect);
// The window's rectangle in the coordinates of its top-level window's client area.
BOOL GetWindowRect(HWND window, RECT* rect);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND window);

HWND SetFocus(HWND window);
HWND GetFocus();

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The default processing of dialogs: their font, Close as Cancel, OK and Cancel ending them.
LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);

namespace platform::window {

// The first window with that control id among all descendants, depth first in Z-order.
HWND FindDescendant(HWND root, int id);

// The class name of a window, whole; empty for an invalid handle.
std::string_view ClassNameOf(HWND window);

// Windows alive; for tests that look for leaks.
int LiveWindowCount();

}  // namespace platform::window
