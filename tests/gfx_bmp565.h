// Writes 24-bit bitmap files whose pixels convert back to exactly the given 5-6-5 values.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tests/bitmap_file_writer.h"

namespace gfxtest {

inline void WriteBmp(const std::string& path, int width, int height,
                     const std::vector<uint16_t>& pixels) {
  WriteBitmapFile(path, width, height,
                  [&](int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; });
}

}  // namespace gfxtest
