// tessaly-host without --drive: the sheet with the library's tab in real windows, until the
// person closes it with OK or Cancel. Without a display it says so, unless it only renders
// the sheet offscreen (--screenshot) or waits for the first painted frame (--first-frame).

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <iostream>
#include <memory>

#include "host/desktop/desktop_session.h"
#include "host/desktop/host_sheet_controls.h"
#include "host/desktop/screenshot.h"
#include "host/desktop/sheet_window.h"
#include "host/desktop_front_end.h"
#include "host/sheet/tab_host.h"

namespace tessaly::host {

namespace {

constexpr int kExitFailure = 1;

bool HasDisplay() {
  for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* value = std::getenv(variable); value && *value) return true;
  return false;
}

// Quits the application once the window has been painted the first time.
class FirstFrame final : public QObject {
 public:
  explicit FirstFrame(QWidget* window) { window->installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !m_bPainted) {
      m_bPainted = true;
      QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
    return false;
  }

 private:
  bool m_bPainted = false;
};

int Fail(const std::string& problem) {
  std::cerr << "tessaly-host: " << problem << '\n';
  return kExitFailure;
}

}  // namespace

int RunDesktop(const DesktopOptions& options) {
  const bool offscreen = options.screenshot || options.firstFrame;
  if (offscreen && !std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!offscreen && !HasDisplay())
    return Fail("no display to show the sheet on (DISPLAY is not set); --screenshot FILE renders it offscreen");

  static int argc = 1;
  static char name[] = "tessaly-host";
  static char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Run-Time Settings"));

  desktop::DesktopSession session;
  TabHost::Opened opened = TabHost::Open(options.libraryPath, &session.HelpSink());
  if (!opened.host) return Fail(opened.error);
  TabHost& host = *opened.host;
  if (options.scriptTypes) host.Library().SetAdditionalData(options.scriptTypes->c_str());
  bool shown = false;
  session.Deliver(nullptr, [&] {
    shown = host.CreatePage(options.settingsFile.c_str(), "", options.protocol.c_str()) && host.Sheet().ShowCurrent();
  });
  if (!shown) return Fail("the library gave no page to show");

  desktop::HostSheetControls controls(host.Sheet());
  auto window = std::make_unique<desktop::SheetWindow>(session, controls);
  window->SetFinished([&session](bool) { session.Quit(0); });
  window->show();

  int exitCode = 0;
  if (options.screenshot) {
    if (!desktop::SavePicture(window.get(), QString::fromStdString(*options.screenshot)))
      exitCode = Fail("cannot write " + *options.screenshot);
  } else {
    std::unique_ptr<FirstFrame> firstFrame;
    if (options.firstFrame) firstFrame = std::make_unique<FirstFrame>(window.get());
    exitCode = QApplication::exec();
  }
  window.reset();
  opened.host.reset();
  return exitCode;
}

}  // namespace tessaly::host
