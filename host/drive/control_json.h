#pragma once

// What a window shows, as the driver's dump prints it.

#include <nlohmann/json.hpp>

#include "platform/win32/types.h"

namespace tessaly::host {

// One control object: id, class, text, enabled, visible, style, rect (pixels in `window`) and,
// where they apply, check, readonly, items, selection and font.
nlohmann::ordered_json ControlJson(HWND control, HWND window);

// {"window":TEMPLATE_ID,"controls":[...]} with every descendant of the window, depth first in
// Z-order.
nlohmann::ordered_json WindowJson(HWND window);

}  // namespace tessaly::host
