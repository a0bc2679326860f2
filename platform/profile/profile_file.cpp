#include "platform/profile/profile_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <utility>

#include "platform/profile/file_faults.h"

namespace platform::profile {

namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

// A file descriptor that closes itself.
class Fd {
 public:
  explicit Fd(int fd = -1) : m_fd(fd) {}
  Fd(Fd&& other) noexcept : m_fd(other.Release()) {}
  Fd& operator=(Fd&& other) noexcept {
    Reset(other.Release());
    return *this;
  }
  ~Fd() { Reset(); }
  int Get() const { return m_fd; }
  bool Valid() const { return m_fd >= 0; }
  int Release() { return std::exchange(m_fd, -1); }
  void Reset(int fd = -1) {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = fd;
  }

 private:
  int m_fd;
};

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links to the file that a write has to replace, which may not exist yet.
std::error_code ResolveLinks(const std::string& path, std::string& target) {
  target = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return {};
    char link[PATH_MAX];
    const ssize_t length = ::readlink(target.c_str(), link, sizeof link);
    if (length < 0) return LastError();
    if (static_cast<std::size_t>(length) == sizeof link) return std::make_error_code(std::errc::filename_too_long);
    std::string next(link, static_cast<std::size_t>(length));
    target = (next.front() == '/' || target.find('/') == std::string::npos) ? next : FolderOf(target) + "/" + next;
  }
  return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// Reads straight into the text: the file's size is known, one more read finds the end.
std::error_code ReadAll(int fd, std::string& text, std::size_t expected) {
  text.resize(expected + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == text.size()) text.resize(text.size() * 2);
    if (!faults::Step()) return LastError();
    const ssize_t got = ::read(fd, text.data() + filled, text.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return LastError();
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  text.resize(filled);
  return {};
}

std::error_code WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    if (!faults::Step()) return LastError();
    const ssize_t put = ::write(fd, text.data(), text.size());
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return LastError();
    text.remove_prefix(static_cast<std::size_t>(put));
  }
  return {};
}

// A read-only mark is honoured even by a user whom the system would let write anyway.
bool MarkedReadOnly(const struct stat& info) { return (info.st_mode & 0222) == 0; }

bool MayWrite(const std::string& path, const struct stat& info) {
  return !MarkedReadOnly(info) && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

std::error_code MakeFolders(const std::string& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0)
    return S_ISDIR(info.st_mode) ? std::error_code{} : std::make_error_code(std::errc::not_a_directory);
  if (folder != "/" && folder != ".") {
    if (auto error = MakeFolders(FolderOf(folder))) return error;
  }
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return LastError();
  return {};
}

// The folder of the file, opened and locked for the whole write. Writers of one folder
// take turns; readers never wait, since they only ever see a whole old or whole new file.
std::error_code LockFolder(const std::string& folder, Fd& lock) {
  if (!faults::Step()) return LastError();
  lock.Reset(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!lock.Valid()) return LastError();
  while (::flock(lock.Get(), LOCK_EX) != 0) {
    if (errno != EINTR) return LastError();
  }
  return {};
}

// Whether the file may be replaced: the folder and an existing file must both be writable.
std::error_code CheckWritable(const std::string& path, const std::string& folder, const FileText& current,
                              const struct stat& info, int folder_fd) {
  struct stat folder_info {};
  if (::fstat(folder_fd, &folder_info) != 0) return LastError();
  if (MarkedReadOnly(folder_info) || ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
    return std::make_error_code(std::errc::permission_denied);
  }
  if (current.exists && !MayWrite(path, info)) return std::make_error_code(std::errc::permission_denied);
  return {};
}

// The current file under the lock: its text and, when it exists, its status.
std::error_code ReadCurrent(const std::string& path, FileText& current, struct stat& info) {
  if (auto error = ReadFile(path, current)) return error;
  if (current.exists && ::stat(path.c_str(), &info) != 0) return LastError();
  return {};
}

std::string TemporaryPathFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return FolderOf(path) + "/." + NameOf(path) + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

// Writes the new text beside the original and renames it into place.
std::error_code Replace(const std::string& path, const FileText& current, const struct stat& info,
                        std::string_view text, const WriteOptions& options, int folder_fd) {
  if (!faults::Step()) return LastError();
  const std::string temporary = TemporaryPathFor(path);
  Fd file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                 current.exists ? 0600 : options.new_file_mode));
  if (!file.Valid()) return LastError();
  auto fail = [&](std::error_code error) {
    file.Reset();
    ::unlink(temporary.c_str());
    return error;
  };
  if (auto error = WriteAll(file.Get(), text)) return fail(error);
  if (current.exists) {
    if (!faults::Step() || ::fchmod(file.Get(), info.st_mode & 07777) != 0) return fail(LastError());
    if (info.st_uid != ::geteuid() || info.st_gid != ::getegid()) {
      (void)::fchown(file.Get(), info.st_uid, info.st_gid);  // keeps what ownership it may
    }
  }
  if (!faults::Step() || ::fsync(file.Get()) != 0) return fail(LastError());
  if (!faults::Step() || ::close(file.Release()) != 0) return fail(LastError());
  if (!faults::Step() || ::rename(temporary.c_str(), path.c_str()) != 0) return fail(LastError());
  // The new text is in place and flushed; a failed flush of the folder entry cannot undo
  // that, and reporting the write as failed would be untrue.
  if (faults::Step()) (void)::fsync(folder_fd);
  return {};
}

}  // namespace

std::error_code ReadFile(const std::string& path, FileText& out) {
  out = {};
  if (!faults::Step()) return LastError();
  // Non-blocking, so that a FIFO in place of the file cannot hang the reader.
  Fd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!file.Valid()) {
    if (errno == ENOENT || errno == ENOTDIR) return {};
    return LastError();
  }
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0) return LastError();
  if (S_ISDIR(info.st_mode)) return std::make_error_code(std::errc::is_a_directory);
  if (!S_ISREG(info.st_mode)) return std::make_error_code(std::errc::invalid_argument);
  out.exists = true;
  return ReadAll(file.Get(), out.text, static_cast<std::size_t>(info.st_size));
}

std::error_code UpdateFile(const std::string& path, const Edit& edit, const WriteOptions& options) {
  std::string target;
  if (auto error = ResolveLinks(path, target)) return error;
  const std::string folder = FolderOf(target);
  if (options.create_missing_folders) {
    if (auto error = MakeFolders(folder)) return error;
  }
  Fd lock;
  if (auto error = LockFolder(folder, lock)) return error;
  FileText current;
  struct stat info {};
  if (auto error = ReadCurrent(target, current, info)) return error;
  const std::optional<std::string> text = edit(current.text);
  if (!text) return {};  // nothing changes, so nothing needs to be writable either
  if (auto error = CheckWritable(target, folder, current, info, lock.Get())) return error;
  return Replace(target, current, info, *text, options, lock.Get());
}

}  // namespace platform::profile
