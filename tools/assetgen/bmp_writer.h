// Writes canvases as the picture files the game loads: Windows BMP, 24-bit, bottom-up,
// uncompressed. PNG is only for the desktop icons and for looking at the results.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetgen/raster.h"

namespace assetgen {

std::vector<uint8_t> EncodeBmp(const Canvas& canvas);
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
bool WriteBmp(const std::string& path, const Canvas& canvas);
bool WritePng(const std::string& path, const Canvas& canvas);

}  // namespace assetgen
