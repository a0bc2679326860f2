#pragma once

// The page view: read-only, following links inside the help, topic links of the invoker page
// included; links that leave the help go to the desktop.

#include <QTextBrowser>

namespace trevalon_help {

class HelpBrowser : public QTextBrowser {
 public:
  explicit HelpBrowser(QWidget* parent = nullptr);

  // Whether the shown page has an anchor of that name.
  bool HasAnchor(const QString& name) const;

 protected:
  void doSetSource(const QUrl& url, QTextDocument::ResourceType type) override;
};

}  // namespace trevalon_help
