#include "host/desktop/widget_kind.h"

#include "platform/crt/text.h"
#include "platform/win32/messages.h"
#include "platform/window/window_classes.h"

namespace tessaly::desktop {

namespace {

using platform::crt::EqualsIgnoringCase;
namespace classes = platform::window;

WidgetKind ButtonKind(DWORD style) {
  switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return WidgetKind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return WidgetKind::RadioButton;
    case BS_GROUPBOX:
      return WidgetKind::GroupBox;
    default:
      return WidgetKind::PushButton;
  }
}

WidgetKind StaticKind(DWORD style) {
  const DWORD type = style & SS_TYPEMASK;
  if (type == SS_ICON) return WidgetKind::Icon;
  // Rectangles and frames (SS_BLACKRECT 4 to SS_WHITEFRAME 9) and the etched ones (0x10 to 0x12).
  if ((type >= 4 && type <= 9) || (type >= SS_ETCHEDHORZ && type <= 0x12)) return WidgetKind::Separator;
  return WidgetKind::Label;
}

}  // namespace

WidgetKind KindOf(std::string_view className, DWORD style, std::string_view parentClass) {
  if (!(style & WS_CHILD)) return WidgetKind::TopLevel;
  if (EqualsIgnoringCase(className, classes::kButtonClass)) return ButtonKind(style);
  if (EqualsIgnoringCase(className, classes::kEditClass))
    return (style & ES_MULTILINE) ? WidgetKind::MultiLineEdit : WidgetKind::LineEdit;
  if (EqualsIgnoringCase(className, classes::kStaticClass)) return StaticKind(style);
  if (EqualsIgnoringCase(className, classes::kComboBoxClass)) return WidgetKind::ComboBox;
  if (EqualsIgnoringCase(className, classes::kCheckListClass)) return WidgetKind::CheckList;
  if (EqualsIgnoringCase(className, classes::kListBoxClass) || EqualsIgnoringCase(className, classes::kComboListClass))
    return EqualsIgnoringCase(parentClass, classes::kCheckListClass) ? WidgetKind::CheckListInner : WidgetKind::ListBox;
  return WidgetKind::Container;
}

bool LetsPointerThrough(WidgetKind kind, DWORD style) {
  switch (kind) {
    case WidgetKind::GroupBox:
    case WidgetKind::Separator:
      return true;
    case WidgetKind::Label:
    case WidgetKind::Icon:
      return !(style & SS_NOTIFY);
    default:
      return false;
  }
}

}  // namespace tessaly::desktop
