#pragma once

// A device context: a window's surface or a memory context holding a bitmap.

#include "platform/afx/bitmap.h"
#include "platform/afx/object.h"
#include "platform/win32/types.h"

class CDC : public CObject {
 public:
  CDC() = default;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  ~CDC() override;

  HDC m_hDC = nullptr;

  BOOL Attach(HDC dc);
  HDC Detach();
  BOOL CreateCompatibleDC(CDC* dc);
  BOOL DeleteDC();
  // Selects the bitmap; returns the one the context held before (null at first).
  CBitmap* SelectObject(CBitmap* bitmap);
  BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop);
  BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, int sourceWidth,
                  int sourceHeight, DWORD rop);
};
