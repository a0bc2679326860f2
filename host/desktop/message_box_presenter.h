#pragma once

// The application's message boxes as real message boxes: the library's text, the caption
// (the application's name when the box gives none), the buttons and icon its type asks for,
// modal over the window that owns it. The answer is the button pressed (IDOK...).

#include <QWidget>

#include <functional>

#include "platform/window/observer.h"

namespace tessaly::desktop {

class QtMessageBoxPresenter final : public platform::window::MessageBoxPresenter {
 public:
  using WidgetOf = std::function<QWidget*(HWND)>;
  explicit QtMessageBoxPresenter(WidgetOf widgetOf) : m_widgetOf(std::move(widgetOf)) {}

  int Present(HWND owner, std::string_view text, std::string_view caption, UINT type, UINT helpId) override;

 private:
  WidgetOf m_widgetOf;
};

}  // namespace tessaly::desktop
