#pragma once

// The framework's graphics objects own their handle and delete it when they go.

#include "platform/afx/object.h"
#include "platform/win32/types.h"

class CGdiObject : public CObject {
 public:
  CGdiObject() = default;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  ~CGdiObject() override { DeleteObject(); }

  HGDIOBJ m_hObject = nullptr;

  // An object for a handle that someone else owns: it never deletes the handle.
  static CGdiObject* FromHandle(HGDIOBJ object);

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  BOOL Attach(HGDIOBJ object);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  // Copies the object's record (LOGFONTA, BITMAP); the bytes copied, 0 when there is none.
  int GetObject(int size, void* buffer) const;
};
