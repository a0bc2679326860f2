#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

#include "platform/crt/text.h"
#include "platform/window/message_loop.h"
#include "platform/window/observer.h"
#include "platform/window/window.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_record.h"

namespace platform::window {

namespace {

struct WindowTable {
  std::map<HWND, std::unique_ptr<detail::WindowRecord>> records;
  std::vector<WindowObserver*> observers;
  UINT_PTR nextHandle = 0x00010010;
  HWND focus = nullptr;
};

WindowTable& Table() {
  static WindowTable table;
  return table;
}

template <typename Call>
void ForEachObserver(Call call) {
  const std::vector<WindowObserver*> observers = Table().observers;  // an observer may remove itself
  for (WindowObserver* observer : observers) call(*observer);
}

void CopyOut(std::string_view text, LPSTR buffer, int size, int& copied) {
  copied = 0;
  if (!buffer || size <= 0) return;
  copied = static_cast<int>(std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1)));
  std::memcpy(buffer, text.data(), static_cast<std::size_t>(copied));
  buffer[copied] = '\0';
}

}  // namespace

namespace detail {

WindowRecord* Find(HWND window) {
  auto& records = Table().records;
  auto it = records.find(window);
  return it == records.end() ? nullptr : it->second.get();
}

void NotifyChanged(HWND window, Change change) {
  ForEachObserver([&](WindowObserver& observer) { observer.OnChanged(window, change); });
}

void NotifyModalBegin(HWND dialog, UINT templateId) {
  ForEachObserver([&](WindowObserver& observer) { observer.OnModalBegin(dialog, templateId); });
}

void NotifyModalEnd(HWND dialog, UINT templateId, INT_PTR result) {
  ForEachObserver([&](WindowObserver& observer) { observer.OnModalEnd(dialog, templateId, result); });
}

void SetFocusWindow(HWND window) { Table().focus = window; }

}  // namespace detail

void AddObserver(WindowObserver* observer) {
  if (observer && std::find(Table().observers.begin(), Table().observers.end(), observer) == Table().observers.end())
    Table().observers.push_back(observer);
}

void RemoveObserver(WindowObserver* observer) { std::erase(Table().observers, observer); }

HWND FindDescendant(HWND root, int id) {
  const detail::WindowRecord* record = detail::Find(root);
  if (!record) return nullptr;
  for (HWND child : record->children) {
    const detail::WindowRecord* childRecord = detail::Find(child);
    if (childRecord && childRecord->id == id) return child;
    if (HWND found = FindDescendant(child, id)) return found;
  }
  return nullptr;
}

std::string_view ClassNameOf(HWND window) {
  const detail::WindowRecord* record = detail::Find(window);
  return record ? std::string_view(record->className) : std::string_view();
}

int LiveWindowCount() { return static_cast<int>(Table().records.size()); }

}  // namespace platform::window

