#include "settings/language_catalogue.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "os/karvil32/karvil32.h"
#include "platform/process/module_path.h"
#include "resources/format_string.h"
#include "resources/library_resources.h"
#include "resources/resource_ids.h"
#include "settings/settings_file.h"
#include "settings/user_agent_keys.h"

namespace tessaly {

namespace {

// A line is read in pieces of at most this many characters, each taken as a line.
constexpr std::size_t kPieceLength = 259;
constexpr DWORD kMaxPath = 260;
constexpr DWORD kLongestPath = 32768;

std::string RunningProgramPath() {
  std::string path(kMaxPath, '\0');
  DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  // A cut path would name another folder: ask again with room enough.
  while (length == path.size() && path.size() < kLongestPath) {
    path.resize(path.size() * 2);
    length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  }
  path.resize(length < path.size() ? length : 0);
  return path;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// The file as a text stream reads it: a CR before an LF is dropped. Nothing when the file
// cannot be opened or read.
std::optional<std::string> ReadTextFile(const std::string& path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return std::nullopt;
  std::string raw;
  char block[4096];
  for (std::size_t got; (got = std::fread(block, 1, sizeof block, file.get())) > 0;) raw.append(block, got);
  if (std::ferror(file.get())) return std::nullopt;
  std::string text;
  text.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i)
    if (raw[i] != '\r' || i + 1 == raw.size() || raw[i + 1] != '\n') text += raw[i];
  return text;
}

}  // namespace

std::string CLanguageCatalogue::CataloguePath() {
  const std::string programFolder = FolderOf(RunningProgramPath());
  char base[OS_DIR_NAME_BUFFER];
  // A folder too long for the call still has a parent.
  const std::string baseFolder = os_get_dir_name(programFolder.c_str(), base) == 0 ? base : programFolder + "/..";
  return baseFolder + "/dat/lang_code.txt";
}

void CLanguageCatalogue::Load(const std::string& settingsFile, CPickList& languageList) {
  const std::string storedCode =
      ReadDialogText(settingsFile, user_agent_keys::kLanguage, user_agent_keys::kDefaultLanguage);
  Read(CataloguePath(), storedCode, languageList);
  m_keptCode =
      m_strOpenFailure.empty() ? std::nullopt : ReadWholeText(settingsFile, kWebSection, user_agent_keys::kLanguage);
}

void CLanguageCatalogue::Read(const std::string& path, std::string_view storedCode, CPickList& languageList) {
  Clear(languageList);
  const std::optional<std::string> text = ReadTextFile(path);
  if (!text) {
    m_strOpenFailure = res::FormatString1(res::LibraryString(res::IDS_CANNOT_OPEN_FILE), path);
    return;
  }
  for (std::size_t start = 0; start < text->size();) {
    std::string_view piece = std::string_view(*text).substr(start, kPieceLength);
    const std::size_t lineFeed = piece.find('\n');
    if (lineFeed != std::string_view::npos) piece = piece.substr(0, lineFeed + 1);
    start += piece.size();
    // The piece ends at its line feed, and as a C text at a NUL.
    piece = piece.substr(0, piece.find_first_of(std::string_view("\n\0", 2)));
    AddLine(piece, storedCode, languageList);
  }
}

void CLanguageCatalogue::Clear(CPickList& languageList) {
  languageList.Reset();
  m_names.clear();
  m_codes.clear();
  m_strOpenFailure.clear();
}

void CLanguageCatalogue::AddLine(std::string_view line, std::string_view storedCode, CPickList& languageList) {
  const std::size_t semicolon = line.find(';');
  if (semicolon == std::string_view::npos) return;
  const std::string_view code = line.substr(0, semicolon);
  const std::string_view name = line.substr(semicolon + 1);
  const std::size_t position = languageList.Add(name);
  m_names.emplace_back(name);
  m_codes.insert_or_assign(std::string(name), std::string(code));
  if (code == storedCode) languageList.Select(position);
}

std::string CLanguageCatalogue::CodeFor(std::string_view displayName) const {
  const auto found = m_codes.find(displayName);
  return found == m_codes.end() ? std::string() : found->second;
}

}  // namespace tessaly
