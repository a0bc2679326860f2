// The desktop host as a person meets it: from the start of the process to the first painted
// frame of the sheet with the tab (offscreen), and the host's peak memory with the tab open.

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

const std::string kBuild = TESSALY_BINARY_DIR;

struct Run {
  bool ok = false;
  double seconds = 0;
  long peakKilobytes = 0;
};

std::string SettingsFile() {
  static const std::string path = [] {
    const std::string file = "/tmp/tessaly-desktop-bench-" + std::to_string(::getpid()) + ".cfg";
    std::ofstream(file) << "[WEB]\nSimulateCache=1\n";
    return file;
  }();
  return path;
}

// tessaly-host --first-frame: it exits once the sheet has been painted.
Run FirstFrame() {
  const std::string host = kBuild + "/bin/tessaly-host";
  const std::string settings = SettingsFile();
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::freopen("/dev/null", "w", stderr);
    ::execl(host.c_str(), host.c_str(), "--first-frame", settings.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  Run run;
  int status = 0;
  rusage usage{};
  if (child < 0 || ::wait4(child, &status, 0, &usage) != child) return run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  run.peakKilobytes = usage.ru_maxrss;
  return run;
}

void HostStartToFirstFrame(benchmark::State& state) {
  long peak = 0;
  for (auto _ : state) {
    const Run run = FirstFrame();
    if (!run.ok) {
      state.SkipWithError("tessaly-host --first-frame failed");
      break;
    }
    state.SetIterationTime(run.seconds);
    peak = std::max(peak, run.peakKilobytes);
  }
  state.counters["peak_rss_MiB"] = static_cast<double>(peak) / 1024.0;
}
BENCHMARK(HostStartToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
