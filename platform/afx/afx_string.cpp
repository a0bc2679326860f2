#include "platform/afx/afx_string.h"

#include <algorithm>
#include <cstring>

#include "platform/resource/resource_chain.h"

BOOL CString::LoadString(UINT id) {
  const auto text = platform::FindString(id);
  if (!text) return FALSE;
  m_text = std::string(*text);
  return TRUE;
}

CString& CString::MakeUpper() {
  for (char& c : m_text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return *this;
}

int CString::Replace(std::string_view from, std::string_view to) {
  if (from.empty()) return 0;
  int count = 0;
  for (std::size_t at = m_text.find(from); at != std::string::npos; at = m_text.find(from, at + to.size())) {
    m_text.replace(at, from.size(), to);
    ++count;
  }
  return count;
}

int CString::Find(std::string_view part, int start) const {
  if (start < 0 || static_cast<std::size_t>(start) > m_text.size()) return -1;
  const std::size_t at = m_text.find(part, static_cast<std::size_t>(start));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString CString::Left(int count) const {
  return CString(m_text.substr(0, count > 0 ? static_cast<std::size_t>(count) : 0));
}

CString CString::Mid(int first, int count) const {
  if (first < 0) first = 0;
  if (static_cast<std::size_t>(first) >= m_text.size()) return CString();
  return CString(
      m_text.substr(static_cast<std::size_t>(first), count < 0 ? std::string::npos : static_cast<std::size_t>(count)));
}

char* CString::GetBufferSetLength(int length) {
  m_text.assign(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
  return m_text.data();
}

void CString::ReleaseBuffer(int length) {
  const std::size_t end = length < 0 ? std::strlen(m_text.c_str()) : static_cast<std::size_t>(length);
  m_text.resize(std::min(end, m_text.size()));
}
