#include "tools/assetgen/bmp_writer.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <cstdio>

namespace assetgen {
namespace {

void Put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  out[at] = v & 0xFF;
  out[at + 1] = (v >> 8) & 0xFF;
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = (v >> (8 * i)) & 0xFF;
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const Canvas& canvas) {
  const int w = canvas.Width(), h = canvas.Height();
  const size_t rowBytes = (static_cast<size_t>(w) * 3 + 3) & ~static_cast<size_t>(3);
  const size_t headers = 14 + 40;
  std::vector<uint8_t> out(headers + rowBytes * h, 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<uint32_t>(out.size()));
  Put32(out, 10, headers);
  Put32(out, 14, 40);
  Put32(out, 18, w);
  Put32(out, 22, h);  // positive height: rows stored bottom-up
  Put16(out, 26, 1);
  Put16(out, 28, 24);
  Put32(out, 34, static_cast<uint32_t>(rowBytes * h));
  Put32(out, 38, 2835);  // 72 dpi
  Put32(out, 42, 2835);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = &out[headers + rowBytes * (h - 1 - y)];
    for (int x = 0; x < w; ++x) {
      Rgb c = canvas.Get(x, y);
      row[3 * x] = c.b;
      row[3 * x + 1] = c.g;
      row[3 * x + 2] = c.r;
    }
  }
  return out;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

bool WriteBmp(const std::string& path, const Canvas& canvas) {
  return WriteFile(path, EncodeBmp(canvas));
}

bool WritePng(const std::string& path, const Canvas& canvas) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, canvas.Width(), canvas.Height(), 32,
                                                        SDL_PIXELFORMAT_RGBA32);
  if (!surface) return false;
  for (int y = 0; y < canvas.Height(); ++y) {
    uint8_t* row = static_cast<uint8_t*>(surface->pixels) + y * surface->pitch;
    for (int x = 0; x < canvas.Width(); ++x) {
      Rgb c = canvas.Get(x, y);
      row[4 * x] = c.r;
      row[4 * x + 1] = c.g;
      row[4 * x + 2] = c.b;
      row[4 * x + 3] = c == kKey ? 0 : 255;  // the key colour is transparent here too
    }
  }
  bool ok = IMG_SavePNG(surface, path.c_str()) == 0;
  SDL_FreeSurface(surface);
  return ok;
}

}  // namespace assetgen
