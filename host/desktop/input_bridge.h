#pragma once

// What the person does on the widgets, handed to the layer's input entry point: the pointer
// coming onto a window, clicks, typing, choosing, the check list's edits, and the keys the
// layer answers itself (F1 with its modifiers, Escape, Return). The keyboard focus follows
// into the layer, and the window the person works in is named as the foreground window.

#include <QObject>
#include <QPointer>

#include <functional>

#include "host/desktop/layer_dispatch.h"
#include "host/desktop/widget_kind.h"
#include "host/desktop/widget_mirror.h"

namespace tessaly::desktop {

class InputBridge final : public QObject {
 public:
  // Escape and Return that a window around the keyboard answers itself (a property sheet:
  // its Cancel and OK); true when taken. Otherwise the innermost dialog gets them.
  using OwnKeys = std::function<bool(HWND inWindow, int virtualKey)>;

  InputBridge(WidgetMirror& mirror, LayerDispatch& dispatch);
  ~InputBridge() override;

  // Connects a new widget's signals; the mirror calls it for every widget it makes.
  void Wire(HWND window, QWidget* widget, WidgetKind kind);
  void SetOwnKeys(OwnKeys keys) { m_ownKeys = std::move(keys); }
  // After any action the windows may have changed: the next pointer move is told again.
  void ForgetPointer() { m_lastPointed = nullptr; }

  static HWND InnermostDialog(HWND window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OnPointerMove(QObject* watched, QEvent* event);
  bool OnKeyPress(QObject* watched, QEvent* event);
  void OnFocusChanged(QWidget* now);
  void PointerOnto(HWND window);

  WidgetMirror& m_mirror;
  LayerDispatch& m_dispatch;
  OwnKeys m_ownKeys;
  HWND m_lastPointed = nullptr;
  qint64 m_lastMoveStamp = -1;
  QPointF m_lastMovePlace;
};

}  // namespace tessaly::desktop
