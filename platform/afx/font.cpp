#include "platform/afx/font.h"

#include <map>
#include <memory>

#include "platform/gdi/gdi.h"

CFont* CFont::FromHandle(HFONT font) {
  if (!font) return nullptr;
  struct Borrowed : CFont {
    ~Borrowed() override { Detach(); }
  };
  static auto* borrowed = new std::map<HFONT, std::unique_ptr<CFont>>;
  auto& slot = (*borrowed)[font];
  if (!slot) {
    slot = std::make_unique<Borrowed>();
    slot->m_hObject = reinterpret_cast<HGDIOBJ>(font);
  }
  return slot.get();
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                       BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                       BYTE pitchAndFamily, LPCSTR faceName) {
  return Attach(reinterpret_cast<HGDIOBJ>(::CreateFontA(height, width, escapement, orientation, weight, italic,
                                                        underline, strikeOut, charSet, outPrecision, clipPrecision,
                                                        quality, pitchAndFamily, faceName)));
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* font) {
  return Attach(reinterpret_cast<HGDIOBJ>(::CreateFontIndirectA(font)));
}