using platform::window::Change;
using platform::window::detail::Find;
using platform::window::detail::NotifyChanged;
using platform::window::detail::WindowRecord;

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR text, DWORD style, int x, int y, int width, int height,
                     HWND parent, int id, LPVOID createParam) {
  const WNDPROC classProc = GetClassProc(className);
  if (!classProc) return nullptr;
  const bool child = (style & WS_CHILD) != 0;
  if (child && !Find(parent)) return nullptr;
  auto& table = platform::window::Table();
  auto record = std::make_unique<WindowRecord>();
  record->handle = reinterpret_cast<HWND>(table.nextHandle);
  table.nextHandle += 2;
  record->className = platform::window::RegisteredClassName(className);
  record->classProc = classProc;
  record->proc = classProc;
  record->style = style;
  record->exStyle = exStyle;
  record->text = text ? text : "";
  record->rect = {x, y, x + width, y + height};
  if (child) {
    record->parent = parent;
    record->id = id;
  } else {
    record->owner = Find(parent) ? parent : nullptr;
  }
  const HWND handle = record->handle;
  table.records.emplace(handle, std::move(record));
  if (child) Find(parent)->children.push_back(handle);

  CREATESTRUCTA create{createParam, parent, id, style, className, text};
  if (SendMessageA(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(handle);
    return nullptr;
  }
  platform::window::ForEachObserver([&](platform::window::WindowObserver& observer) { observer.OnCreated(handle); });
  return handle;
}

BOOL DestroyWindow(HWND window) {
  WindowRecord* record = Find(window);
  if (!record || record->destroying) return FALSE;
  record->destroying = true;

  std::vector<HWND> owned;
  for (const auto& [handle, other] : platform::window::Table().records)
    if (other->owner == window) owned.push_back(handle);
  for (HWND popup : owned) DestroyWindow(popup);

  SendMessageA(window, WM_DESTROY, 0, 0);
  if (WindowRecord* still = Find(window)) {
    const std::vector<HWND> children = still->children;
    for (HWND child : children) DestroyWindow(child);
  }
  platform::window::detail::DropQueueOf(window);
  SendMessageA(window, WM_NCDESTROY, 0, 0);

  auto& table = platform::window::Table();
  if (WindowRecord* gone = Find(window)) {
    if (WindowRecord* parent = Find(gone->parent)) std::erase(parent->children, window);
    table.records.erase(window);
  }
  if (table.focus == window) table.focus = nullptr;
  platform::window::ForEachObserver([&](platform::window::WindowObserver& observer) { observer.OnDestroyed(window); });
  return TRUE;
}

BOOL IsWindow(HWND window) { return Find(window) ? TRUE : FALSE; }

HWND GetParent(HWND window) {
  const WindowRecord* record = Find(window);
  if (!record) return nullptr;
  if (record->style & WS_CHILD) return record->parent;
  if (record->style & WS_POPUP) return record->owner;
  return nullptr;
}

HWND GetAncestorRoot(HWND window) {
  const WindowRecord* record = Find(window);
  while (record && (record->style & WS_CHILD) && Find(record->parent)) record = Find(record->parent);
  return record ? record->handle : nullptr;
}

HWND GetWindow(HWND window, UINT relation) {
  const WindowRecord* record = Find(window);
  if (!record) return nullptr;
  if (relation == GW_CHILD) return record->children.empty() ? nullptr : record->children.front();
  if (relation == GW_OWNER) return record->owner;
  const WindowRecord* parent = Find(record->parent);
  if (!parent) return relation == GW_HWNDFIRST || relation == GW_HWNDLAST ? window : nullptr;
  const auto& siblings = parent->children;
  const auto at = std::find(siblings.begin(), siblings.end(), window);
  switch (relation) {
    case GW_HWNDFIRST:
      return siblings.front();
    case GW_HWNDLAST:
      return siblings.back();
    case GW_HWNDNEXT:
      return at + 1 < siblings.end() ? *(at + 1) : nullptr;
    case GW_HWNDPREV:
      return at > siblings.begin() ? *(at - 1) : nullptr;
    default:
      return nullptr;
  }
}

HWND GetTopWindow(HWND window) { return GetWindow(window, GW_CHILD); }

HWND GetDlgItem(HWND dialog, int id) {
  const WindowRecord* record = Find(dialog);
  if (!record) return nullptr;
  for (HWND child : record->children)
    if (Find(child)->id == id) return child;
  return nullptr;
}

int GetDlgCtrlID(HWND window) {
  const WindowRecord* record = Find(window);
  return record && (record->style & WS_CHILD) ? record->id : 0;
}

BOOL IsChild(HWND parent, HWND window) {
  for (const WindowRecord* record = Find(window); record && (record->style & WS_CHILD); record = Find(record->parent))
    if (record->parent == parent) return TRUE;
  return FALSE;
}

int GetClassNameA(HWND window, LPSTR buffer, int size) {
  const WindowRecord* record = Find(window);
  int copied = 0;
  if (record) platform::window::CopyOut(record->className, buffer, size, copied);
  return copied;
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
  if (!Find(window)) return FALSE;
  return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

int GetWindowTextA(HWND window, LPSTR buffer, int size) {
  if (!Find(window) || !buffer || size <= 0) return 0;
  return static_cast<int>(
      SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND window) {
  return Find(window) ? static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) : 0;
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) { return SetWindowTextA(GetDlgItem(dialog, id), text); }

BOOL EnableWindow(HWND window, BOOL enable) {
  WindowRecord* record = Find(window);
  if (!record) return FALSE;
  const BOOL wasDisabled = (record->style & WS_DISABLED) ? TRUE : FALSE;
  if ((enable != FALSE) == (wasDisabled == FALSE)) return wasDisabled;
  if (enable)
    record->style &= ~WS_DISABLED;
  else
    record->style |= WS_DISABLED;
  if (!enable && GetFocus() == window) SetFocus(nullptr);
  SendMessageA(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
  NotifyChanged(window, Change::Enabled);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND window) {
  const WindowRecord* record = Find(window);
  return record && !(record->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL ShowWindow(HWND window, int command) {
  WindowRecord* record = Find(window);
  if (!record) return FALSE;
  const BOOL wasVisible = (record->style & WS_VISIBLE) ? TRUE : FALSE;
  const bool show = command != SW_HIDE;
  if (show == (wasVisible != FALSE)) return wasVisible;
  if (show)
    record->style |= WS_VISIBLE;
  else
    record->style &= ~WS_VISIBLE;
  SendMessageA(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
  NotifyChanged(window, Change::Visible);
  return wasVisible;
}

BOOL IsWindowVisible(HWND window) {
  const WindowRecord* record = Find(window);
  if (!record) return FALSE;
  for (; record; record = (record->style & WS_CHILD) ? Find(record->parent) : nullptr)
    if (!(record->style & WS_VISIBLE)) return FALSE;
  return TRUE;
}

LONG GetWindowLongA(HWND window, int index) {
  const WindowRecord* record = Find(window);
  if (!record) return 0;
  switch (index) {
    case GWL_STYLE:
      return static_cast<LONG>(record->style);
    case GWL_EXSTYLE:
      return static_cast<LONG>(record->exStyle);
    case GWL_ID:
      return record->id;
    default:
      return 0;
  }
}

LONG SetWindowLongA(HWND window, int index, LONG value) {
  WindowRecord* record = Find(window);
  if (!record) return 0;
  const LONG previous = GetWindowLongA(window, index);
  if (index == GWL_STYLE) {
    record->style = static_cast<DWORD>(value);
    NotifyChanged(window, Change::Style);
  } else if (index == GWL_EXSTYLE) {
    record->exStyle = static_cast<DWORD>(value);
  } else if (index == GWL_ID) {
    record->id = value;
  }
  return previous;
}

WNDPROC SetWindowProc(HWND window, WNDPROC proc) {
  WindowRecord* record = Find(window);
  if (!record || !proc) return nullptr;
  return std::exchange(record->proc, proc);
}

WNDPROC GetWindowProc(HWND window) {
  const WindowRecord* record = Find(window);
  return record ? record->proc : nullptr;
}

BOOL GetClientRect(HWND window, RECT* rect) {
  const WindowRecord* record = Find(window);
  if (!record || !rect) return FALSE;
  *rect = {0, 0, record->rect.right - record->rect.left, record->rect.bottom - record->rect.top};
  return TRUE;
}

BOOL GetWindowRect(HWND window, RECT* rect) {
  const WindowRecord* record = Find(window);
  if (!record || !rect) return FALSE;
  *rect = record->rect;
  for (const WindowRecord* up = (record->style & WS_CHILD) ? Find(record->parent) : nullptr; up;
       up = (up->style & WS_CHILD) ? Find(up->parent) : nullptr) {
    if (!(up->style & WS_CHILD)) break;
    rect->left += up->rect.left;
    rect->right += up->rect.left;
    rect->top += up->rect.top;
    rect->bottom += up->rect.top;
  }
  return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL) {
  WindowRecord* record = Find(window);
  if (!record) return FALSE;
  record->rect = {x, y, x + width, y + height};
  NotifyChanged(window, Change::Rect);
  return TRUE;
}

BOOL InvalidateRect(HWND window, const RECT*, BOOL) {
  WindowRecord* record = Find(window);
  if (!record) return FALSE;
  record->needsPaint = true;
  return TRUE;
}

BOOL UpdateWindow(HWND window) {
  WindowRecord* record = Find(window);
  if (!record) return FALSE;
  if (record->needsPaint) SendMessageA(window, WM_PAINT, 0, 0);
  return TRUE;
}

HWND SetFocus(HWND window) {
  const HWND previous = platform::window::Table().focus;
  if (window && !Find(window)) return nullptr;
  platform::window::Table().focus = window;
  return previous;
}

HWND GetFocus() { return platform::window::Table().focus; }

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WindowRecord* record = Find(window);
  if (!record) return 0;
  return record->proc(window, message, wParam, lParam);
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageA(GetDlgItem(dialog, id), message, wParam, lParam);
}

LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(window, message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
  const HWND button = GetDlgItem(dialog, id);
  if (!button) return FALSE;
  SendMessageA(button, BM_SETCHECK, check, 0);
  return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
  return static_cast<UINT>(SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0));
}
