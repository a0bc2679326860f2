#include "help/viewer/help_window.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "help/viewer/help_browser.h"

namespace trevalon_help {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent), m_pBrowser(new HelpBrowser(this)) {
  auto* back = new QPushButton(tr("&Back"), this);
  auto* forward = new QPushButton(tr("&Forward"), this);
  auto* close = new QPushButton(tr("&Close"), this);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(back, &QPushButton::clicked, m_pBrowser, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, m_pBrowser, &QTextBrowser::forward);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(m_pBrowser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(m_pBrowser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  connect(m_pBrowser, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = m_pBrowser->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Trevalon Help") : tr("%1 - Trevalon Help").arg(title));
  });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(m_pBrowser);
  resize(760, 580);
}

void HelpWindow::Show(const QUrl& url) { m_pBrowser->setSource(url); }

}  // namespace trevalon_help
