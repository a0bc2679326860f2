#include "host/desktop/widget_mirror.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QTimer>

#include <string>
#include <vector>

#include "host/desktop/check_list_widget.h"
#include "host/desktop/top_level_widget.h"
#include "host/desktop/widget_factory.h"
#include "host/desktop/widget_sync.h"
#include "platform/win32/messages.h"
#include "platform/window/window.h"

namespace tessaly::desktop {

namespace {

using platform::window::Change;
using platform::window::Snapshot;
using platform::window::WindowSnapshot;

bool IsChildWindow(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0; }

WindowSnapshot ShotOf(HWND window) { return Snapshot(window, IsChildWindow(window) ? GetParent(window) : window); }

WidgetKind KindNow(HWND window) {
  const bool child = IsChildWindow(window);
  return tessaly::desktop::KindOf(platform::window::ClassNameOf(window),
                                  static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)),
                                  child ? platform::window::ClassNameOf(GetParent(window)) : std::string_view());
}

// The offscreen platform has no stacking of windows to change.
void BringToFront(QWidget* window) {
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) window->raise();
  window->activateWindow();
}

}  // namespace

WidgetMirror::WidgetMirror(Hooks hooks) : m_hooks(std::move(hooks)) {}

WidgetMirror::~WidgetMirror() {
  // Top-level widgets take their children with them.
  std::vector<QPointer<QWidget>> tops;
  for (auto& [window, entry] : m_entries)
    if (entry.kind == WidgetKind::TopLevel) tops.push_back(entry.widget);
  m_entries.clear();
  m_windows.clear();
  for (QPointer<QWidget>& top : tops) delete top.data();
}

QWidget* WidgetMirror::WidgetOf(HWND window) const {
  auto it = m_entries.find(window);
  return it == m_entries.end() ? nullptr : it->second.widget.data();
}

std::optional<WidgetKind> WidgetMirror::KindOf(HWND window) const {
  auto it = m_entries.find(window);
  if (it == m_entries.end()) return std::nullopt;
  return it->second.kind;
}

HWND WidgetMirror::WindowAround(const QWidget* widget) const {
  for (const QWidget* up = widget; up; up = up->parentWidget()) {
    if (auto it = m_windows.find(up); it != m_windows.end()) return it->second;
    if (up->isWindow()) break;
  }
  return nullptr;
}

void WidgetMirror::Mirror(HWND root) {
  Ensure(root);
  for (HWND window : platform::window::Descendants(root)) Ensure(window);
}

void WidgetMirror::Embed(HWND topLevel, QWidget* holder) {
  Entry* entry = Ensure(topLevel);
  if (!entry || !entry->widget || entry->kind != WidgetKind::TopLevel || !holder) return;
  entry->embedded = true;
  entry->widget->setParent(holder, Qt::Widget);
  entry->widget->move(0, 0);
  ApplyVisible(*entry, ShotOf(topLevel));
}

void WidgetMirror::Refresh(HWND window) {
  auto it = m_entries.find(window);
  if (it == m_entries.end() || !it->second.widget || !IsWindow(window)) return;
  const WindowSnapshot shot = ShotOf(window);
  ApplyState(it->second.widget, it->second.kind, shot);
}

void WidgetMirror::OnCreated(HWND window) { Ensure(window); }

void WidgetMirror::OnDestroyed(HWND window) { Forget(window, true); }

void WidgetMirror::OnChanged(HWND window, Change change) {
  Entry* entry = Ensure(window);
  if (!entry || !entry->widget) return;
  if (change == Change::Style && KindNow(window) != entry->kind) {
    Remake(window);
    return;
  }
  const WindowSnapshot shot = ShotOf(window);
  if (change == Change::Rect)
    Place(window, *entry, shot);
  else if (change == Change::Visible)
    ApplyVisible(*entry, shot);
  else
    ApplyChange(entry->widget, entry->kind, shot, change);
}

void WidgetMirror::OnModalBegin(HWND dialog, UINT) {
  Entry* entry = Ensure(dialog);
  if (!entry || !entry->widget || entry->kind != WidgetKind::TopLevel) return;
  // Qt takes a window's modality when it is shown.
  QWidget* widget = entry->widget;
  widget->hide();
  widget->setWindowModality(Qt::ApplicationModal);
  ShowTopLevel(dialog);
}

WidgetMirror::Entry* WidgetMirror::Ensure(HWND window) {
  if (auto it = m_entries.find(window); it != m_entries.end()) return &it->second;
  if (!IsWindow(window)) return nullptr;
  return Make(window);
}

