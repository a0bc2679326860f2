#pragma once

// The framework's narrow string: a value type over std::string with the calls the
// framework's callers use.

#include <string>
#include <string_view>

#include "platform/win32/types.h"

class CString {
 public:
  CString() = default;
  CString(const char* text) : m_text(text ? text : "") {}  // NOLINT: converts as the framework's does
  CString(std::string text) : m_text(std::move(text)) {}   // NOLINT
  CString(std::string_view text) : m_text(text) {}         // NOLINT
  CString(char c, int count) : m_text(count > 0 ? static_cast<std::size_t>(count) : 0, c) {}

  int GetLength() const { return static_cast<int>(m_text.size()); }
  BOOL IsEmpty() const { return m_text.empty() ? TRUE : FALSE; }
  void Empty() { m_text.clear(); }
  LPCSTR GetString() const { return m_text.c_str(); }
  operator LPCSTR() const { return m_text.c_str(); }  // NOLINT
  const std::string& Str() const { return m_text; }
  char GetAt(int index) const { return m_text.at(static_cast<std::size_t>(index)); }

  // The string of that id from the resource chain; FALSE, and the text unchanged, when no
  // module has it.
  BOOL LoadString(UINT id);

  CString& MakeUpper();
  // Replaces every occurrence; returns how many were replaced.
  int Replace(std::string_view from, std::string_view to);
  int Find(std::string_view part, int start = 0) const;
  CString Left(int count) const;
  CString Mid(int first, int count = -1) const;

  // A buffer of at least `length` characters for a Win32 call to fill; ReleaseBuffer then
  // takes the text up to its first NUL (or `length` characters when given).
  char* GetBufferSetLength(int length);
  void ReleaseBuffer(int length = -1);

  CString& operator+=(std::string_view more) {
    m_text += more;
    return *this;
  }
  CString& operator+=(char c) {
    m_text += c;
    return *this;
  }
  friend CString operator+(const CString& a, std::string_view b) { return CString(a.m_text + std::string(b)); }
  friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
  friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }

 private:
  std::string m_text;
};
