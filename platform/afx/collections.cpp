#include "platform/afx/collections.h"

#include <stdexcept>
#include <utility>

struct CObListNode {
  CObject* item;
  CObListNode* next;
};

CObList::~CObList() { RemoveAll(); }

POSITION CObList::AddTail(CObject* item) {
  auto* node = new CObListNode{item, nullptr};
  if (m_pTail)
    m_pTail->next = node;
  else
    m_pHead = node;
  m_pTail = node;
  ++m_nCount;
  return node;
}

POSITION CObList::AddHead(CObject* item) {
  auto* node = new CObListNode{item, m_pHead};
  m_pHead = node;
  if (!m_pTail) m_pTail = node;
  ++m_nCount;
  return node;
}

CObject*& CObList::GetNext(POSITION& position) {
  if (!position) throw std::out_of_range("CObList::GetNext past the end");
  CObListNode* node = position;
  position = node->next;
  return node->item;
}

CObject* CObList::GetHead() const { return m_pHead ? m_pHead->item : nullptr; }

CObject* CObList::GetTail() const { return m_pTail ? m_pTail->item : nullptr; }

void CObList::RemoveAll() {
  while (m_pHead) delete std::exchange(m_pHead, m_pHead->next);
  m_pTail = nullptr;
  m_nCount = 0;
}

BOOL CMapStringToString::Lookup(const CString& key, CString& value) const {
  auto it = m_map.find(key.Str());
  if (it == m_map.end()) return FALSE;
  value = it->second;
  return TRUE;
}
