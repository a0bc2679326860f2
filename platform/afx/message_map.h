#pragma once

// Message maps as plain tables: each window class has a constexpr table of typed handlers
// and names its base class's map, so that a class reads as its table of handlers and an
// unhandled message goes on to the base's.
//
//   const MessageMap* CMyDialog::GetThisMessageMap() {
//     static constexpr MessageEntry kEntries[] = {
//         afx::Timer<&CMyDialog::OnTimer>(),
//         afx::Command<&CMyDialog::OnApply>(IDC_APPLY),
//     };
//     static constexpr MessageMap kMap{&CDialog::GetThisMessageMap, kEntries};
//     return &kMap;
//   }

#include <span>

#include "platform/win32/messages.h"
#include "platform/win32/structs.h"
#include "platform/win32/types.h"

class CWnd;

struct MessageEntry {
  UINT message;
  UINT code;     // WM_COMMAND: the notification code
  UINT idFirst;  // WM_COMMAND: the control or command ids
  UINT idLast;
  LRESULT (*handler)(CWnd& window, WPARAM wParam, LPARAM lParam);
};

struct MessageMap {
  const MessageMap* (*base)();
  std::span<const MessageEntry> entries;
};

namespace afx {

template <typename>
struct MemberOf;
template <typename Class, typename Result, typename... Args>
struct MemberOf<Result (Class::*)(Args...)> {
  using type = Class;
};
template <auto Handler>
using ClassOf = typename MemberOf<decltype(Handler)>::type;

template <auto Handler>
ClassOf<Handler>& Self(CWnd& window) {
  return static_cast<ClassOf<Handler>&>(window);
}

CWnd* WindowFromHandle(HWND window);

// void OnTimer(UINT_PTR id)
template <auto Handler>
constexpr MessageEntry Timer() {
  return {WM_TIMER, 0, 0, 0, [](CWnd& w, WPARAM wParam, LPARAM) -> LRESULT {
            (Self<Handler>(w).*Handler)(static_cast<UINT_PTR>(wParam));
            return 0;
          }};
}

// BOOL OnHelpInfo(HELPINFO* info)
template <auto Handler>
constexpr MessageEntry Help() {
  return {WM_HELP, 0, 0, 0, [](CWnd& w, WPARAM, LPARAM lParam) -> LRESULT {
            return (Self<Handler>(w).*Handler)(reinterpret_cast<HELPINFO*>(lParam));
          }};
}

// BOOL OnSetCursor(CWnd* windowUnderPointer, UINT hitTest, UINT mouseMessage)
template <auto Handler>
constexpr MessageEntry SetCursor() {
  return {WM_SETCURSOR, 0, 0, 0, [](CWnd& w, WPARAM wParam, LPARAM lParam) -> LRESULT {
            return (Self<Handler>(w).*Handler)(WindowFromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam),
                                               HIWORD(lParam));
          }};
}

// void OnSomething(): a command or a notification of a control, by id and code.
template <auto Handler>
constexpr MessageEntry Notify(UINT code, UINT id) {
  return {WM_COMMAND, code, id, id, [](CWnd& w, WPARAM, LPARAM) -> LRESULT {
            (Self<Handler>(w).*Handler)();
            return 0;
          }};
}

// void OnSomething(): a menu command, an accelerator or a button click.
template <auto Handler>
constexpr MessageEntry Command(UINT id) {
  return Notify<Handler>(BN_CLICKED, id);
}

// LRESULT OnMessage(WPARAM, LPARAM): any message, untyped.
template <auto Handler>
constexpr MessageEntry Message(UINT message) {
  return {message, 0, 0, 0,
          [](CWnd& w, WPARAM wParam, LPARAM lParam) -> LRESULT { return (Self<Handler>(w).*Handler)(wParam, lParam); }};
}

}  // namespace afx
