#pragma once

// What the library shows to its host; everything else stays inside it.
#define TESSALY_EXPORT __attribute__((visibility("default")))
