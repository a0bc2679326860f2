#pragma once

// The framework's collections that callers keep strings and objects in.

#include <list>
#include <map>
#include <vector>

#include "platform/afx/afx_string.h"
#include "platform/afx/object.h"

class CStringArray : public CObject {
 public:
  INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  BOOL IsEmpty() const { return m_items.empty() ? TRUE : FALSE; }
  INT_PTR Add(const CString& item) {
    m_items.push_back(item);
    return GetSize() - 1;
  }
  const CString& GetAt(INT_PTR index) const { return m_items.at(static_cast<std::size_t>(index)); }
  void SetAt(INT_PTR index, const CString& item) { m_items.at(static_cast<std::size_t>(index)) = item; }
  void RemoveAt(INT_PTR index) { m_items.erase(m_items.begin() + index); }
  void RemoveAll() { m_items.clear(); }
  const CString& operator[](INT_PTR index) const { return GetAt(index); }

 private:
  std::vector<CString> m_items;
};

// Positions in a list are opaque; null is past the end.
struct CObListNode;
using POSITION = CObListNode*;

// A list of object pointers. The list owns none of them: whoever adds them frees them.
class CObList : public CObject {
 public:
  CObList() = default;
  CObList(const CObList&) = delete;
  CObList& operator=(const CObList&) = delete;
  ~CObList() override;

  INT_PTR GetCount() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0 ? TRUE : FALSE; }
  POSITION AddTail(CObject* item);
  POSITION AddHead(CObject* item);
  POSITION GetHeadPosition() const { return m_pHead; }
  // The item at `position`, which moves on to the next one.
  CObject*& GetNext(POSITION& position);
  CObject* GetHead() const;
  CObject* GetTail() const;
  void RemoveAll();

 private:
  CObListNode* m_pHead = nullptr;
  CObListNode* m_pTail = nullptr;
  INT_PTR m_nCount = 0;
};

class CMapStringToString : public CObject {
 public:
  INT_PTR GetCount() const { return static_cast<INT_PTR>(m_map.size()); }
  BOOL IsEmpty() const { return m_map.empty() ? TRUE : FALSE; }
  BOOL Lookup(const CString& key, CString& value) const;
  void SetAt(const CString& key, const CString& value) { m_map[key.Str()] = value; }
  BOOL RemoveKey(const CString& key) { return m_map.erase(key.Str()) ? TRUE : FALSE; }
  void RemoveAll() { m_map.clear(); }

 private:
  std::map<std::string, CString> m_map;
};
