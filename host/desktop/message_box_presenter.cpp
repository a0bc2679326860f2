#include "host/desktop/message_box_presenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

#include "platform/text/code_page.h"
#include "platform/win32/messages.h"
#include "platform/window/message_loop.h"

namespace tessaly::desktop {

namespace {

constexpr UINT kIconMask = 0xF0;
constexpr UINT kIconHand = 0x10;
constexpr UINT kIconQuestion = 0x20;
constexpr UINT kIconExclamation = 0x30;
constexpr UINT kIconAsterisk = 0x40;
constexpr UINT kDefaultMask = 0xF00;
constexpr UINT kAbortRetryIgnore = 2;
constexpr UINT kRetryCancel = 5;

using Buttons = std::vector<std::pair<QMessageBox::StandardButton, int>>;

Buttons ButtonsOf(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case kAbortRetryIgnore:
      return {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL:
      return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
      return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case kRetryCancel:
      return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default:
      return {{QMessageBox::Ok, IDOK}};
  }
}

QMessageBox::Icon IconOf(UINT type) {
  switch (type & kIconMask) {
    case kIconHand:
      return QMessageBox::Critical;
    case kIconQuestion:
      return QMessageBox::Question;
    case kIconExclamation:
      return QMessageBox::Warning;
    case kIconAsterisk:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

QString FromNarrow(std::string_view text) { return QString::fromStdString(platform::text::AnsiToUtf8(text)); }

}  // namespace

int QtMessageBoxPresenter::Present(HWND owner, std::string_view text, std::string_view caption, UINT type, UINT) {
  QWidget* parent = m_widgetOf(owner);
  if (!parent) parent = m_widgetOf(platform::window::ActiveModalDialog());
  if (!parent) parent = QApplication::activeWindow();
  QMessageBox box(IconOf(type), caption.empty() ? QGuiApplication::applicationDisplayName() : FromNarrow(caption),
                  FromNarrow(text), QMessageBox::NoButton, parent ? parent->window() : nullptr);
  const Buttons buttons = ButtonsOf(type);
  const auto defaultIndex = static_cast<std::size_t>((type & kDefaultMask) >> 8);
  for (std::size_t index = 0; index < buttons.size(); ++index) {
    QPushButton* button = box.addButton(buttons[index].first);
    if (index == defaultIndex) box.setDefaultButton(button);
  }
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  const auto pressed = box.standardButton(box.clickedButton());
  for (const auto& [standard, answer] : buttons)
    if (standard == pressed) return answer;
  // Closed without a button: the box's cancelling answer, or its only one.
  for (const auto& [standard, answer] : buttons)
    if (answer == IDCANCEL) return answer;
  return buttons.size() == 1 ? buttons.front().second : (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDABORT;
}

}  // namespace tessaly::desktop
