#pragma once

// Profile files on disk: whole-file reads, and writes that never lose what was there.

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace platform::profile {

struct FileText {
  bool exists = false;
  std::string text;
};

// Reads the whole file. A missing file or folder is no error: it reads as absent.
// A folder or a device where the file should be, or a file we may not read, is one.
std::error_code ReadFile(const std::string& path, FileText& out);

struct WriteOptions {
  mode_t new_file_mode = 0666;          // for a file the write creates; the umask applies
  bool create_missing_folders = false;  // made with mode 0700
};

// The change a write makes: the new text for the current one, or nothing to leave it.
using Edit = std::function<std::optional<std::string>(std::string_view current)>;

// Applies `edit` to the file. Under an exclusive lock the current text is read again, the
// new text is written to a temporary file in the same folder, flushed, given the
// original's permissions and renamed over the original; a path through symbolic links is
// written at their target. On any failure the original stays exactly as it was and no
// temporary file is left behind. A write that changes nothing succeeds without touching the
// file, also where the file could not be written.
std::error_code UpdateFile(const std::string& path, const Edit& edit, const WriteOptions& options = {});

}  // namespace platform::profile
