#include "os/karvil32/karvil32.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/text/user_locale.h"

extern "C" {

int os_get_os_lang(void) { return platform::text::UserLocaleIsJapanese() ? OS_LANG_JAPANESE : OS_LANG_WESTERN; }

int os_get_dir_name(const char* path, char* buffer) {
  if (!buffer) return -1;
  buffer[0] = '\0';
  if (!path) return -1;
  std::string_view folder(path);
  while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
  const std::size_t slash = folder.rfind('/');
  if (slash == std::string_view::npos)
    folder = ".";
  else
    folder = slash == 0 ? std::string_view("/") : folder.substr(0, slash);
  if (folder.size() >= OS_DIR_NAME_BUFFER) return -1;
  std::memcpy(buffer, folder.data(), folder.size());
  buffer[folder.size()] = '\0';
  return 0;
}

OsStrSb xfvOsStrCreate(const char* text) {
  const std::size_t length = text ? std::strlen(text) : 0;
  OsStrSb holder{static_cast<char*>(std::malloc(length + 1)), static_cast<unsigned long>(length)};
  if (!holder.text) return {nullptr, 0};
  if (length) std::memcpy(holder.text, text, length);
  holder.text[length] = '\0';
  return holder;
}

void xfvOsStrDestruct(OsStrSb* holder) {
  if (!holder) return;
  std::free(holder->text);
  holder->text = nullptr;
  holder->length = 0;
}

}  // extern "C"
