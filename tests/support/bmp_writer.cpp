#include "tests/support/bmp_writer.h"

#include <cstdio>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::vector<uint8_t> Headers(int width, int height, int bits, uint32_t compression,
                             const std::vector<uint32_t>& palette, size_t dataSize) {
  const uint32_t offset = 14 + 40 + static_cast<uint32_t>(palette.size()) * 4;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + static_cast<uint32_t>(dataSize));
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, compression);
  Put32(out, static_cast<uint32_t>(dataSize));
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, static_cast<uint32_t>(palette.size()));
  Put32(out, 0);
  for (uint32_t c : palette) Put32(out, c & 0xFFFFFF);  // stored blue, green, red, 0
  return out;
}

}  // namespace

std::vector<uint8_t> MakeBmp(int width, int height, int bits, const std::vector<uint32_t>& pixels,
                             const std::vector<uint32_t>& palette, bool topDown) {
  const size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
  std::vector<uint8_t> data(stride * height, 0);
  for (int y = 0; y < height; ++y) {
    const int fileRow = topDown ? y : height - 1 - y;
    uint8_t* row = data.data() + stride * fileRow;
    for (int x = 0; x < width; ++x) {
      const uint32_t p = pixels[static_cast<size_t>(y) * width + x];
      switch (bits) {
        case 1:
          row[x / 8] |= static_cast<uint8_t>((p & 1) << (7 - x % 8));
          break;
        case 4:
          row[x / 2] |= static_cast<uint8_t>((p & 15) << (x % 2 ? 0 : 4));
          break;
        case 8:
          row[x] = static_cast<uint8_t>(p);
          break;
        case 24:
        case 32: {
          uint8_t* px = row + x * (bits / 8);
          px[0] = p & 0xFF;
          px[1] = (p >> 8) & 0xFF;
          px[2] = (p >> 16) & 0xFF;
          break;
        }
      }
    }
  }
  std::vector<uint8_t> out =
      Headers(width, topDown ? -height : height, bits, 0, palette, data.size());
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

namespace {

// Compression 1 is RLE8, 2 is RLE4.
std::vector<uint8_t> MakeRleBmp(int width, int height, int bits, uint32_t compression,
                                const std::vector<uint8_t>& rle,
                                const std::vector<uint32_t>& palette) {
  std::vector<uint8_t> out = Headers(width, height, bits, compression, palette, rle.size());
  out.insert(out.end(), rle.begin(), rle.end());
  return out;
}

}  // namespace

std::vector<uint8_t> MakeRle8Bmp(int width, int height, const std::vector<uint8_t>& rle,
                                 const std::vector<uint32_t>& palette) {
  return MakeRleBmp(width, height, 8, 1, rle, palette);
}

std::vector<uint8_t> MakeRle4Bmp(int width, int height, const std::vector<uint8_t>& rle,
                                 const std::vector<uint32_t>& palette) {
  return MakeRleBmp(width, height, 4, 2, rle, palette);
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}
