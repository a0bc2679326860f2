#include "resources/dialog_templates.h"

#include <array>

#include "platform/win32/messages.h"
#include "platform/win32/structs.h"
#include "resources/resource_ids.h"
#include "settings/browser_lists.h"
#include "settings/edition.h"

namespace tessaly::res {

namespace {

using platform::DialogControl;
using platform::DialogTemplate;

constexpr bool kEarlier = kEdition == Edition::Earlier;
constexpr int kNoId = -1;
constexpr DWORD kShown = WS_VISIBLE;
constexpr const char kFont[] = "MS Sans Serif";
constexpr int kPoints = 8;
constexpr const char kHintTitle[] = "Help Title";
constexpr const char kHintText[] = "This is item description, with operational instructions";

// The edition's places of the tab's controls that differ.
constexpr short kButtonLeft = kEarlier ? 265 : 272;
constexpr short kDownloadWidth = kEarlier ? 136 : 161;
constexpr short kNewUserWidth = kEarlier ? 133 : 161;
constexpr short kClearCacheWidth = kEarlier ? 109 : 146;
constexpr short kLineLeft = kEarlier ? 105 : 98;

constexpr DialogControl kBrowserEmuControls[] = {
    {kNoId, "Static", kShown | WS_GROUP, "User-Agent (browser to be emulated):", 49, 21, 119, 10},
    {IDC_USER_AGENT, "Edit", kShown | ES_MULTILINE | ES_READONLY, "", 70, 33, 192, 18},
    {IDC_CHANGE_USER_AGENT, "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "&Change...", kButtonLeft, 27, 53, 15},
    {IDC_SIMULATE_CACHE, "Button", kShown | WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX, "Simulate &browser cache", 49, 50,
     138, 10},
    {IDC_CACHE_HTML_PAGES, "Button", kShown | WS_TABSTOP | BS_AUTOCHECKBOX, "Cach&e URLs requiring content (HTMLs)", 73,
     64, 141, 10},
    {IDC_ADVANCED, "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "Ad&vanced...", kButtonLeft, 62, 53, 14},
    {IDC_CHECK_NEWER_PAGES, "Button", kShown | WS_TABSTOP | BS_AUTOCHECKBOX,
     "Check for newer ve&rsions of stored pages every visit to the page", 73, 78, 239, 10},
    {IDC_SEARCH_FOR_IMAGES, "Button", kShown | WS_TABSTOP | BS_AUTOCHECKBOX, "&Download non-HTML resources", 49, 94,
     kDownloadWidth, 10},
    {IDC_RESET_CONTEXT, "Button", kShown | WS_TABSTOP | BS_AUTOCHECKBOX, "Simulate a &new user on each iteration", 49,
     109, kNewUserWidth, 10},
    {IDC_CLEAR_CACHE, "Button", kShown | WS_TABSTOP | BS_AUTOCHECKBOX, "Cle&ar cache on each iteration", 73, 123,
     kClearCacheWidth, 10},
    {IDC_HINT_TITLE, "Button", kShown | BS_GROUPBOX, kHintTitle, 7, kEarlier ? short{145} : short{144},
     kEarlier ? short{323} : short{336}, kEarlier ? short{59} : short{110}},
    {IDC_HINT_TEXT, "Static", kShown | WS_GROUP, kHintText, 13, kEarlier ? short{156} : short{155},
     kEarlier ? short{311} : short{323}, kEarlier ? short{41} : short{94}},
    {kNoId, "Static", kShown | SS_ICON, "", 13, 21, 20, 20, IDI_BROWSER_EMU},
    {kNoId, "Static", kShown | WS_GROUP, "Browser properties", 13, 4, 59, 8},
    {kNoId, "Static", kShown | SS_ETCHEDHORZ | SS_SUNKEN, "", kLineLeft, 8, 225, 1},
};

constexpr DWORD kDropDownList = kShown | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

constexpr DialogControl kBrowserTypeControls[] = {
    {kNoId, "Button", kShown | WS_GROUP | BS_GROUPBOX, "", 15, 10, 250, 90},
    {IDC_USE_BROWSER, "Button", kShown | BS_AUTORADIOBUTTON, "Use &browser", 20, 7, 67, 15},
    {IDC_USE_CUSTOM, "Button", kShown | BS_AUTORADIOBUTTON, "Use &custom browser", 20, 107, 86, 15},
    {kNoId, "Static", kShown | WS_GROUP, "Browser &type", 25, 27, 50, 10},
    {IDC_BROWSER_TYPE, "ComboBox", kDropDownList | (kBrowserTypeListSorts ? CBS_SORT : 0), "", 78, 26, 132, 71, 0,
     kBrowserTypeEntries},
    {kNoId, "Static", kShown | WS_GROUP, "Browser &version", 25, 45, 50, 10},
    {IDC_BROWSER_VERSION, "ComboBox", kDropDownList, "", 78, 44, 132, 51, 0, kInitialVersionEntries},
    {kNoId, "Static", kShown | WS_GROUP, "&Platform", 25, 63, 45, 10},
    {IDC_BROWSER_PLATFORM, "ComboBox", kDropDownList | CBS_SORT, "", 78, 62, 132, 48, 0, kPlatformEntries},
    {kNoId, "Static", kShown | WS_GROUP, "&Language", 25, 81, 50, 10},
    {IDC_BROWSER_LANGUAGE, "ComboBox", kDropDownList | CBS_SORT, "", 78, 80, 132, 70},
    {IDC_CUSTOM_USER_AGENT, "Edit", kShown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, "", 110, 108, 155, 15},
    {IDOK, "Button", kShown | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 92, 129, 50, 14},
    {IDCANCEL, "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "Cancel", 145, 129, 50, 14},
};

constexpr DialogControl kContentTypesControls[] = {
    {IDC_SPECIFY_TYPES, "Button", kShown | WS_TABSTOP | BS_AUTOCHECKBOX,
     "&Specify URLs requiring content in addition to HTML pages", 37, 14, 199, 10},
    {IDOK, "Button", kShown | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 241, 9, 50, 14},
    {IDCANCEL, "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "Cancel", 241, 26, 50, 14},
    {IDC_CONTENT_TYPE_LIST, "TessalyCheckList", kShown | WS_GROUP | WS_TABSTOP, "", 49, 28, 181, 88},
    {IDC_HINT_TITLE, "Button", kShown | BS_GROUPBOX, kHintTitle, 7, 120, 284, 45},
    {IDC_HINT_TEXT, "Static", kShown, kHintText, 11, 129, 273, 34},
    {IDC_USE_DEFAULTS, "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "&Use Defaults", 241, 69, 50, 14},
    {IDC_RESTORE_LIST, "Button", kShown | WS_TABSTOP | BS_PUSHBUTTON, "&Restore List", 241, 51, 50, 14},
    {kNoId, "Static", kShown | SS_ICON, "", 7, 11, 21, 20, IDI_CONTENT_TYPES},
};

constexpr DWORD kModalStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

constexpr DialogTemplate kDialogs[] = {
    {IDD_BROWSER_EMU, WS_CHILD | WS_CAPTION | DS_SETFONT, "Browser Emulation", kFont, kPoints, ANSI_CHARSET,
     kEarlier ? short{337} : short{360}, kEarlier ? short{209} : short{280}, kBrowserEmuControls},
    {IDD_BROWSER_TYPE, kModalStyle, "User-Agent", kFont, kPoints, ANSI_CHARSET, 284, 150, kBrowserTypeControls},
    {IDD_CONTENT_TYPES, kModalStyle, "Cache URL requiring content - advanced", kFont, kPoints, ANSI_CHARSET, 298, 172,
     kContentTypesControls},
};

}  // namespace

std::span<const platform::DialogTemplate> LibraryDialogs() { return kDialogs; }

}  // namespace tessaly::res
