// Small bitmap (BMP) files built in memory, for tests that need pictures of a known content.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// pixels: palette indices for 1, 4 and 8 bits, 0xRRGGBB for 24 and 32 bits; top row first.
// palette: 0xRRGGBB entries. topDown writes a negative height with the rows top first.
std::vector<uint8_t> MakeBmp(int width, int height, int bits, const std::vector<uint32_t>& pixels,
                             const std::vector<uint32_t>& palette = {}, bool topDown = false);
// An 8-bit RLE-compressed bitmap with the given already encoded pixel data.
std::vector<uint8_t> MakeRle8Bmp(int width, int height, const std::vector<uint8_t>& rle,
                                 const std::vector<uint32_t>& palette);
// The same for 4 bits a pixel: runs repeat a byte of two indices, high nibble first.
std::vector<uint8_t> MakeRle4Bmp(int width, int height, const std::vector<uint8_t>& rle,
                                 const std::vector<uint32_t>& palette);
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
