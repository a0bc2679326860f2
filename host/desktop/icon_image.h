#pragma once

// The picture of an icon the layer gives a static control, from the icon's ARGB pixels in the
// resource chain. Null when the icon has no pixels.

#include <QPixmap>

#include "platform/win32/types.h"

namespace tessaly::desktop {

QPixmap IconPixmap(HICON icon, HWND shownIn);

}  // namespace tessaly::desktop
