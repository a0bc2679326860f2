#include "host/desktop/widget_sync.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "host/desktop/check_list_widget.h"
#include "host/desktop/font_choice.h"
#include "host/desktop/icon_image.h"
#include "platform/win32/messages.h"
#include "platform/window/window.h"

namespace tessaly::desktop {

namespace {

using platform::window::Change;
using platform::window::WindowSnapshot;

constexpr DWORD kNoPrefix = 0x80;

QString TextOf(const WindowSnapshot& shot) { return QString::fromUtf8(shot.text.c_str()); }

QStringList ItemsOf(const WindowSnapshot& shot) {
  QStringList items;
  if (shot.items)
    for (const std::string& item : *shot.items) items.push_back(QString::fromUtf8(item.c_str()));
  return items;
}

void ApplyText(QWidget* widget, WidgetKind kind, const WindowSnapshot& shot) {
  const QString text = TextOf(shot);
  switch (kind) {
    case WidgetKind::TopLevel:
      widget->setWindowTitle(text);
      break;
    case WidgetKind::PushButton:
    case WidgetKind::CheckBox:
    case WidgetKind::RadioButton:
      static_cast<QAbstractButton*>(widget)->setText(text);
      break;
    case WidgetKind::GroupBox:
      static_cast<QGroupBox*>(widget)->setTitle(text);
      break;
    case WidgetKind::LineEdit:
      if (auto* edit = static_cast<QLineEdit*>(widget); edit->text() != text) edit->setText(text);
      break;
    case WidgetKind::MultiLineEdit: {
      auto* edit = static_cast<QPlainTextEdit*>(widget);
      const QString lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
      if (edit->toPlainText() != lines) edit->setPlainText(lines);
      break;
    }
    case WidgetKind::Label: {
      // A label marks the mnemonic of the control after it, its buddy; without a buddy the
      // mark would show as it is written.
      auto* label = static_cast<QLabel*>(widget);
      if (shot.style & kNoPrefix)
        label->setText(label->buddy() ? QString(text).replace(u'&', QStringLiteral("&&")) : text);
      else
        label->setText(label->buddy() ? text : WithoutMnemonics(text));
      break;
    }
    case WidgetKind::CheckList:
      static_cast<CheckListWidget*>(widget)->ShowCaption(text);
      break;
    default:
      break;
  }
}

void ApplyCheck(QWidget* widget, WidgetKind kind, const WindowSnapshot& shot) {
  const int check = shot.check.value_or(0);
  if (kind == WidgetKind::CheckBox)
    static_cast<QCheckBox*>(widget)->setCheckState(check == BST_CHECKED         ? Qt::Checked
                                                   : check == BST_INDETERMINATE ? Qt::PartiallyChecked
                                                                                : Qt::Unchecked);
  else if (kind == WidgetKind::RadioButton)
    static_cast<QRadioButton*>(widget)->setChecked(check != BST_UNCHECKED);
}

void ApplyItems(QWidget* widget, WidgetKind kind, const WindowSnapshot& shot) {
  if (kind == WidgetKind::ComboBox) {
    auto* combo = static_cast<QComboBox*>(widget);
    const QStringList items = ItemsOf(shot);
    QStringList shown;
    for (int index = 0; index < combo->count(); ++index) shown.push_back(combo->itemText(index));
    if (shown != items) {
      combo->clear();
      combo->addItems(items);
    }
  } else if (kind == WidgetKind::ListBox) {
    auto* list = static_cast<QListWidget*>(widget);
    list->clear();
    list->addItems(ItemsOf(shot));
  } else if (kind == WidgetKind::CheckList && shot.listItems) {
    static_cast<CheckListWidget*>(widget)->ShowItems(*shot.listItems);
  }
}

void ApplySelection(QWidget* widget, WidgetKind kind, const WindowSnapshot& shot) {
  const int selection = shot.selection.value_or(-1);
  if (kind == WidgetKind::ComboBox)
    static_cast<QComboBox*>(widget)->setCurrentIndex(selection);
  else if (kind == WidgetKind::ListBox)
    static_cast<QListWidget*>(widget)->setCurrentRow(selection);
}

void ApplyReadOnly(QWidget* widget, WidgetKind kind, const WindowSnapshot& shot) {
  const bool readOnly = shot.readOnly.value_or(false);
  if (kind == WidgetKind::LineEdit)
    static_cast<QLineEdit*>(widget)->setReadOnly(readOnly);
  else if (kind == WidgetKind::MultiLineEdit)
    static_cast<QPlainTextEdit*>(widget)->setReadOnly(readOnly);
}

void ApplyStyle(QWidget* widget, WidgetKind kind, const WindowSnapshot& shot) {
  if (kind == WidgetKind::CheckBox) {
    const DWORD type = shot.style & BS_TYPEMASK;
    static_cast<QCheckBox*>(widget)->setTristate(type == BS_3STATE || type == BS_AUTO3STATE);
    ApplyCheck(widget, kind, shot);
  } else if (kind == WidgetKind::PushButton) {
    static_cast<QPushButton*>(widget)->setDefault((shot.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
  }
  widget->setAttribute(Qt::WA_TransparentForMouseEvents, LetsPointerThrough(kind, shot.style));
}

void ApplyIcon(QWidget* widget, WidgetKind kind, const WindowSnapshot& shot) {
  if (kind != WidgetKind::Icon) return;
  const auto icon = reinterpret_cast<HICON>(SendMessageA(shot.handle, STM_GETICON, 0, 0));
  static_cast<QLabel*>(widget)->setPixmap(IconPixmap(icon, shot.handle));
}

void ApplyFont(QWidget* widget, const WindowSnapshot& shot) {
  if (shot.font) widget->setFont(FontFor(*shot.font));
}

}  // namespace

QString WithoutMnemonics(const QString& text) {
  QString plain;
  plain.reserve(text.size());
  for (qsizetype at = 0; at < text.size(); ++at) {
    if (text[at] == u'&' && at + 1 < text.size())
      ++at;
    else if (text[at] == u'&')
      continue;
    plain.push_back(text[at]);
  }
  return plain;
}

void ApplyChange(QWidget* widget, WidgetKind kind, const WindowSnapshot& shot, Change change) {
  if (!widget) return;
  const QSignalBlocker blocker(widget);
  switch (change) {
    case Change::Text:
      ApplyText(widget, kind, shot);
      break;
    case Change::Enabled:
      if (kind != WidgetKind::TopLevel) widget->setEnabled(shot.enabled);
      break;
    case Change::Style:
      ApplyStyle(widget, kind, shot);
      break;
    case Change::Check:
      ApplyCheck(widget, kind, shot);
      break;
    case Change::Font:
      ApplyFont(widget, shot);
      break;
    case Change::Items:
      ApplyItems(widget, kind, shot);
      ApplySelection(widget, kind, shot);
      break;
    case Change::Selection:
      ApplySelection(widget, kind, shot);
      break;
    case Change::ReadOnly:
      ApplyReadOnly(widget, kind, shot);
      break;
    case Change::Icon:
      ApplyIcon(widget, kind, shot);
      break;
    case Change::Visible:
    case Change::Rect:
      break;
  }
}

void ApplyState(QWidget* widget, WidgetKind kind, const WindowSnapshot& shot) {
  for (Change change : {Change::Font, Change::Style, Change::Text, Change::Check, Change::Items, Change::ReadOnly,
                        Change::Icon, Change::Enabled})
    ApplyChange(widget, kind, shot, change);
}

}  // namespace tessaly::desktop
