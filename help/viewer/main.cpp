// TrevalonHelp: shows the help page of a file URL. "--print-title" and "--dump" show nothing:
// they print what the page resolved to and exit, for scripts and tests.

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>
#include <QUrl>

#include <cstdio>

#include "help/viewer/help_browser.h"
#include "help/viewer/help_page_resolver.h"
#include "help/viewer/help_window.h"

namespace {

constexpr int kExitMissingPage = 1;
constexpr int kExitUsage = 2;

int Usage(const QString& problem) {
  QTextStream(stderr) << "TrevalonHelp: " << problem << "\n"
                      << "usage: TrevalonHelp [--print-title | --dump] file:///path/page.htm[?topicId=N][#anchor]\n";
  return kExitUsage;
}

int Print(trevalon_help::HelpWindow& window, const QUrl& url, bool dump) {
  const QUrl page = trevalon_help::ResolveHelpPage(url);
  if (!QFileInfo(page.toLocalFile()).isFile()) {
    QTextStream(stderr) << "TrevalonHelp: cannot open " << page.toLocalFile() << "\n";
    return kExitMissingPage;
  }
  window.Show(url);
  trevalon_help::HelpBrowser& browser = window.Browser();
  QTextStream out(stdout);
  if (!dump) {
    out << browser.documentTitle() << "\n";
    return 0;
  }
  out << "title=" << browser.documentTitle() << "\n";
  out << "page=" << page.toString(QUrl::RemoveFragment) << "\n";
  if (page.hasFragment())
    out << "anchor=" << page.fragment() << (browser.HasAnchor(page.fragment()) ? " found" : " missing") << "\n";
  out << "text=" << browser.toPlainText().replace('\n', ' ') << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Printing needs no screen.
  for (int i = 1; i < argc; ++i) {
    const QByteArray argument(argv[i]);
    if ((argument == "--print-title" || argument == "--dump") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("TrevalonHelp"));
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  const bool printTitle = arguments.removeAll(QStringLiteral("--print-title")) > 0;
  const bool dump = arguments.removeAll(QStringLiteral("--dump")) > 0;
  if (arguments.size() != 1) return Usage(QStringLiteral("one help page URL expected"));
  const QUrl url(arguments.front(), QUrl::StrictMode);
  if (!url.isValid() || !url.isLocalFile()) return Usage(QStringLiteral("not a file URL: ") + arguments.front());

  trevalon_help::HelpWindow window;
  if (printTitle || dump) return Print(window, url, dump);
  window.Show(url);
  window.show();
  return application.exec();
}
