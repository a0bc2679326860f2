#include "platform/window/message_box.h"

#include "platform/win32/messages.h"
#include "platform/window/observer.h"

namespace platform::window {

namespace {

class FirstButtonPresenter final : public MessageBoxPresenter {
 public:
  int Present(HWND, std::string_view, std::string_view, UINT type, UINT) override {
    switch (type & MB_TYPEMASK) {
      case 2:  // abort, retry, ignore
        return IDABORT;
      case MB_YESNO:
      case MB_YESNOCANCEL:
        return IDYES;
      case 5:  // retry, cancel
        return IDRETRY;
      default:
        return IDOK;
    }
  }
};

MessageBoxPresenter*& Installed() {
  static MessageBoxPresenter* presenter = nullptr;
  return presenter;
}

}  // namespace

void SetMessageBoxPresenter(MessageBoxPresenter* presenter) { Installed() = presenter; }

MessageBoxPresenter& CurrentMessageBoxPresenter() {
  static FirstButtonPresenter headless;
  return Installed() ? *Installed() : headless;
}

int ShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type, UINT helpId) {
  return CurrentMessageBoxPresenter().Present(owner, text ? text : "", caption ? caption : "", type, helpId);
}

}  // namespace platform::window

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  return platform::window::ShowMessageBox(owner, text, caption, type, 0);
}
