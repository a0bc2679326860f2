#pragma once

// Every window of the layer as a Qt widget, kept in step: a window that is made gets its
// widget (inside its parent's, or above its owner's for a top-level window), each change the
// layer reports is written into it, and it goes when the window goes. Children are stacked in
// the layer's Z-order, so that what lies on top in the layer lies on top on the screen.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>

#include "host/desktop/widget_kind.h"
#include "platform/window/observer.h"
#include "platform/window/snapshot.h"

namespace tessaly::desktop {

class WidgetMirror final : public platform::window::WindowObserver {
 public:
  struct Hooks {
    // A widget was made for the window: the place to connect what the user does with it.
    std::function<void(HWND, QWidget*, WidgetKind)> made;
    // The close box of a top-level window was pressed.
    std::function<void(HWND)> closeRequested;
  };

  explicit WidgetMirror(Hooks hooks);
  ~WidgetMirror() override;
  WidgetMirror(const WidgetMirror&) = delete;
  WidgetMirror& operator=(const WidgetMirror&) = delete;

  QWidget* WidgetOf(HWND window) const;
  std::optional<WidgetKind> KindOf(HWND window) const;
  // The window a widget stands for; for a widget inside one (a combo box's parts, the check
  // list's), the innermost window around it. Null outside the mirrored windows.
  HWND WindowAround(const QWidget* widget) const;

  // Mirrors a window and its descendants that were made before the mirror listened.
  void Mirror(HWND root);
  // Shows a top-level window inside `holder` instead of as a window of its own (the host's
  // frame inside the sheet's window); its dialogs then stay above the holder's window.
  void Embed(HWND topLevel, QWidget* holder);
  // Writes the window's whole state into its widget again, undoing whatever the widget did on
  // its own that the layer did not take.
  void Refresh(HWND window);

  void OnCreated(HWND window) override;
  void OnDestroyed(HWND window) override;
  void OnChanged(HWND window, platform::window::Change change) override;
  void OnModalBegin(HWND dialog, UINT templateId) override;

 private:
  struct Entry {
    QPointer<QWidget> widget;
    WidgetKind kind;
    bool embedded = false;
  };

  Entry* Ensure(HWND window);
  Entry* Make(HWND window);
  void Forget(HWND window, bool deleteWidget);
  void Remake(HWND window);
  void Place(HWND window, Entry& entry, const platform::window::WindowSnapshot& shot);
  void ApplyVisible(Entry& entry, const platform::window::WindowSnapshot& shot);
  void ShowTopLevel(HWND window);
  void LinkBuddy(HWND window, QWidget* widget);
  void Restack(HWND parent);

  Hooks m_hooks;
  QObject m_context;  // ends the widgets' connections to the mirror with it
  std::map<HWND, Entry> m_entries;
  std::map<const QWidget*, HWND> m_windows;
};

}  // namespace tessaly::desktop
