// Profile reads and writes on files of the sizes a settings file reaches, and the tab's load.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/profile/profile.h"
#include "settings/browser_emu_settings.h"

namespace {

// A folder of its own for the run, removed at exit.
const std::string& BenchFolder() {
  static const std::string folder = [] {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/tessaly-bench-XXXXXX";
    if (!::mkdtemp(pattern.data())) std::abort();
    std::atexit([] { std::filesystem::remove_all(BenchFolder()); });
    return pattern;
  }();
  return folder;
}

// 20 sections of 20 lines each; "WEB" is the last, as a realistic file has it after the rest.
const std::string& SettingsFile400Lines() {
  static const std::string path = [] {
    const std::string file = BenchFolder() + "/default.cfg";
    std::ofstream out(file, std::ios::binary);
    for (int section = 0; section < 19; ++section) {
      out << "[Section" << section << "]\r\n";
      for (int key = 0; key < 19; ++key) out << "Key" << key << "=value of key " << key << "\r\n";
    }
    out << "[WEB]\r\nSimulateCache=1\r\nSearchForImages=True\r\nResetContext=True\r\n"
           "ClearCacheForSimulateNewUser=True\r\nCacheAlwaysCheckForNewerPages=No\r\nWebRecorderVersion=5\r\n"
           "CacheHtmlPages=Yes\r\n";
    for (int key = 7; key < 19; ++key) out << "Other" << key << "=x\r\n";
    return file;
  }();
  return path;
}

const std::string& TenMegabyteFile() {
  static const std::string path = [] {
    const std::string file = BenchFolder() + "/large.cfg";
    std::ofstream out(file, std::ios::binary);
    const std::string line = "Key=" + std::string(96, 'v') + "\r\n";
    out << "[Bulk]\r\n";
    for (std::size_t written = 0; written < (10u << 20); written += line.size()) out << line;
    out << "[WEB]\r\nSimulateCache=1\r\n";
    return file;
  }();
  return path;
}

void BM_ReadFrom400LineFile(benchmark::State& state) {
  char buffer[256];
  const std::string& file = SettingsFile400Lines();
  for (auto _ : state) {
    benchmark::DoNotOptimize(GetPrivateProfileStringA("WEB", "CacheHtmlPages", "No", buffer, 256, file.c_str()));
  }
}
BENCHMARK(BM_ReadFrom400LineFile);

void BM_TabLoad(benchmark::State& state) {
  const tessaly::CBrowserEmuSettings settings(SettingsFile400Lines());
  for (auto _ : state) benchmark::DoNotOptimize(settings.Load(""));
}
BENCHMARK(BM_TabLoad);

void BM_WriteTo400LineFile(benchmark::State& state) {
  const std::string& file = SettingsFile400Lines();
  bool on = false;
  for (auto _ : state) {
    on = !on;  // a changed value, so that every write replaces the file
    benchmark::DoNotOptimize(WritePrivateProfileStringA("WEB", "SearchForImages", on ? "True" : "False", file.c_str()));
  }
}
BENCHMARK(BM_WriteTo400LineFile)->Unit(benchmark::kMicrosecond);

void BM_ReadFrom10MegabyteFile(benchmark::State& state) {
  char buffer[256];
  const std::string& file = TenMegabyteFile();
  for (auto _ : state) {
    benchmark::DoNotOptimize(GetPrivateProfileStringA("WEB", "SimulateCache", "0", buffer, 256, file.c_str()));
  }
}
BENCHMARK(BM_ReadFrom10MegabyteFile)->Unit(benchmark::kMillisecond);

}  // namespace
