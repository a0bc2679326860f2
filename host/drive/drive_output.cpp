#include "host/drive/drive_output.h"

#include "platform/text/code_page.h"

namespace tessaly::host {

namespace {

bool IsUtf8(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || at + length > text.size()) return false;
    for (std::size_t i = 1; i < length; ++i)
      if ((static_cast<unsigned char>(text[at + i]) >> 6) != 0x2) return false;
    at += length;
  }
  return true;
}

}  // namespace

void DriveOutput::Write(const nlohmann::ordered_json& line) {
  // A text that is still not UTF-8 must not cost the whole line.
  m_out << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n' << std::flush;
}

void DriveOutput::Error(std::string_view text, int lineNumber) {
  m_bHadError = true;
  Write({{"error", text}, {"line", lineNumber}});
}

std::string WindowTextUtf8(std::string_view narrow) { return platform::text::AnsiToUtf8(narrow); }

std::string PathTextUtf8(std::string_view narrow) {
  return IsUtf8(narrow) ? std::string(narrow) : platform::text::AnsiToUtf8(narrow);
}

}  // namespace tessaly::host
