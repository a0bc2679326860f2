// Any bytes as a profile file: reads never crash, and every write the layer accepts reads
// back as written while leaving another key as it was.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/profile/profile.h"
#include "platform/profile/profile_edit.h"
#include "platform/profile/profile_text.h"

namespace {

using namespace platform::profile;

void Check(bool condition) {
  if (!condition) std::abort();
}

const std::string& ScratchFile() {
  static const std::string path = [] {
    std::string folder = "/tmp/tessaly-fuzz-XXXXXX";
    Check(::mkdtemp(folder.data()) != nullptr);
    return folder + "/settings.ini";
  }();
  return path;
}

// The edit in memory: a set key reads back as its value; another key stays as it was.
void CheckEdit(std::string_view text, const std::string& section, const std::string& key, const std::string* value,
               const std::string& otherSection, const std::string& otherKey) {
  const std::string_view keyView = key;
  const std::string_view valueStorage = value ? std::string_view(*value) : std::string_view();
  if (!IsWritable(section, &keyView, value ? &valueStorage : nullptr)) return;
  const auto edited = EditText(text, section, &keyView, value ? &valueStorage : nullptr);
  const std::string_view after = edited ? std::string_view(*edited) : text;
  if (value) Check(FindValue(after, section, key) == std::optional<std::string_view>(*value));
  const bool same =
      NamesMatch(TrimBlanks(section), TrimBlanks(otherSection)) && NamesMatch(TrimBlanks(key), TrimBlanks(otherKey));
  if (!same) Check(FindValue(after, otherSection, otherKey) == FindValue(text, otherSection, otherKey));
}

// The Win32 calls on the file itself, with small buffers.
void CheckOnDisk(const std::string& text, const std::string& section, const std::string& key, const std::string& value,
                 DWORD size) {
  FILE* out = std::fopen(ScratchFile().c_str(), "wb");
  Check(out != nullptr);
  std::fwrite(text.data(), 1, text.size(), out);
  std::fclose(out);
  std::string buffer(size + 1, '\0');
  const char* file = ScratchFile().c_str();
  Check(GetPrivateProfileStringA(section.c_str(), key.c_str(), "d", buffer.data(), size, file) <
        std::max<DWORD>(size, 1));
  GetPrivateProfileStringA(nullptr, nullptr, nullptr, buffer.data(), size, file);
  GetPrivateProfileStringA(section.c_str(), nullptr, nullptr, buffer.data(), size, file);
  (void)GetPrivateProfileIntA(section.c_str(), key.c_str(), 7, file);
  // The C calls see each text up to its first NUL.
  if (WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file)) {
    Check(ReadString(file, section.c_str(), key.c_str()) == std::string(value.c_str()));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(24);
  const std::string key = input.ConsumeRandomLengthString(24);
  const std::string value = input.ConsumeRandomLengthString(48);
  const std::string otherSection = input.ConsumeRandomLengthString(24);
  const std::string otherKey = input.ConsumeRandomLengthString(24);
  const DWORD bufferSize = input.ConsumeIntegralInRange<DWORD>(0, 300);
  const std::string text = input.ConsumeRemainingBytesAsString();

  (void)FindValue(text, section, key);
  CheckEdit(text, section, key, &value, otherSection, otherKey);
  CheckEdit(text, section, key, nullptr, otherSection, otherKey);
  CheckOnDisk(text, section, key, value, bufferSize);
  return 0;
}
