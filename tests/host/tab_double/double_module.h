#pragma once

// A stand-in for the tab library, for the host's tests: a small tab on the framework with a
// control of each kind the driver acts on, a framework dialog it opens, and the module-wide
// state the exports set. Its resources join the host's chain while it is loaded.

#include <cstdint>
#include <string>

#include "platform/resource/resource_chain.h"

namespace tessaly::test::double_tab {

// Templates.
inline constexpr unsigned kPageTemplate = 9149;
inline constexpr unsigned kDialogTemplate = 9151;

// The page's controls.
inline constexpr int kKeep = 101;        // check box, stored as "Keep"
inline constexpr int kFollow = 102;      // check box, stored as "Follow"; enabled while Keep is checked
inline constexpr int kMayLeave = 103;    // check box: whether the page agrees to be left
inline constexpr int kName = 110;        // edit box, stored as "Name"
inline constexpr int kCreation = 111;    // read-only edit: what the page was created with
inline constexpr int kColour = 120;      // combo box, stored as "Colour"
inline constexpr int kOpen = 130;        // push button: runs the dialog
inline constexpr int kWarn = 131;        // push button: shows a message box
inline constexpr int kPicture = 140;     // picture frame, 60 x 26 pixels
inline constexpr int kDone = 1;          // push button with the id of OK
inline constexpr int kHintTitle = 1035;  // the hint panel
inline constexpr int kHintText = 1059;

// The dialog's controls.
inline constexpr int kDialogName = 201;  // edit box; OK refuses while it is empty
inline constexpr int kMore = 203;        // push button: runs another such dialog on top
inline constexpr int kTypes = 210;       // check list

// Strings.
inline constexpr unsigned kStartTitle = 9501;
inline constexpr unsigned kStartText = 9502;
inline constexpr unsigned kKeepTitle = 9503;
inline constexpr unsigned kKeepText = 9504;
inline constexpr unsigned kOpenTitle = 9505;
inline constexpr unsigned kOpenText = 9506;
inline constexpr unsigned kNameMissing = 9510;
inline constexpr unsigned kWarning = 9511;

inline constexpr char kSection[] = "DOUBLE";

const platform::ResourceModule& DoubleModule();

// What the exports set.
struct ModuleState {
  std::string scriptTypes;
  std::uintptr_t activeApp = 0;
};
ModuleState& State();

}  // namespace tessaly::test::double_tab
