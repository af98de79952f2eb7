// Writes small Windows bitmaps for tests and benchmarks that need picture files on disk.
#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// A 24-bit bitmap whose channels come back unchanged when cut down to 5-6-5. False when the file
// cannot be written.
inline bool WriteBitmapFile(const std::string& path, int w, int h,
                            const std::function<uint16_t(int, int)>& colour) {
  int rowBytes = (w * 3 + 3) & ~3;
  uint32_t dataSize = static_cast<uint32_t>(rowBytes * h);
  std::vector<uint8_t> file(54 + dataSize, 0);
  auto put32 = [&](int at, uint32_t v) {
    for (int i = 0; i < 4; i++) file[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, 54 + dataSize);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(h));
  file[26] = 1;
  file[28] = 24;
  put32(34, dataSize);
  for (int y = 0; y < h; y++) {
    uint8_t* row = &file[54 + (h - 1 - y) * rowBytes];
    for (int x = 0; x < w; x++) {
      uint16_t p = colour(x, y);
      row[3 * x + 0] = static_cast<uint8_t>((p & 0x1F) << 3);
      row[3 * x + 1] = static_cast<uint8_t>(((p >> 5) & 0x3F) << 2);
      row[3 * x + 2] = static_cast<uint8_t>((p >> 11) << 3);
    }
  }
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  bool ok = std::fwrite(file.data(), 1, file.size(), f) == file.size();
  return std::fclose(f) == 0 && ok;
}
