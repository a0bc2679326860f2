#pragma once

// The framework's exceptions. A handler's exception ends the handling of that message and
// is shown to the user; nothing else catches them.

#include "platform/afx/afx_string.h"
#include "platform/afx/object.h"
#include "platform/window/check_list.h"

class CException : public CObject {
 public:
  virtual CString Describe() const = 0;
};

class COleDispatchException : public CException {
 public:
  COleDispatchException(HRESULT result, DISPID id) : m_scError(result), m_dispId(id) {}
  CString Describe() const override;

  HRESULT m_scError;
  DISPID m_dispId;
};
