#pragma once

// Resource and control ids of the library.

#include "platform/win32/types.h"

namespace tessaly::res {

// Dialog templates and icons.
inline constexpr UINT IDD_BROWSER_EMU = 149;
inline constexpr UINT IDD_BROWSER_TYPE = 150;
inline constexpr UINT IDD_CONTENT_TYPES = 151;
inline constexpr UINT IDI_BROWSER_EMU = 152;
inline constexpr UINT IDI_CONTENT_TYPES = 153;

// Strings.
inline constexpr UINT IDS_CANNOT_OPEN_FILE = 11;
inline constexpr UINT IDS_BROWSER_NOT_SUPPORTED = 13;
inline constexpr UINT IDS_IE_ON_UNIX = 14;
inline constexpr UINT IDS_HINT_DEFAULT_TITLE = 3501;
inline constexpr UINT IDS_HINT_DEFAULT_TEXT = 3502;
inline constexpr UINT IDS_HINT_SIMULATE_CACHE_TITLE = 3503;
inline constexpr UINT IDS_HINT_SIMULATE_CACHE_TEXT = 3504;
inline constexpr UINT IDS_HINT_DOWNLOAD_TITLE = 3505;
inline constexpr UINT IDS_HINT_DOWNLOAD_TEXT = 3506;
inline constexpr UINT IDS_HINT_NEW_USER_TITLE = 3507;
inline constexpr UINT IDS_HINT_NEW_USER_TEXT = 3508;
inline constexpr UINT IDS_HINT_CHANGE_TITLE = 3509;
inline constexpr UINT IDS_HINT_CHANGE_TEXT = 3510;
inline constexpr UINT IDS_HINT_CACHE_HTML_TEXT = 3513;
inline constexpr UINT IDS_HINT_CACHE_HTML_TITLE = 3514;
inline constexpr UINT IDS_HINT_CHECK_NEWER_TITLE = 3515;
inline constexpr UINT IDS_HINT_CHECK_NEWER_TEXT = 3516;
inline constexpr UINT IDS_SUMMARY_BROWSER_CACHE = 3517;
inline constexpr UINT IDS_SUMMARY_CACHE_HTML = 3518;
inline constexpr UINT IDS_SUMMARY_DOWNLOAD = 3519;
inline constexpr UINT IDS_SUMMARY_NEW_USER = 3520;
inline constexpr UINT IDS_YES = 3521;
inline constexpr UINT IDS_NO = 3522;
inline constexpr UINT IDS_HINT_CONTENT_LIST_TITLE = 3525;
inline constexpr UINT IDS_HINT_CONTENT_LIST_TEXT = 3526;
inline constexpr UINT IDS_HINT_SPECIFY_TYPES_TITLE = 3527;
inline constexpr UINT IDS_HINT_SPECIFY_TYPES_TEXT = 3528;
inline constexpr UINT IDS_HINT_ADVANCED_TITLE = 3529;
inline constexpr UINT IDS_HINT_ADVANCED_TEXT = 3530;
inline constexpr UINT IDS_HINT_RESTORE_LIST_TITLE = 3531;
inline constexpr UINT IDS_HINT_RESTORE_LIST_TEXT = 3532;
inline constexpr UINT IDS_HINT_USE_DEFAULTS_TITLE = 3533;
inline constexpr UINT IDS_HINT_USE_DEFAULTS_TEXT = 3534;
inline constexpr UINT IDS_HINT_CLEAR_CACHE_TITLE = 3535;
inline constexpr UINT IDS_HINT_CLEAR_CACHE_TEXT = 3536;
inline constexpr UINT IDS_CONTENT_TYPES_CAPTION = 3537;

// Controls of the Browser Emulation page (149).
inline constexpr int IDC_USER_AGENT = 1051;
inline constexpr int IDC_CHANGE_USER_AGENT = 1040;
inline constexpr int IDC_SIMULATE_CACHE = 1041;
inline constexpr int IDC_SEARCH_FOR_IMAGES = 1042;
inline constexpr int IDC_RESET_CONTEXT = 1043;
inline constexpr int IDC_CACHE_HTML_PAGES = 1060;
inline constexpr int IDC_CHECK_NEWER_PAGES = 1061;
inline constexpr int IDC_ADVANCED = 1063;
inline constexpr int IDC_CLEAR_CACHE = 1069;

// The hint panel of every window that has one.
inline constexpr int IDC_HINT_TITLE = 1035;
inline constexpr int IDC_HINT_TEXT = 1059;

// Controls of the User-Agent dialog (150).
inline constexpr int IDC_BROWSER_TYPE = 1052;
inline constexpr int IDC_BROWSER_VERSION = 1053;
inline constexpr int IDC_BROWSER_PLATFORM = 1054;
inline constexpr int IDC_BROWSER_LANGUAGE = 1055;
inline constexpr int IDC_CUSTOM_USER_AGENT = 1056;
inline constexpr int IDC_USE_BROWSER = 1057;
inline constexpr int IDC_USE_CUSTOM = 1058;

// Controls of the content types dialog (151).
inline constexpr int IDC_SPECIFY_TYPES = 1064;
inline constexpr int IDC_USE_DEFAULTS = 1065;
inline constexpr int IDC_RESTORE_LIST = 1066;
inline constexpr int IDC_CONTENT_TYPE_LIST = 1068;
inline constexpr int IDC_CONTENT_TYPE_INNER_LIST = 105;

}  // namespace tessaly::res
