// Stand-ins for the product's help library. The answering one writes down each call into the
// file named by TESSALY_TEST_HELP_LIBRARY_RECORD and answers TESSALY_TEST_HELP_LIBRARY_ANSWER
// (0 when unset). Built without the entry, it has nothing to offer; built as the planted one,
// it leaves the file named by TESSALY_TEST_PLANTED_MARKER as soon as it is loaded.

#include <cstdio>
#include <cstdlib>

#define TESSALY_EXPORT extern "C" __attribute__((visibility("default")))

#if defined(TESSALY_PLANTED)
__attribute__((constructor)) static void LeaveMarker() {
  if (const char* marker = std::getenv("TESSALY_TEST_PLANTED_MARKER")) {
    if (FILE* out = std::fopen(marker, "w")) std::fclose(out);
  }
}
#endif

#if defined(TESSALY_WITHOUT_ENTRY)
TESSALY_EXPORT int ZoZozuVodo1(void*, const char*, int) { return 1; }
#else
TESSALY_EXPORT int ZoZozuVodo2(void* foreground, const char* idText, int reserved) {
  if (const char* record = std::getenv("TESSALY_TEST_HELP_LIBRARY_RECORD")) {
    if (FILE* out = std::fopen(record, "a")) {
      std::fprintf(out, "%p|%s|%d\n", foreground, idText ? idText : "(null)", reserved);
      std::fclose(out);
    }
  }
  const char* answer = std::getenv("TESSALY_TEST_HELP_LIBRARY_ANSWER");
  return answer ? std::atoi(answer) : 0;
}
#endif
