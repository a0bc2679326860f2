#pragma once

// Hooks through which a front end (desktop widgets, the scripted driver, a test) follows
// the window system: windows coming and going and changing, modal runs, and what the
// application shows to the user.

#include <string_view>

#include "platform/window/window_types.h"

namespace platform::window {

class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  virtual void OnCreated(HWND) {}
  virtual void OnDestroyed(HWND) {}
  virtual void OnChanged(HWND, Change) {}
  virtual void OnModalBegin(HWND /*dialog*/, UINT /*templateId*/) {}
  virtual void OnModalEnd(HWND /*dialog*/, UINT /*templateId*/, INT_PTR /*result*/) {}
};

// Several observers may listen; each is removed by the one who added it.
void AddObserver(WindowObserver* observer);
void RemoveObserver(WindowObserver* observer);

// Shows a message box for the application and answers with the button pressed (IDOK...).
class MessageBoxPresenter {
 public:
  virtual ~MessageBoxPresenter() = default;
  virtual int Present(HWND owner, std::string_view text, std::string_view caption, UINT type, UINT helpId) = 0;
};

// Null restores the headless presenter, which answers the first button of the box.
void SetMessageBoxPresenter(MessageBoxPresenter* presenter);
MessageBoxPresenter& CurrentMessageBoxPresenter();

}  // namespace platform::window
