// Late-bound calls on a control: the arguments, typed by the parameter list, become one
// dispatch call for the control's window.

#include <cstdarg>
#include <cstdio>

#include "platform/afx/exception.h"
#include "platform/afx/wnd.h"
#include "platform/text/code_page.h"
#include "platform/window/window.h"

namespace {

constexpr BYTE kByReference = 0x40;
constexpr BYTE kNarrowString = 0x0E;

platform::window::DispatchArg TakeArgument(BYTE type, va_list& args, DISPID id) {
  platform::window::DispatchArg arg;
  switch (type) {
    case VT_I4:
      arg.type = VT_I4;
      arg.i4 = va_arg(args, LONG);
      return arg;
    case kNarrowString: {
      const char* text = va_arg(args, const char*);
      arg.type = VT_BSTR;
      arg.text = platform::text::ToWide(text ? text : "", CP_ACP);
      return arg;
    }
    case VT_BSTR: {
      const WCHAR* text = va_arg(args, const WCHAR*);
      arg.type = VT_BSTR;
      if (text) arg.text = text;
      return arg;
    }
    case VT_I4 | kByReference:
      arg.type = VT_I4;
      arg.i4Out = va_arg(args, LONG*);
      return arg;
    case VT_BSTR | kByReference:
      arg.type = VT_BSTR;
      arg.textOut = va_arg(args, BSTR*);
      return arg;
    default:
      throw COleDispatchException(DISP_E_TYPEMISMATCH, id);
  }
}

}  // namespace

CString COleDispatchException::Describe() const {
  char text[80];
  std::snprintf(text, sizeof text, "Dispatch call %ld failed (0x%08lX).", static_cast<long>(m_dispId),
                static_cast<unsigned long>(static_cast<DWORD>(m_scError)));
  return CString(text);
}

void CWnd::InvokeHelper(DISPID id, WORD flags, VARTYPE returnType, void*, const BYTE* paramInfo, ...) {
  if (!IsWindow(m_hWnd)) throw COleDispatchException(DISP_E_MEMBERNOTFOUND, id);
  // The check list's calls return nothing; results come back through out arguments.
  if (returnType != VT_EMPTY) throw COleDispatchException(DISP_E_TYPEMISMATCH, id);
  platform::window::DispatchCall call{id, flags, {}};
  va_list args;
  va_start(args, paramInfo);
  try {
    for (const BYTE* type = paramInfo; type && *type; ++type) call.args.push_back(TakeArgument(*type, args, id));
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
  if (const HRESULT result = platform::window::Invoke(m_hWnd, call); result != S_OK)
    throw COleDispatchException(result, id);
}
