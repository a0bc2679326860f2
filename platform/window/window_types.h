#pragma once

// Types that the window system shares with its callers and front ends.

#include "platform/win32/types.h"

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

// What WM_CREATE carries in its lParam.
struct CREATESTRUCTA {
  LPVOID lpCreateParams;
  HWND hwndParent;
  int id;
  DWORD style;
  LPCSTR lpszClass;
  LPCSTR lpszName;
};

namespace platform::window {

// What changed on a window, for front ends that mirror the windows.
enum class Change { Text, Enabled, Visible, Style, Check, Font, Items, Selection, ReadOnly, Rect, Icon };

}  // namespace platform::window
