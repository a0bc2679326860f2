#include "help/viewer/help_browser.h"

#include <QFileInfo>
#include <QTextBlock>

#include "help/viewer/help_page_resolver.h"

namespace trevalon_help {

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
  setOpenExternalLinks(true);
  setOpenLinks(true);
}

bool HelpBrowser::HasAnchor(const QString& name) const {
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      if (fragment.fragment().charFormat().anchorNames().contains(name)) return true;
    }
  }
  return false;
}

void HelpBrowser::doSetSource(const QUrl& url, QTextDocument::ResourceType type) {
  const QUrl page = ResolveHelpPage(url);
  if (page.isLocalFile() && !QFileInfo(page.toLocalFile()).isFile()) {
    clear();
    setHtml(QStringLiteral("<html><head><title>Help page not found</title></head><body>"
                           "<h2>Help page not found</h2><p>The help page %1 is not installed.</p></body></html>")
                .arg(page.toLocalFile().toHtmlEscaped()));
    return;
  }
  QTextBrowser::doSetSource(page, type);
}

}  // namespace trevalon_help
