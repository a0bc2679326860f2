#include "host/desktop/screenshot.h"

#include <QApplication>
#include <QPixmap>

namespace tessaly::desktop {

QImage Picture(QWidget* widget) {
  if (!widget) return QImage();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  return widget->grab().toImage();
}

bool SavePicture(QWidget* widget, const QString& pngPath) {
  const QImage picture = Picture(widget);
  return !picture.isNull() && picture.save(pngPath, "PNG");
}

}  // namespace tessaly::desktop
