#include "platform/window/window_classes.h"

#include <vector>

#include "platform/crt/text.h"
#include "platform/window/window.h"

namespace platform::window {

namespace {

struct WindowClass {
  std::string name;
  WNDPROC proc;
};

std::vector<WindowClass>& Classes() {
  static std::vector<WindowClass> classes{
      {std::string(kButtonClass), ButtonProc},      {std::string(kEditClass), EditProc},
      {std::string(kStaticClass), StaticProc},      {std::string(kComboBoxClass), ComboBoxProc},
      {std::string(kComboListClass), ComboBoxProc}, {std::string(kListBoxClass), ListBoxProc},
      {std::string(kDialogClass), DefDlgProcA},     {std::string(kCheckListClass), CheckListProc},
  };
  return classes;
}

WindowClass* FindClass(std::string_view name) {
  for (WindowClass& windowClass : Classes())
    if (crt::EqualsIgnoringCase(windowClass.name, name)) return &windowClass;
  return nullptr;
}

}  // namespace

std::string RegisteredClassName(std::string_view name) {
  const WindowClass* windowClass = FindClass(name);
  return windowClass ? windowClass->name : std::string(name);
}

}  // namespace platform::window

BOOL RegisterWindowClass(LPCSTR className, WNDPROC proc) {
  if (!className || !*className || !proc) return FALSE;
  if (auto* windowClass = platform::window::FindClass(className))
    windowClass->proc = proc;
  else
    platform::window::Classes().push_back({className, proc});
  return TRUE;
}

WNDPROC GetClassProc(LPCSTR className) {
  if (!className) return nullptr;
  const auto* windowClass = platform::window::FindClass(className);
  return windowClass ? windowClass->proc : nullptr;
}
