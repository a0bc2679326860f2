#include "host/desktop/top_level_widget.h"

#include <QCloseEvent>

namespace tessaly::desktop {

TopLevelWidget::TopLevelWidget(QWidget* owner)
    : QWidget(owner, owner ? Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                           : Qt::Window) {}

void TopLevelWidget::closeEvent(QCloseEvent* event) {
  if (!m_closeRequest) {
    QWidget::closeEvent(event);
    return;
  }
  event->ignore();
  m_closeRequest();
}

}  // namespace tessaly::desktop
