// Bitmap files read into memory: pixels already in RGB565 (channels truncated), top row first.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/surface.h"

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;
  uint32_t colorTable[256] = {};  // blue, green, red, reserved as in the file; zero if none
};

// The bitmap file `name` in the data folder (any letter case, '\' or '/'); null when it is
// missing, unreadable, damaged or absurdly large.
std::unique_ptr<Bitmap> LoadBitmapFile(const char* name);
// A bitmap held in memory (for tests and the fuzzer); null when it is not a usable bitmap.
std::unique_ptr<Bitmap> LoadBitmapFromMemory(const void* data, size_t size);
// Copies the whole bitmap onto the surface with its top-left at `at`, cut at the surface's edges.
void DrawBitmap(Surface& surface, const Bitmap& bitmap, Point at);
