#include "platform/afx/gdi_object.h"

#include <map>
#include <memory>
#include <utility>

#include "platform/gdi/gdi.h"

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object) {
  if (!object) return nullptr;
  // Kept for the process; a borrowed object never deletes its handle.
  struct Borrowed : CGdiObject {
    ~Borrowed() override { Detach(); }
  };
  static auto* borrowed = new std::map<HGDIOBJ, std::unique_ptr<CGdiObject>>;
  auto& slot = (*borrowed)[object];
  if (!slot) {
    slot = std::make_unique<Borrowed>();
    slot->m_hObject = object;
  }
  return slot.get();
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
  if (m_hObject || !object) return FALSE;
  m_hObject = object;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() { return std::exchange(m_hObject, nullptr); }

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int size, void* buffer) const {
  return m_hObject ? ::GetObjectA(m_hObject, size, buffer) : 0;
}
