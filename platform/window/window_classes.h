#pragma once

// The window classes that the layer brings, and the registry of classes by name.

#include <string>
#include <string_view>

#include "platform/window/window_types.h"

namespace platform::window {

inline constexpr std::string_view kButtonClass = "Button";
inline constexpr std::string_view kEditClass = "Edit";
inline constexpr std::string_view kStaticClass = "Static";
inline constexpr std::string_view kComboBoxClass = "ComboBox";
inline constexpr std::string_view kComboListClass = "ComboLBox";
inline constexpr std::string_view kListBoxClass = "ListBox";
inline constexpr std::string_view kDialogClass = "#32770";
inline constexpr std::string_view kCheckListClass = "TessalyCheckList";

// The name as it was registered ("button" finds "Button").
std::string RegisteredClassName(std::string_view name);

// The procedures of the built-in classes.
LRESULT ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ListBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CheckListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::window
