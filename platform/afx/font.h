#pragma once

#include "platform/afx/gdi_object.h"
#include "platform/win32/structs.h"

class CFont : public CGdiObject {
 public:
  static CFont* FromHandle(HFONT font);

  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                  BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                  BYTE pitchAndFamily, LPCSTR faceName);
  BOOL CreateFontIndirect(const LOGFONTA* font);
  int GetLogFont(LOGFONTA* font) const { return GetObject(sizeof(LOGFONTA), font); }
  operator HFONT() const { return reinterpret_cast<HFONT>(m_hObject); }  // NOLINT
};
