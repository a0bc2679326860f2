#pragma once

// Pictures of the windows as they are on the screen, also without one (Qt's offscreen
// platform draws into memory just the same).

#include <QImage>
#include <QString>
#include <QWidget>

namespace tessaly::desktop {

// The widget and everything inside it, at the size it has; once its pending layout and
// painting are done.
QImage Picture(QWidget* widget);
// False when the file cannot be written.
bool SavePicture(QWidget* widget, const QString& pngPath);

}  // namespace tessaly::desktop
