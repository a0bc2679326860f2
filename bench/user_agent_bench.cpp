// The User-Agent: one composition, and the dialog opening on a settings file with a
// catalogue of 60 languages.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "platform/process/module_path.h"
#include "settings/browser_selection.h"
#include "settings/memory_browser_lists.h"
#include "settings/user_agent_composer.h"

namespace {

void ComposeOne(benchmark::State& state) {
  std::string userAgent;
  for (auto _ : state) {
    const int result = tessaly::ComposeUserAgent("WinXP", "Microsoft Internet Explorer", "7.0", "en-us", userAgent);
    benchmark::DoNotOptimize(result);
    benchmark::DoNotOptimize(userAgent.data());
  }
}
BENCHMARK(ComposeOne);

void WriteText(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  if (!out) throw std::runtime_error("cannot write " + path);
}

// An installation in a temporary folder: the program in bin/, 60 languages in dat/, and a
// settings file in the composed case.
class Installation {
 public:
  Installation() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/tessaly-bench-XXXXXX";
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    m_root = pattern;
    std::filesystem::create_directories(m_root + "/bin");
    std::filesystem::create_directories(m_root + "/dat");
    std::string catalogue;
    for (int i = 0; i < 60; ++i) {
      const std::string tag = std::string(1, static_cast<char>('a' + i % 26)) + static_cast<char>('a' + i / 26);
      catalogue += tag + "-" + tag + ";Language " + std::to_string(60 - i) + " (Region " + tag + ")\r\n";
    }
    WriteText(m_root + "/dat/lang_code.txt", catalogue);
    WriteText(Settings(),
              "[General]\r\nCannedScriptType=0\r\n[WEB]\r\nSimulateCache=1\r\nSearchForImages=True\r\n"
              "Browser_Type=Mozilla Firefox\r\nBrowserVer=5.0\r\nBrowserPlatform=Windows 7\r\n"
              "BrowserLanguage=bb-bb\r\nCustomUserAgent=Mozilla/4.0 (compatible; MSIE 6.0; Windows NT)\r\n"
              "UseCustomAgent=0\r\nUseBrowserAgent=1\r\n"
              "BrowserUserAgent=Mozilla/5.0 (Windows NT 6.1; rv:5.0; bb-bb) Gecko/20110619 Firefox/5.0\r\n");
    platform::process::SetExecutablePath(m_root + "/bin/host");
  }
  ~Installation() {
    platform::process::SetExecutablePath({});
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
  }
  Installation(const Installation&) = delete;
  Installation& operator=(const Installation&) = delete;

  std::string Settings() const { return m_root + "/settings.ini"; }

 private:
  std::string m_root;
};

void DialogLoad(benchmark::State& state) {
  const Installation installation;
  for (auto _ : state) {
    tessaly::MemoryBrowserLists lists;
    tessaly::CBrowserSelection selection(installation.Settings(), lists.Bind());
    selection.FillTemplateEntries();
    selection.Load();
    benchmark::DoNotOptimize(lists.languages.Selection());
  }
}
BENCHMARK(DialogLoad)->Unit(benchmark::kMicrosecond);

void PageDisplayText(benchmark::State& state) {
  const Installation installation;
  for (auto _ : state) benchmark::DoNotOptimize(tessaly::CBrowserSelection::DisplayText(installation.Settings()));
}
BENCHMARK(PageDisplayText)->Unit(benchmark::kMicrosecond);

}  // namespace
