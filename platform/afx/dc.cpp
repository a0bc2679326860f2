#include "platform/afx/dc.h"

#include <utility>

#include "platform/gdi/gdi.h"

CDC::~CDC() { DeleteDC(); }

BOOL CDC::Attach(HDC dc) {
  if (m_hDC || !dc) return FALSE;
  m_hDC = dc;
  return TRUE;
}

HDC CDC::Detach() { return std::exchange(m_hDC, nullptr); }

BOOL CDC::CreateCompatibleDC(CDC* dc) { return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr)); }

BOOL CDC::DeleteDC() { return m_hDC ? ::DeleteDC(Detach()) : FALSE; }

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
  if (!bitmap) return nullptr;
  return CBitmap::FromHandle(reinterpret_cast<HBITMAP>(::SelectObject(m_hDC, bitmap->m_hObject)));
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop) {
  return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, int sourceWidth,
                     int sourceHeight, DWORD rop) {
  return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY, sourceWidth,
                      sourceHeight, rop);
}
