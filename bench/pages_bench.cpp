// The costs a user waits for on the tab: the tab's window made on a realistic settings file
// until its start hint shows, and each of its dialogs opened and closed.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "pages/browser_emu.h"
#include "pages/browser_type.h"
#include "pages/content_types.h"
#include "platform/afx/afx_string.h"
#include "platform/afx/win_thread.h"
#include "platform/resource/resource_chain.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "resources/library_resources.h"

namespace {

// A script's settings as the recorder leaves them: the tab's keys among many others.
constexpr const char kSettings[] =
    "[General]\r\nCannedScriptType=0\r\nContinueOnError=0\r\nFailTransOnErrorMsg=0\r\nAutomaticTransactions=0\r\n"
    "AutomaticTransactionsPerFunc=0\r\nDefaultRunLogic=default.usp\r\n[ThinkTime]\r\nOptions=NOTHINK\r\n"
    "Factor=1\r\nLimitFlag=0\r\nLimit=1\r\n[Iterations]\r\nNumOfIterations=1\r\nIterationPace=IterationASAP\r\n"
    "[Log]\r\nLogOptions=LogBrief\r\nMsgClassData=0\r\nMsgClassParameters=0\r\nMsgClassFull=0\r\n"
    "[WEB]\r\nWebRecorderVersion=12\r\nSimulateCache=1\r\nSearchForImages=True\r\nResetContext=True\r\n"
    "CacheAlwaysCheckForNewerPages=No\r\nCacheHtmlPages=Yes\r\nClearCacheForSimulateNewUser=True\r\n"
    "UseCustomAgent=0\r\nUseBrowserAgent=1\r\nBrowser_Type=Mozilla Firefox\r\nBrowserVer=6.0\r\n"
    "BrowserPlatform=WinXP\r\nBrowserLanguage=en-us\r\nCustomUserAgent=Mozilla/4.0 (compatible; MSIE 6.0; Windows "
    "NT)\r\n"
    "BrowserUserAgent=Mozilla/5.0 (Windows NT 5.1; rv:6.0; en-us) Gecko/20110814 Firefox/6.0\r\n"
    "KeepNonTextMimeTypeForQuillet=text/xml;1;text/plain;0;application/json;1\r\nKeepNonTextMimeType=text/"
    "xml;application/json\r\n"
    "IgnoreContentCachingTypes=0\r\nProxyUseBrowser=0\r\nProxyUseProxy=0\r\nProxyHTTPHost=\r\nProxyHTTPPort=443\r\n"
    "ProxyHTTPSHost=\r\nProxyHTTPSPort=443\r\nProxyUseSame=1\r\nProxyNoLocal=0\r\nProxyBypass=\r\nProxyUserName=\r\n"
    "ProxyPassword=\r\nProxyUseAutoConfigScript=0\r\nProxyAutoConfigScriptURL=\r\nProxyUseProxyServer=0\r\n"
    "MaxConnections=4\r\nKeepAlive=Yes\r\nEnableChecks=0\r\nAnalogMode=0\r\nMaxConnectionsPerHost=6\r\n"
    "HttpVer=1.1\r\nStartRecordingGMT=0\r\nTimeout=120\r\nPageTimeout=120\r\nResponseTimeout=120\r\n";

// The library's resources in the chain, the host's frame as the main window, the settings file.
class Host {
 public:
  Host() : m_folder(std::filesystem::temp_directory_path() / ("tessaly-bench-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(m_folder);
    m_file = (m_folder / "default.cfg").string();
    std::ofstream(m_file, std::ios::binary) << kSettings;
    platform::JoinResourceChain(tessaly::res::LibraryModule());
    m_frame = CreateWindowExA(0, "#32770", "Run-time settings", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 900, 700, nullptr, 0,
                              nullptr);
    AfxGetThread()->m_pMainWnd = CWnd::FromHandle(m_frame);
  }
  ~Host() {
    AfxGetThread()->m_pMainWnd = nullptr;
    DestroyWindow(m_frame);
    platform::LeaveResourceChain(tessaly::res::LibraryModule());
    std::filesystem::remove_all(m_folder);
  }
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  const std::string& File() const { return m_file; }
  CWnd* Frame() const { return CWnd::FromHandle(m_frame); }

 private:
  std::filesystem::path m_folder;
  std::string m_file;
  HWND m_frame = nullptr;
};

void TabUntilStartHint(benchmark::State& state) {
  Host host;
  for (auto _ : state) {
    CBrowserEmu tab(host.File().c_str(), "", "HTTP");
    tab.CreatePage(host.Frame());
    platform::window::PumpPending();
    CString title;
    tab.m_wndHintTitle.GetWindowText(title);
    if (title != "Hint:") state.SkipWithError("the start hint was not shown");
  }
}
BENCHMARK(TabUntilStartHint)->Unit(benchmark::kMicrosecond);

// With nobody to answer it, a dialog is cancelled as soon as it has shown its first state.
void UserAgentDialogOpenAndClose(benchmark::State& state) {
  Host host;
  for (auto _ : state) {
    CBrowserType dialog(host.File().c_str());
    benchmark::DoNotOptimize(dialog.DoModal());
  }
}
BENCHMARK(UserAgentDialogOpenAndClose)->Unit(benchmark::kMicrosecond);

void ContentTypesDialogOpenAndClose(benchmark::State& state) {
  Host host;
  for (auto _ : state) {
    CContentTypes dialog(host.File().c_str(), "HTTP");
    benchmark::DoNotOptimize(dialog.DoModal());
  }
}
BENCHMARK(ContentTypesDialogOpenAndClose)->Unit(benchmark::kMicrosecond);

}  // namespace
