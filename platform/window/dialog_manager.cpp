#include "platform/window/dialog_manager.h"

#include <string>

#include "platform/gdi/gdi.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_record.h"

namespace platform::window {

namespace {

int MulDiv(int number, int numerator, int denominator) {
  const long long product = static_cast<long long>(number) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

HFONT CreateTemplateFont(const DialogTemplate& dialog) {
  if (dialog.fontFace.empty()) return nullptr;
  const std::string face(dialog.fontFace);
  return CreateFontA(-MulDiv(dialog.pointSize, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, dialog.charSet, 0, 0, 0, 0,
                     face.c_str());
}

void CreateControl(HWND dialog, const DialogTemplate& dialogTemplate, const DialogControl& control, HFONT font) {
  const RECT place = DialogUnitsToPixels(dialogTemplate, control.x, control.y, control.cx, control.cy);
  const std::string className(control.className);
  const std::string text(control.text);
  const HWND window =
      CreateWindowExA(0, className.c_str(), text.c_str(), control.style | WS_CHILD, place.left, place.top,
                      place.right - place.left, place.bottom - place.top, dialog, control.id, nullptr);
  if (!window) return;
  if (font) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (control.iconId && ClassNameOf(window) == kStaticClass)
    SendMessageA(window, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconFromChain(control.iconId)), 0);
}

}  // namespace

SIZE BaseUnitsOf(std::string_view, int pointSize) {
  const int height = MulDiv(pointSize, 8, 5);  // cell height: 1.6 pixels per point at 96 dpi
  return {MulDiv(height, 6, 13), height};
}

RECT DialogUnitsToPixels(const DialogTemplate& dialog, short x, short y, short cx, short cy) {
  const SIZE base = BaseUnitsOf(dialog.fontFace, dialog.pointSize);
  const int left = MulDiv(x, base.cx, 4);
  const int top = MulDiv(y, base.cy, 8);
  return {left, top, left + MulDiv(cx, base.cx, 4), top + MulDiv(cy, base.cy, 8)};
}

HWND CreateDialogFromTemplate(const DialogTemplate& dialog, HWND parent, const std::function<void(HWND)>& onCreated,
                              LPARAM initParam) {
  const RECT place = DialogUnitsToPixels(dialog, 0, 0, dialog.cx, dialog.cy);
  const std::string caption(dialog.caption);
  const std::string className(kDialogClass);
  // Visible only once initialised, as a dialog appears to the user.
  const HWND window = CreateWindowExA(0, className.c_str(), caption.c_str(), dialog.style & ~WS_VISIBLE, 0, 0,
                                      place.right, place.bottom, parent, 0, nullptr);
  if (!window) return nullptr;
  detail::WindowRecord* record = detail::Find(window);
  record->templateId = dialog.id;
  if (onCreated) onCreated(window);
  const HFONT font = CreateTemplateFont(dialog);
  if (font) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (detail::WindowRecord* created = detail::Find(window)) created->dialogFont = font;
  for (const DialogControl& control : dialog.controls) {
    if (!IsWindow(window)) return nullptr;
    CreateControl(window, dialog, control, font);
  }
  if (!IsWindow(window)) return nullptr;
  SendMessageA(window, WM_INITDIALOG, 0, initParam);
  if (!IsWindow(window)) return nullptr;
  if (dialog.style & WS_VISIBLE) ShowWindow(window, SW_SHOW);
  return window;
}

void FillInitialEntries(HWND dialog, const DialogTemplate& dialogTemplate) {
  for (const DialogControl& control : dialogTemplate.controls) {
    if (control.initEntries.empty()) continue;
    const HWND combo = GetDlgItem(dialog, control.id);
    for (std::string_view entry : control.initEntries) {
      const std::string text(entry);
      SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
}

UINT DialogTemplateId(HWND dialog) {
  const detail::WindowRecord* record = detail::Find(dialog);
  return record ? record->templateId : 0;
}

INT_PTR RunModalDialog(HWND dialog) {
  if (!IsWindow(dialog)) return -1;
  const UINT templateId = DialogTemplateId(dialog);
  const HWND owner = GetWindow(dialog, GW_OWNER);
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  ShowWindow(dialog, SW_SHOW);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  detail::NotifyModalBegin(dialog, templateId);
  const INT_PTR result = RunModalLoop(dialog);
  detail::NotifyModalEnd(dialog, templateId, result);
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  DestroyWindow(dialog);
  return result;
}

}  // namespace platform::window

// Dialog windows keep the font of their template: it goes when they go.
LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* record = platform::window::detail::Find(dialog);
  if (!record) return 0;
  switch (message) {
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(record->font);
    case WM_CLOSE:
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
        EndDialog(dialog, LOWORD(wParam));
      return 0;
    case WM_NCDESTROY:
      if (record->dialogFont) {
        DeleteObject(reinterpret_cast<HGDIOBJ>(record->dialogFont));
        record->dialogFont = nullptr;
      }
      return 0;
    default:
      return DefWindowProcA(dialog, message, wParam, lParam);
  }
}
