// A program to be started by the tests: it writes down how it was started (its working
// folder, the descriptors it got, where its input and output go, whether it leads its own
// session, and its arguments) into the file named by TESSALY_TEST_RECORD, whole or not at all.

#include <dirent.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string LinkOf(const char* path) {
  char target[PATH_MAX];
  const ssize_t length = ::readlink(path, target, sizeof target);
  return length > 0 ? std::string(target, static_cast<std::size_t>(length)) : std::string();
}

// The open descriptors above the standard three, but the one that lists them.
std::string OpenDescriptors() {
  std::string list;
  DIR* folder = ::opendir("/proc/self/fd");
  if (!folder) return "?";
  while (const dirent* entry = ::readdir(folder)) {
    const int fd = std::atoi(entry->d_name);
    if (entry->d_name[0] == '.' || fd <= 2 || fd == ::dirfd(folder)) continue;
    list += (list.empty() ? "" : ",") + std::to_string(fd);
  }
  ::closedir(folder);
  return list;
}

}  // namespace

int main(int argc, char** argv) {
  const char* record = std::getenv("TESSALY_TEST_RECORD");
  if (!record) return 2;
  char folder[PATH_MAX];
  std::string fields[] = {::getcwd(folder, sizeof folder) ? folder : "?", OpenDescriptors(), LinkOf("/proc/self/fd/0"),
                          LinkOf("/proc/self/fd/1"), ::getsid(0) == ::getpid() ? "session" : "joined"};
  std::string content;
  for (const std::string& field : fields) content.append(field).push_back('\0');
  for (int i = 0; i < argc; ++i) content.append(argv[i]).push_back('\0');
  const std::string part = std::string(record) + ".part";
  FILE* out = std::fopen(part.c_str(), "wb");
  if (!out) return 3;
  std::fwrite(content.data(), 1, content.size(), out);
  if (std::fclose(out) != 0) return 4;
  return std::rename(part.c_str(), record) == 0 ? 0 : 5;
}
