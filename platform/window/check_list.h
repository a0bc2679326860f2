#pragma once

// The check-list control: a window class of ours that stands where an ActiveX list of
// checkable items stood. Callers reach it through dispatch calls by dispatch id (the
// framework's InvokeHelper), users through the input entry point. Items are UTF-16 texts
// with an integer state (16 checked, 0 unchecked, any other value kept as given). The
// control has an inner list window, control id 105, that covers it.

#include <string>
#include <vector>

#include "platform/ole/bstr.h"
#include "platform/win32/types.h"

using DISPID = LONG;
using HRESULT = LONG;
using VARTYPE = WORD;

inline constexpr WORD DISPATCH_METHOD = 0x1;
inline constexpr WORD DISPATCH_PROPERTYGET = 0x2;
inline constexpr WORD DISPATCH_PROPERTYPUT = 0x4;
inline constexpr DISPID DISPID_ENABLED = -514;
inline constexpr VARTYPE VT_EMPTY = 0;
inline constexpr VARTYPE VT_I4 = 3;
inline constexpr VARTYPE VT_BSTR = 8;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = static_cast<HRESULT>(0x80020003u);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = static_cast<HRESULT>(0x80020005u);
inline constexpr HRESULT DISP_E_BADINDEX = static_cast<HRESULT>(0x8002000Bu);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = static_cast<HRESULT>(0x8002000Eu);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);

namespace platform::window {

inline constexpr int kCheckListInnerId = 105;
inline constexpr int kCheckListChecked = 16;
inline constexpr int kCheckListUnchecked = 0;

// The check list's dispatch ids.
inline constexpr DISPID kDispResetContent = 6;
inline constexpr DISPID kDispAddItem = 1;
inline constexpr DISPID kDispGetCount = 2;
inline constexpr DISPID kDispGetItem = 3;
inline constexpr DISPID kDispCaption = 4;
inline constexpr DISPID kDispOption = 5;

// One argument of a dispatch call: a value, or the place of an out argument.
struct DispatchArg {
  VARTYPE type = VT_EMPTY;  // VT_I4 or VT_BSTR; out arguments say which they receive
  LONG i4 = 0;
  std::u16string text;
  LONG* i4Out = nullptr;
  BSTR* textOut = nullptr;
};

struct DispatchCall {
  DISPID id;
  WORD flags;
  std::vector<DispatchArg> args;
  HRESULT result = DISP_E_MEMBERNOTFOUND;
};

// Sent to a window with a DispatchCall* in lParam; a window that knows no dispatch leaves
// the call's result at DISP_E_MEMBERNOTFOUND.
inline constexpr UINT kDispatchMessage = 0x8F01;

HRESULT Invoke(HWND control, DispatchCall& call);

// What the control holds, and what a user does to it. Edits answer false for a window
// that is not a check list or an index out of range.
struct CheckListItem {
  std::u16string text;
  int state;
};
std::vector<CheckListItem> CheckListItems(HWND control);
std::u16string CheckListCaption(HWND control);
int CheckListOption(HWND control);
bool CheckListAppend(HWND control, std::u16string text, int state);
bool CheckListSetState(HWND control, int index, int state);
bool CheckListRemove(HWND control, int index);

}  // namespace platform::window
