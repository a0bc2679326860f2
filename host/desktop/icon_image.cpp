#include "host/desktop/icon_image.h"

#include <QImage>

#include <map>

#include "platform/gdi/gdi.h"
#include "platform/resource/resource_chain.h"
#include "platform/window/dialog_manager.h"
#include "platform/window/window.h"

namespace tessaly::desktop {

namespace {

// An icon handle names no resource id; the templates of the dialogs around the control do,
// and the chain hands out one handle per id.
const platform::IconResource* ResourceOf(HICON icon, HWND shownIn) {
  static std::map<HICON, UINT> known;
  if (auto it = known.find(icon); it != known.end()) return platform::FindIcon(it->second);
  for (HWND up = shownIn; up; up = GetParent(up)) {
    const platform::DialogTemplate* dialog = platform::FindDialog(platform::window::DialogTemplateId(up));
    if (!dialog) continue;
    for (const platform::DialogControl& control : dialog->controls) {
      if (!control.iconId || LoadIconFromChain(control.iconId) != icon) continue;
      known.emplace(icon, control.iconId);
      return platform::FindIcon(control.iconId);
    }
  }
  return nullptr;
}

}  // namespace

QPixmap IconPixmap(HICON icon, HWND shownIn) {
  if (!icon) return QPixmap();
  const platform::IconResource* resource = ResourceOf(icon, shownIn);
  if (!resource || resource->width <= 0 || resource->height <= 0) return QPixmap();
  const auto count = static_cast<std::size_t>(resource->width) * static_cast<std::size_t>(resource->height);
  if (resource->pixels.size() < count) return QPixmap();
  QImage image(resource->width, resource->height, QImage::Format_ARGB32);
  for (int row = 0; row < resource->height; ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int column = 0; column < resource->width; ++column)
      line[column] = resource->pixels[static_cast<std::size_t>(row * resource->width + column)];
  }
  return QPixmap::fromImage(image);
}

}  // namespace tessaly::desktop
