#pragma once

#include "platform/afx/gdi_object.h"
#include "platform/win32/structs.h"

class CBitmap : public CGdiObject {
 public:
  static CBitmap* FromHandle(HBITMAP bitmap);

  BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
  // The size in pixels.
  int GetBitmap(BITMAP* record) const { return GetObject(sizeof(BITMAP), record); }
  // The size the bitmap records for itself (0 x 0 unless someone set it).
  SIZE GetBitmapDimension() const;
  SIZE SetBitmapDimension(int width, int height);
  operator HBITMAP() const { return reinterpret_cast<HBITMAP>(m_hObject); }  // NOLINT
};
