#include "platform/afx/wnd.h"

#include <map>
#include <memory>
#include <vector>

#include "platform/afx/data_exchange.h"
#include "platform/afx/dc.h"
#include "platform/afx/exception.h"
#include "platform/afx/font.h"
#include "platform/gdi/gdi.h"
#include "platform/window/message_box.h"
#include "platform/window/message_loop.h"
#include "platform/window/observer.h"
#include "platform/window/window.h"

namespace {

// Windows taken over, and the temporary objects of the others, which go with their window.
struct HandleMaps final : platform::window::WindowObserver {
  std::map<HWND, CWnd*> permanent;
  std::map<HWND, std::unique_ptr<CWnd>> temporary;
  std::vector<AFX_MSG> current;

  HandleMaps() { platform::window::AddObserver(this); }
  void OnDestroyed(HWND window) override { temporary.erase(window); }
};

// Lives for the whole process: windows may outlive any static destruction order.
HandleMaps& Maps() {
  static HandleMaps* maps = new HandleMaps;
  return *maps;
}

struct CurrentMessageScope {
  explicit CurrentMessageScope(const AFX_MSG& message) { Maps().current.push_back(message); }
  ~CurrentMessageScope() { Maps().current.pop_back(); }
  CurrentMessageScope(const CurrentMessageScope&) = delete;
  CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;
};

}  // namespace

const AFX_MSG* AfxCurrentMessage() { return Maps().current.empty() ? nullptr : &Maps().current.back(); }

namespace afx {
CWnd* WindowFromHandle(HWND window) { return CWnd::FromHandle(window); }
}  // namespace afx

LRESULT AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* object = CWnd::FromHandlePermanent(window);
  if (!object) return DefWindowProcA(window, message, wParam, lParam);
  CurrentMessageScope scope({window, message, wParam, lParam});
  LRESULT result = 0;
  try {
    result = object->WindowProc(message, wParam, lParam);
  } catch (const CException& failure) {
    // A handler's failure ends that message only, and the user hears of it.
    platform::window::ShowMessageBox(window, failure.Describe().GetString(), "", MB_OK | MB_ICONEXCLAMATION, 0);
  }
  if (message == WM_NCDESTROY) object->DetachAtEnd();
  return result;
}

CWnd::~CWnd() {
  if (!m_hWnd) return;
  const HWND window = m_hWnd;
  const bool owns = m_bOwnsWindow;
  UnsubclassWindow();
  if (owns) ::DestroyWindow(window);
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
  auto& permanent = Maps().permanent;
  auto it = permanent.find(window);
  return it == permanent.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND window) {
  if (!window || !IsWindow(window)) return nullptr;
  if (CWnd* object = FromHandlePermanent(window)) return object;
  auto& temporary = Maps().temporary[window];
  if (!temporary) {
    temporary = std::make_unique<CWnd>();
    temporary->m_hWnd = window;
  }
  return temporary.get();
}

BOOL CWnd::SubclassWindow(HWND window) {
  if (m_hWnd || !IsWindow(window) || FromHandlePermanent(window)) return FALSE;
  m_hWnd = window;
  Maps().permanent[window] = this;
  m_pfnSuper = SetWindowProc(window, AfxWndProc);
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  return parent ? SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id))) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
  const HWND window = m_hWnd;
  if (!window) return nullptr;
  if (FromHandlePermanent(window) == this) {
    if (IsWindow(window) && m_pfnSuper) SetWindowProc(window, m_pfnSuper);
    Maps().permanent.erase(window);
  }
  m_hWnd = nullptr;
  m_pfnSuper = nullptr;
  m_bOwnsWindow = false;
  return window;
}

void CWnd::AttachCreated(HWND window) {
  if (SubclassWindow(window)) m_bOwnsWindow = true;
}

void CWnd::DetachAtEnd() {
  Maps().permanent.erase(m_hWnd);
  m_hWnd = nullptr;
  m_pfnSuper = nullptr;
  m_bOwnsWindow = false;
  PostNcDestroy();
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
CWnd* CWnd::GetTopWindow() const { return FromHandle(::GetTopWindow(m_hWnd)); }
CWnd* CWnd::GetWindow(UINT relation) const { return FromHandle(::GetWindow(m_hWnd, relation)); }
CWnd* CWnd::GetNextWindow(UINT relation) const { return FromHandle(::GetWindow(m_hWnd, relation)); }
CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

void CWnd::GetWindowText(CString& text) const {
  const int length = ::GetWindowTextLengthA(m_hWnd);
  char* buffer = text.GetBufferSetLength(length + 1);
  ::GetWindowTextA(m_hWnd, buffer, length + 1);
  text.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
void CWnd::SetWindowText(LPCSTR text) { ::SetWindowTextA(m_hWnd, text); }
BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
  const DWORD style = GetStyle();
  const DWORD changed = (style & ~remove) | add;
  if (changed == style) return FALSE;
  ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(changed));
  return TRUE;
}

CFont* CWnd::GetFont() const { return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))); }

void CWnd::SetFont(CFont* font, BOOL redraw) {
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->GetSafeHandle() : nullptr), redraw);
}

void CWnd::GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

CDC* CWnd::GetDC() {
  const HDC dc = ::GetDC(m_hWnd);
  if (!dc) return nullptr;
  auto* object = new CDC;
  object->Attach(dc);
  return object;
}

int CWnd::ReleaseDC(CDC* dc) {
  if (!dc) return 0;
  const int released = ::ReleaseDC(m_hWnd, dc->Detach());
  delete dc;
  return released;
}

void CWnd::CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
UINT CWnd::IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC callback) {
  return ::SetTimer(m_hWnd, id, elapseMs, callback);
}

BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange exchange(this, saveAndValidate);
  DoDataExchange(&exchange);
  return exchange.m_bFailed ? FALSE : TRUE;
}

const MessageMap* CWnd::GetThisMessageMap() {
  static constexpr MessageMap kMap{nullptr, {}};
  return &kMap;
}

const MessageMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CWnd::OnHelpInfo(HELPINFO* info) {
  // The platform hands the request up, to the parent or owner, when there is one.
  return info ? static_cast<BOOL>(DefWindowProc(WM_HELP, 0, reinterpret_cast<LPARAM>(info))) : FALSE;
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }

void CWnd::OnTimer(UINT_PTR) { Default(); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
    for (const MessageEntry& entry : map->entries) {
      if (entry.message != message) continue;
      if (message == WM_COMMAND &&
          (HIWORD(wParam) != entry.code || LOWORD(wParam) < entry.idFirst || LOWORD(wParam) > entry.idLast))
        continue;
      *result = entry.handler(*this, wParam, lParam);
      return TRUE;
    }
  }
  return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const AFX_MSG* current = AfxCurrentMessage();
  if (!current || current->hwnd != m_hWnd) return 0;
  return DefWindowProc(current->message, current->wParam, current->lParam);
}
