#pragma once

// The Qt font for a font of the layer. A face the machine lacks (the templates' "MS Sans
// Serif", the Japanese class fonts) is drawn in a family that has its script, at a size whose
// letters are no wider than the original's, so that texts fit the places the templates give.

#include <QFont>

#include "platform/window/snapshot.h"

namespace tessaly::desktop {

QFont FontFor(const platform::window::FontSnapshot& font);

}  // namespace tessaly::desktop
