// Libraries for the loading tests: one that answers, and one planted where no library may be
// taken from, which leaves a marker file behind as soon as it is loaded.

#include <cstdio>
#include <cstdlib>

#if defined(TESSALY_PLANTED)
__attribute__((constructor)) static void LeaveMarker() {
  if (const char* marker = std::getenv("TESSALY_TEST_PLANTED_MARKER")) {
    if (FILE* out = std::fopen(marker, "w")) std::fclose(out);
  }
}
#endif

extern "C" __attribute__((visibility("default"))) int TessalyTestAnswer(int value) { return value * 2 + 1; }
