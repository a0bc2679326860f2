#pragma once

// Automation strings: wide texts with their length kept in front, allocated by the callee
// and freed by the caller.

#include "platform/win32/types.h"

using BSTR = WCHAR*;

// A copy of `length` characters of `text` (null text: that many zeros); null when no
// memory can be had.
BSTR SysAllocStringLen(const WCHAR* text, UINT length);
BSTR SysAllocString(const WCHAR* text);
// Frees a string from SysAllocString[Len]; null is allowed.
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);
