#include "host/desktop/input_bridge.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "host/desktop/check_list_widget.h"
#include "platform/win32/messages.h"
#include "platform/window/foreground_window.h"
#include "platform/window/input.h"
#include "platform/window/window.h"
#include "platform/window/window_classes.h"

namespace tessaly::desktop {

namespace {

namespace input = platform::window::input;

constexpr DWORD kWantReturn = 0x1000;

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

bool IsChildWindow(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0; }

input::Modifiers ModifiersOf(const QKeyEvent& key) {
  return {key.modifiers().testFlag(Qt::ShiftModifier), key.modifiers().testFlag(Qt::ControlModifier),
          key.modifiers().testFlag(Qt::AltModifier)};
}

CheckListWidget* CheckListAround(QObject* object) {
  for (QObject* up = object; up; up = up->parent())
    if (auto* list = dynamic_cast<CheckListWidget*>(up)) return list;
  return nullptr;
}

}  // namespace

InputBridge::InputBridge(WidgetMirror& mirror, LayerDispatch& dispatch) : m_mirror(mirror), m_dispatch(dispatch) {
  qApp->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

InputBridge::~InputBridge() { qApp->removeEventFilter(this); }

HWND InputBridge::InnermostDialog(HWND window) {
  for (HWND up = window; up; up = IsChildWindow(up) ? GetParent(up) : nullptr)
    if (platform::window::ClassNameOf(up) == platform::window::kDialogClass) return up;
  return window ? GetAncestorRoot(window) : nullptr;
}

void InputBridge::Wire(HWND window, QWidget* widget, WidgetKind kind) {
  LayerDispatch& dispatch = m_dispatch;
  switch (kind) {
    case WidgetKind::PushButton:
    case WidgetKind::CheckBox:
    case WidgetKind::RadioButton:
      connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
              [&dispatch, window] { dispatch.Deliver(window, [window] { input::Click(window); }); });
      break;
    case WidgetKind::LineEdit:
      connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this, [&dispatch, window](const QString& text) {
        dispatch.Deliver(window, [window, typed = Utf8(text)] { input::Type(window, typed); });
      });
      break;
    case WidgetKind::MultiLineEdit: {
      auto* edit = static_cast<QPlainTextEdit*>(widget);
      connect(edit, &QPlainTextEdit::textChanged, this, [&dispatch, window, edit] {
        if (edit->isReadOnly()) return;
        const QString text = edit->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
        dispatch.Deliver(window, [window, typed = Utf8(text)] { input::Type(window, typed); });
      });
      break;
    }
    case WidgetKind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(widget);
      connect(combo, &QComboBox::activated, this, [&dispatch, window, combo](int index) {
        dispatch.Deliver(window, [window, chosen = Utf8(combo->itemText(index))] { input::Choose(window, chosen); });
      });
      break;
    }
    case WidgetKind::CheckList:
      static_cast<CheckListWidget*>(widget)->SetEdits({
          [&dispatch, window](int index, int state) {
            dispatch.Deliver(window, [=] { input::ListSet(window, index, state); });
          },
          [&dispatch, window](const QString& text, int state) {
            dispatch.Deliver(window, [window, typed = Utf8(text), state] { input::ListAdd(window, typed, state); });
          },
          [&dispatch, window](int index) { dispatch.Deliver(window, [=] { input::ListRemove(window, index); }); },
      });
      break;
    default:
      break;
  }
}

bool InputBridge::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseMove:
      return OnPointerMove(watched, event);
    case QEvent::KeyPress:
      return OnKeyPress(watched, event);
    default:
      return false;
  }
}

// A move reaches the widget under the pointer first and then, unless taken, its parents:
// only its first delivery counts.
bool InputBridge::OnPointerMove(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType()) return false;
  auto* move = static_cast<QMouseEvent*>(event);
  const auto stamp = static_cast<qint64>(move->timestamp());
  if (stamp == m_lastMoveStamp && move->globalPosition() == m_lastMovePlace) return false;
  m_lastMoveStamp = stamp;
  m_lastMovePlace = move->globalPosition();
  if (const HWND window = m_mirror.WindowAround(static_cast<QWidget*>(watched)); window && window != m_lastPointed)
    PointerOnto(window);
  return false;
}

// A window that cannot take the pointer passes it to the nearest one above that can.
void InputBridge::PointerOnto(HWND window) {
  m_dispatch.Deliver(nullptr, [window] {
    for (HWND at = window; at; at = IsChildWindow(at) ? GetParent(at) : nullptr)
      if (input::PointerOnto(at) != input::Outcome::Unreachable) break;
  });
  m_lastPointed = window;
}

bool InputBridge::OnKeyPress(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType()) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const HWND in = m_mirror.WindowAround(static_cast<QWidget*>(watched));
  if (!in) return false;
  const HWND active = InnermostDialog(in);
  if (!active) return false;
  switch (key->key()) {
    case Qt::Key_F1: {
      const input::Modifiers held = ModifiersOf(*key);
      m_dispatch.Deliver(active, [active, held] { input::Key(active, VK_F1, held); });
      return true;
    }
    case Qt::Key_Escape:
      if (CheckListWidget* list = CheckListAround(watched); list && list->IsTypingLine(watched)) return false;
      if (m_ownKeys && m_ownKeys(in, VK_ESCAPE)) return true;
      m_dispatch.Deliver(active, [active] { input::Key(active, VK_ESCAPE, {}); });
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      if (CheckListWidget* list = CheckListAround(watched); list && list->IsTypingLine(watched)) return false;
      const std::optional<WidgetKind> kind = m_mirror.KindOf(in);
      if (kind == WidgetKind::MultiLineEdit && (GetWindowLongA(in, GWL_STYLE) & kWantReturn)) return false;
      // Return on a push button presses that button, as a dialog's default button follows the focus.
      if (kind == WidgetKind::PushButton) {
        m_dispatch.Deliver(in, [in] { input::Click(in); });
        return true;
      }
      if (m_ownKeys && m_ownKeys(in, VK_RETURN)) return true;
      m_dispatch.Deliver(active, [active] { input::Key(active, VK_RETURN, {}); });
      return true;
    }
    default:
      return false;
  }
}

void InputBridge::OnFocusChanged(QWidget* now) {
  if (!now) return;
  const HWND window = m_mirror.WindowAround(now);
  if (!window) return;
  if (GetFocus() != window) ::SetFocus(window);
  platform::window::SetForegroundWindowHandle(GetAncestorRoot(window));
}

}  // namespace tessaly::desktop
