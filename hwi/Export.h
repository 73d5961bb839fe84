#pragma once

// Marks what leaves libTalvane68HWI.so; everything else is hidden.
#if defined(_WIN32)
#if defined(TALVANE68HWI_BUILDING)
#define TALVANE68HWI_EXPORT __declspec(dllexport)
#else
#define TALVANE68HWI_EXPORT __declspec(dllimport)
#endif
#else
#define TALVANE68HWI_EXPORT __attribute__((visibility("default")))
#endif
