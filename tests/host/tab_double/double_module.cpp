#include "tests/host/tab_double/double_module.h"

#include <array>
#include <string_view>

#include "platform/win32/messages.h"
#include "platform/win32/structs.h"

namespace tessaly::test::double_tab {

namespace {

using platform::DialogControl;
using platform::DialogTemplate;

constexpr DWORD kShown = WS_VISIBLE;
constexpr std::array<std::string_view, 3> kColours = {"Red", "Green", "Blue"};

constexpr DialogControl kPageControls[] = {
    {kKeep, "Button", kShown | WS_TABSTOP | BS_AUTOCHECKBOX, "&Keep", 10, 10, 80, 10},
    {kFollow, "Button", kShown | WS_TABSTOP | BS_AUTOCHECKBOX, "&Follow", 20, 24, 80, 10},
    {kMayLeave, "Button", kShown | WS_TABSTOP | BS_AUTOCHECKBOX, "May &leave", 10, 38, 80, 10},
    {kName, "Edit", kShown | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, "", 100, 10, 100, 14},
    {kCreation, "Edit", kShown | ES_READONLY | ES_AUTOHSCROLL, "", 100, 28, 200, 14},
    {kColour, "ComboBox", kShown | WS_TABSTOP | CBS_DROPDOWNLIST, "", 100, 46, 100, 60, 0, kColours},
    {kOpen, "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "&Open...", 210, 10, 50, 14},
    {kWarn, "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "&Warn", 210, 28, 50, 14},
    {kPicture, "Static", kShown | SS_SUNKEN, "", 210, 46, 40, 16},
    {IDOK, "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "Done", 210, 70, 50, 14},
    {kHintTitle, "Button", kShown | BS_GROUPBOX, "Help Title", 7, 100, 300, 60},
    {kHintText, "Static", kShown, "This is item description, with operational instructions", 13, 111, 288, 44},
};
constexpr DialogTemplate kPage{
    kPageTemplate, WS_CHILD | DS_SETFONT, "Double Tab", "MS Sans Serif", 8, ANSI_CHARSET, 320, 170, kPageControls};

constexpr DialogControl kDialogControls[] = {
    {kDialogName, "Edit", kShown | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, "", 10, 10, 120, 14},
    {kMore, "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "&More...", 140, 10, 50, 14},
    {kTypes, "TessalyCheckList", kShown | WS_TABSTOP, "", 10, 30, 120, 50},
    {IDOK, "Button", kShown | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 200, 10, 50, 14},
    {IDCANCEL, "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "Cancel", 200, 28, 50, 14},
    {static_cast<int>(ID_HELP), "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "&Help", 200, 46, 50, 14},
    {kHintTitle, "Button", kShown | BS_GROUPBOX, "Help Title", 7, 90, 250, 40},
    {kHintText, "Static", kShown, "This is item description, with operational instructions", 13, 100, 238, 26},
};
constexpr DialogTemplate kDialog{kDialogTemplate,
                                 WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
                                 "Double Dialog",
                                 "MS Sans Serif",
                                 8,
                                 ANSI_CHARSET,
                                 260,
                                 135,
                                 kDialogControls};

constexpr DialogTemplate kDialogs[] = {kPage, kDialog};

constexpr platform::StringResource kStrings[] = {
    {kStartTitle, "Start"},
    {kStartText, "Rest the pointer on a control."},
    {kKeepTitle, "Keep"},
    {kKeepText, "Keeps the value."},
    {kOpenTitle, "Open"},
    {kOpenText, "Opens the dialog."},
    {kNameMissing, "Type a name first."},
    {kWarning, "Caf\xe9 warning"},
    // The host's own caption of a read-only window's OK button comes first in the chain.
    {20430, "Shut"},
};

}  // namespace

const platform::ResourceModule& DoubleModule() {
  static constexpr platform::ResourceModule kModule{"tab-double", kStrings, kDialogs};
  return kModule;
}

ModuleState& State() {
  static ModuleState state;
  return state;
}

}  // namespace tessaly::test::double_tab
