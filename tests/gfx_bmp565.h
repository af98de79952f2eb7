// Writes 24-bit bitmap files whose pixels convert back to exactly the given 5-6-5 values.
#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace gfxtest {

inline void WriteBmp(const std::string& path, int width, int height,
                     const std::vector<uint16_t>& pixels) {
  const int rowBytes = (width * 3 + 3) & ~3;
  const uint32_t dataSize = static_cast<uint32_t>(rowBytes * height);
  std::vector<uint8_t> file(54 + dataSize, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  file[26] = 1;
  file[28] = 24;
  put32(34, dataSize);
  // Bottom row first; each channel shifted up to 8 bits, so the conversion back truncates to it.
  for (int y = 0; y < height; ++y) {
    uint8_t* row = &file[54 + static_cast<size_t>(height - 1 - y) * rowBytes];
    for (int x = 0; x < width; ++x) {
      const uint16_t p = pixels[static_cast<size_t>(y) * width + x];
      row[3 * x + 0] = static_cast<uint8_t>((p & 31) << 3);
      row[3 * x + 1] = static_cast<uint8_t>(((p >> 5) & 63) << 2);
      row[3 * x + 2] = static_cast<uint8_t>((p >> 11) << 3);
    }
  }
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
}

}  // namespace gfxtest
