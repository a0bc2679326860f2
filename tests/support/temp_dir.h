#pragma once

// A folder of its own for each test, and small file helpers.

#include <sys/stat.h>

#include <string>
#include <string_view>

namespace tessaly::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return m_path; }
  std::string operator/(std::string_view name) const { return m_path + "/" + std::string(name); }

 private:
  std::string m_path;
};

void WriteFile(const std::string& path, std::string_view content);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
struct stat StatOf(const std::string& path);

// The names in a folder, sorted, without "." and "..".
std::string ListFolder(const std::string& path);

}  // namespace tessaly::test
