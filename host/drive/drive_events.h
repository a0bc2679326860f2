#pragma once

// What the application shows or starts while a script runs, printed as events: modal runs,
// message boxes (each answered OK at once), programs started, debugger output, compiled-help
// calls and the messages that windows send to the top-level frame.

#include <optional>
#include <string_view>

#include "platform/window/frame_window.h"
#include "platform/window/observer.h"

namespace tessaly::host {

class DriveOutput;

class DriveEvents final : public platform::window::WindowObserver,
                          public platform::window::MessageBoxPresenter,
                          public platform::window::TopLevelSink {
 public:
  // Follows the layer from now on, until destroyed.
  explicit DriveEvents(DriveOutput& output);
  ~DriveEvents() override;
  DriveEvents(const DriveEvents&) = delete;
  DriveEvents& operator=(const DriveEvents&) = delete;

  void OnModalBegin(HWND dialog, UINT templateId) override;
  void OnModalEnd(HWND dialog, UINT templateId, INT_PTR result) override;
  int Present(HWND owner, std::string_view text, std::string_view caption, UINT type, UINT helpId) override;
  // The frame answers the framework dialogs' help message as handled; any other message
  // gets the frame's default processing.
  std::optional<LRESULT> OnMessage(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  DriveOutput& m_output;
};

}  // namespace tessaly::host
