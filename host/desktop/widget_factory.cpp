#include "host/desktop/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "host/desktop/check_list_widget.h"
#include "host/desktop/top_level_widget.h"
#include "platform/win32/messages.h"

namespace tessaly::desktop {

namespace {

constexpr DWORD kBorder = WS_BORDER;
constexpr DWORD kStaticCentre = 0x1;
constexpr DWORD kStaticRight = 0x2;

QWidget* MakeButton(WidgetKind kind, DWORD style, QWidget* parent) {
  switch (kind) {
    case WidgetKind::CheckBox: {
      auto* box = new QCheckBox(parent);
      const DWORD type = style & BS_TYPEMASK;
      box->setTristate(type == BS_3STATE || type == BS_AUTO3STATE);
      return box;
    }
    case WidgetKind::RadioButton: {
      // The layer keeps the group: Qt must not uncheck siblings on its own.
      auto* radio = new QRadioButton(parent);
      radio->setAutoExclusive(false);
      return radio;
    }
    case WidgetKind::GroupBox:
      return new QGroupBox(parent);
    default: {
      auto* button = new QPushButton(parent);
      button->setDefault((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
      button->setAutoDefault(false);
      return button;
    }
  }
}

QWidget* MakeEdit(WidgetKind kind, DWORD style, QWidget* parent) {
  if (kind == WidgetKind::MultiLineEdit) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setFrameShape((style & kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy((style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    edit->viewport()->setAutoFillBackground(false);
    edit->setBackgroundVisible(false);
    edit->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; }"));
    edit->document()->setDocumentMargin(1);
    return edit;
  }
  auto* edit = new QLineEdit(parent);
  edit->setFrame((style & kBorder) != 0);
  return edit;
}

QWidget* MakeStatic(WidgetKind kind, DWORD style, QWidget* parent) {
  if (kind == WidgetKind::Separator) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape((style & SS_TYPEMASK) == SS_ETCHEDHORZ ? QFrame::HLine : QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
  }
  auto* label = new QLabel(parent);
  if (kind == WidgetKind::Icon) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
  }
  const DWORD align = style & SS_TYPEMASK;
  label->setAlignment((align == kStaticCentre  ? Qt::AlignHCenter
                       : align == kStaticRight ? Qt::AlignRight
                                               : Qt::AlignLeft) |
                      Qt::AlignTop);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QWidget* MakeOfKind(WidgetKind kind, DWORD style, QWidget* parent) {
  switch (kind) {
    case WidgetKind::TopLevel:
      return new TopLevelWidget(parent);
    case WidgetKind::PushButton:
    case WidgetKind::CheckBox:
    case WidgetKind::RadioButton:
    case WidgetKind::GroupBox:
      return MakeButton(kind, style, parent);
    case WidgetKind::LineEdit:
    case WidgetKind::MultiLineEdit:
      return MakeEdit(kind, style, parent);
    case WidgetKind::Label:
    case WidgetKind::Icon:
    case WidgetKind::Separator:
      return MakeStatic(kind, style, parent);
    case WidgetKind::ComboBox:
      return new QComboBox(parent);
    case WidgetKind::ListBox:
      return new QListWidget(parent);
    case WidgetKind::CheckList:
      return new CheckListWidget(parent);
    case WidgetKind::CheckListInner:
      return nullptr;
    case WidgetKind::Container:
      break;
  }
  return new QWidget(parent);
}

}  // namespace

QWidget* MakeWidget(WidgetKind kind, DWORD style, QWidget* parent) {
  QWidget* widget = MakeOfKind(kind, style, parent);
  if (!widget) return nullptr;
  // The hint follows the pointer over every part of a control.
  widget->setMouseTracking(true);
  for (QWidget* part : widget->findChildren<QWidget*>()) part->setMouseTracking(true);
  if (LetsPointerThrough(kind, style)) widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  switch (kind) {
    case WidgetKind::TopLevel:
    case WidgetKind::Container:
    case WidgetKind::Label:
    case WidgetKind::Icon:
    case WidgetKind::Separator:
    case WidgetKind::GroupBox:
      widget->setFocusPolicy(Qt::NoFocus);
      break;
    default:
      widget->setFocusPolicy((style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
      break;
  }
  return widget;
}

}  // namespace tessaly::desktop