WidgetMirror::Entry* WidgetMirror::Make(HWND window) {
  const bool child = IsChildWindow(window);
  const HWND above = child ? GetParent(window) : GetWindow(window, GW_OWNER);
  Entry* aboveEntry = above ? Ensure(above) : nullptr;
  QWidget* aboveWidget = aboveEntry ? aboveEntry->widget.data() : nullptr;
  if (child && !aboveWidget) return nullptr;
  const WidgetKind kind = KindNow(window);

  if (kind == WidgetKind::CheckListInner) {
    // The check list's widget shows the items; its list part stands for the inner window.
    QWidget* area = aboveEntry->kind == WidgetKind::CheckList ? static_cast<CheckListWidget*>(aboveWidget)->ListArea()
                                                              : aboveWidget;
    Entry& entry = m_entries[window] = Entry{area, kind};
    m_windows[area] = window;
    return &entry;
  }

  const WindowSnapshot shot = ShotOf(window);
  QWidget* widget = MakeWidget(kind, shot.style, child ? aboveWidget : (aboveWidget ? aboveWidget->window() : nullptr));
  if (child) widget->lower();
  Entry& entry = m_entries[window] = Entry{widget, kind};
  m_windows[widget] = window;
  QObject::connect(widget, &QObject::destroyed, &m_context, [this, window, widget] {
    if (auto it = m_entries.find(window); it != m_entries.end() && it->second.widget == nullptr) m_entries.erase(it);
    m_windows.erase(widget);
  });
  if (kind == WidgetKind::TopLevel && m_hooks.closeRequested)
    static_cast<TopLevelWidget*>(widget)->SetCloseRequest([this, window] { m_hooks.closeRequested(window); });

  ApplyState(widget, kind, shot);
  Place(window, entry, shot);
  if (child) LinkBuddy(window, widget);
  if (m_hooks.made) m_hooks.made(window, widget, kind);
  ApplyVisible(entry, shot);
  return &m_entries[window];
}

void WidgetMirror::Forget(HWND window, bool deleteWidget) {
  auto it = m_entries.find(window);
  if (it == m_entries.end()) return;
  QPointer<QWidget> widget = it->second.widget;
  const bool own = it->second.kind != WidgetKind::CheckListInner;
  m_entries.erase(it);
  if (!widget) return;
  m_windows.erase(widget.data());
  if (!own || !deleteWidget) return;
  // The window may go while its widget is still handling the user's action.
  widget->hide();
  widget->deleteLater();
}

void WidgetMirror::Remake(HWND window) {
  Forget(window, true);
  Make(window);
  if (IsChildWindow(window)) Restack(GetParent(window));
}

void WidgetMirror::Place(HWND window, Entry& entry, const WindowSnapshot& shot) {
  QWidget* widget = entry.widget;
  if (!widget || entry.kind == WidgetKind::CheckListInner) return;
  const int width = shot.rect.right - shot.rect.left;
  int height = shot.rect.bottom - shot.rect.top;
  if (entry.kind == WidgetKind::TopLevel) {
    widget->resize(width, height);
    return;
  }
  // A combo box's place includes its dropped list; the closed box is one line high.
  if (entry.kind == WidgetKind::ComboBox) height = std::min(height, widget->sizeHint().height());
  widget->setGeometry(shot.rect.left, shot.rect.top, width, height);
  (void)window;
}

void WidgetMirror::ApplyVisible(Entry& entry, const WindowSnapshot& shot) {
  QWidget* widget = entry.widget;
  if (!widget || entry.kind == WidgetKind::CheckListInner) return;
  const bool visible = (shot.style & WS_VISIBLE) != 0;
  if (entry.kind != WidgetKind::TopLevel || entry.embedded) {
    widget->setVisible(visible);
    return;
  }
  if (!visible) {
    widget->hide();
    return;
  }
  // A window the layer shows while it is still being set up (a dialog about to run modally, a
  // frame about to be embedded) appears once the layer is done with it.
  QTimer::singleShot(0, widget, [this, window = m_windows[widget]] { ShowTopLevel(window); });
}

void WidgetMirror::ShowTopLevel(HWND window) {
  auto it = m_entries.find(window);
  if (it == m_entries.end() || !it->second.widget || it->second.embedded || it->second.widget->isVisible()) return;
  if (!(GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE)) return;
  QWidget* widget = it->second.widget;
  if (QWidget* owner = widget->parentWidget(); owner && !widget->testAttribute(Qt::WA_Moved))
    widget->move(owner->window()->geometry().center() - widget->rect().center());
  widget->show();
  BringToFront(widget);
}

// A label's mnemonic moves the keyboard to the control made right after it.
void WidgetMirror::LinkBuddy(HWND window, QWidget* widget) {
  const HWND previous = GetWindow(window, GW_HWNDPREV);
  auto it = m_entries.find(previous);
  if (it == m_entries.end() || it->second.kind != WidgetKind::Label || !it->second.widget) return;
  if (widget->focusPolicy() == Qt::NoFocus) return;
  static_cast<QLabel*>(it->second.widget.data())->setBuddy(widget);
  Refresh(previous);
}

void WidgetMirror::Restack(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
  for (auto it = children.rbegin(); it != children.rend(); ++it)
    if (QWidget* widget = WidgetOf(*it); widget && KindOf(*it) != WidgetKind::CheckListInner) widget->raise();
}

}  // namespace tessaly::desktop
