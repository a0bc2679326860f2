#include "platform/afx/bitmap.h"

#include <map>
#include <memory>

#include "platform/gdi/gdi.h"

CBitmap* CBitmap::FromHandle(HBITMAP bitmap) {
  if (!bitmap) return nullptr;
  struct Borrowed : CBitmap {
    ~Borrowed() override { Detach(); }
  };
  static auto* borrowed = new std::map<HBITMAP, std::unique_ptr<CBitmap>>;
  auto& slot = (*borrowed)[bitmap];
  if (!slot) {
    slot = std::make_unique<Borrowed>();
    slot->m_hObject = reinterpret_cast<HGDIOBJ>(bitmap);
  }
  return slot.get();
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  return Attach(reinterpret_cast<HGDIOBJ>(::CreateBitmap(width, height, planes, bitsPerPixel, bits)));
}

SIZE CBitmap::GetBitmapDimension() const {
  SIZE size{0, 0};
  ::GetBitmapDimensionEx(*this, &size);
  return size;
}

SIZE CBitmap::SetBitmapDimension(int width, int height) {
  SIZE previous{0, 0};
  ::SetBitmapDimensionEx(*this, width, height, &previous);
  return previous;
}
