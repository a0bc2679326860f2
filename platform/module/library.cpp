#include "platform/module/library.h"

#include <dlfcn.h>

#include <cstring>

#include "platform/process/module_path.h"

namespace platform::module {

namespace {
thread_local std::string lastError;
}

std::string LibraryPathFor(const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  const std::string executable = process::ExecutablePath();
  const std::size_t slash = executable.rfind('/');
  if (slash == std::string::npos) return {};
  return executable.substr(0, slash + 1) + name;
}

std::string LastLoadError() { return lastError; }

}  // namespace platform::module

HMODULE LoadLibraryA(LPCSTR name) {
  using namespace platform::module;
  if (!name || !*name) {
    lastError = "no library name";
    return nullptr;
  }
  // dlopen searches only for names without "/": every path we hand it has one.
  const std::string path = LibraryPathFor(name);
  if (path.empty()) {
    lastError = "no folder to look for " + std::string(name) + " in";
    return nullptr;
  }
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* reason = ::dlerror();
    lastError = reason ? reason : "cannot load " + path;
    return nullptr;
  }
  lastError.clear();
  return static_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
  if (!module || !name) return nullptr;
  void* address = ::dlsym(module, name);
  if (!address) return nullptr;
  FARPROC entry;
  static_assert(sizeof entry == sizeof address);
  std::memcpy(&entry, &address, sizeof entry);
  return entry;
}

BOOL FreeLibrary(HMODULE module) {
  if (!module) return FALSE;
  return ::dlclose(module) == 0 ? TRUE : FALSE;
}
