#include "platform/registry/registry.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstring>

#include "platform/crt/text.h"
#include "platform/profile/profile.h"
#include "platform/profile/profile_file.h"
#include "platform/profile/profile_text.h"

namespace platform::registry {

namespace {

struct Root {
  HKEY handle;
  std::string_view name;
  std::string_view alias;
};

const std::array<Root, 4>& Roots() {
  static const std::array<Root, 4> roots{{{HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT", "HKCR"},
                                          {HKEY_CURRENT_USER, "HKEY_CURRENT_USER", "HKCU"},
                                          {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE", "HKLM"},
                                          {HKEY_USERS, "HKEY_USERS", "HKU"}}};
  return roots;
}

// An open key is its canonical path on the heap; the roots are fixed values.
struct OpenKey {
  std::string path;
};

std::string_view TrimSeparators(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return path;
}

std::string ValueName(std::string_view name) { return name.empty() ? std::string("@") : std::string(name); }

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return ".";
}

bool KeyExists(const std::string& path) {
  profile::FileText content;
  (void)profile::ReadFile(StoreFilePath(), content);
  return profile::Find(content.text, path, nullptr).section_found;
}

std::optional<std::string> PathOf(HKEY key) {
  for (const Root& root : Roots())
    if (key == root.handle) return std::string(root.name);
  if (!key) return std::nullopt;
  return reinterpret_cast<const OpenKey*>(key)->path;
}

LONG Open(HKEY root, LPCSTR subKey, HKEY* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  const auto base = PathOf(root);
  if (!base) return ERROR_INVALID_HANDLE;
  const std::string_view sub = TrimSeparators(subKey ? subKey : "");
  std::string path = *base;
  if (!sub.empty()) path.append("\\").append(sub);
  if (!KeyExists(path)) return ERROR_FILE_NOT_FOUND;
  *result = reinterpret_cast<HKEY>(new OpenKey{std::move(path)});
  return ERROR_SUCCESS;
}

}  // namespace

std::string StoreFilePath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const std::string base = (config && config[0] == '/') ? std::string(config) : HomeFolder() + "/.config";
  return base + "/Corvanex/Trevalon/registry.ini";
}

std::optional<std::string> CanonicalKeyPath(std::string_view keyPath) {
  keyPath = TrimSeparators(keyPath);
  const std::size_t slash = keyPath.find('\\');
  const std::string_view head = keyPath.substr(0, slash);
  for (const Root& root : Roots()) {
    if (crt::EqualsIgnoringCase(head, root.name) || crt::EqualsIgnoringCase(head, root.alias)) {
      std::string path(root.name);
      if (slash != std::string_view::npos) path.append(keyPath.substr(slash));
      return path;
    }
  }
  return std::nullopt;
}

std::optional<std::string> GetValue(std::string_view keyPath, std::string_view name) {
  const auto path = CanonicalKeyPath(keyPath);
  if (!path) return std::nullopt;
  return profile::ReadString(StoreFilePath(), *path, ValueName(name));
}

std::error_code SetValue(std::string_view keyPath, std::string_view name, std::string_view value) {
  const auto path = CanonicalKeyPath(keyPath);
  if (!path) return std::make_error_code(std::errc::invalid_argument);
  const std::string entry = ValueName(name);
  const std::string_view key = entry;
  profile::WriteOptions options;
  options.new_file_mode = 0600;
  options.create_missing_folders = true;
  return profile::Write(StoreFilePath(), *path, &key, &value, options);
}

}  // namespace platform::registry

using namespace platform::registry;

LONG RegOpenKeyExA(HKEY root, LPCSTR subKey, DWORD, REGSAM, HKEY* result) { return Open(root, subKey, result); }

LONG RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
  const auto path = PathOf(key);
  if (!path) return ERROR_INVALID_HANDLE;
  const auto value = GetValue(*path, name ? name : "");
  if (!value) return ERROR_FILE_NOT_FOUND;
  if (type) *type = REG_SZ;
  const DWORD needed = static_cast<DWORD>(value->size() + 1);
  if (!data) {
    if (size) *size = needed;
    return ERROR_SUCCESS;
  }
  if (!size) return ERROR_INVALID_PARAMETER;
  if (*size < needed) {
    *size = needed;
    return ERROR_MORE_DATA;
  }
  std::memcpy(data, value->c_str(), needed);
  *size = needed;
  return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY key, LPCSTR name, DWORD, DWORD type, const BYTE* data, DWORD size) {
  const auto path = PathOf(key);
  if (!path) return ERROR_INVALID_HANDLE;
  if (type != REG_SZ || (!data && size)) return ERROR_INVALID_PARAMETER;
  std::string_view text(reinterpret_cast<const char*>(data), data ? size : 0);
  text = text.substr(0, text.find('\0'));
  const std::error_code error = SetValue(*path, name ? name : "", text);
  if (!error) return ERROR_SUCCESS;
  return error == std::errc::permission_denied ? ERROR_ACCESS_DENIED : ERROR_INVALID_PARAMETER;
}

LONG RegCloseKey(HKEY key) {
  for (const Root& root : Roots())
    if (key == root.handle) return ERROR_SUCCESS;
  if (!key) return ERROR_INVALID_HANDLE;
  delete reinterpret_cast<OpenKey*>(key);
  return ERROR_SUCCESS;
}
