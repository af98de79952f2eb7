// Bitmap files into RGB565 pixels. SDL reads the many BMP variants; the header is
// checked here first so a damaged or hostile file is turned away before anything is allocated.
#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/bitmap.h"
#include "platform/file_lookup.h"
#include "platform/file_read.h"

namespace {

// About three times the game's largest picture (640 x 2000, 3.7 MiB): a run-length file of a few
// bytes can claim any size, and this keeps its decoding under 30 MiB and a tenth of a second.
constexpr int kMaxSide = 4096;
constexpr int64_t kMaxPixels = int64_t{4} * 1024 * 1024;
constexpr size_t kMaxFileBytes = size_t{16} * 1024 * 1024;

uint32_t Read16(const uint8_t* p) {
  return p[0] | (p[1] << 8);
}
uint32_t Read32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// True when the header describes a bitmap of sane size, depth and compression whose pixel data
// fits in the file.
bool HeaderLooksSound(const uint8_t* data, size_t size) {
  constexpr size_t kFileHeader = 14;
  if (size < kFileHeader + 12 || data[0] != 'B' || data[1] != 'M') return false;
  const uint8_t* info = data + kFileHeader;
  const uint32_t infoSize = Read32(info);
  const uint32_t pixelOffset = Read32(data + 10);
  int64_t width, height;
  uint32_t bits, compression = 0;
  if (infoSize == 12) {
    width = Read16(info + 4);
    height = Read16(info + 6);
    bits = Read16(info + 10);
  } else {
    if (infoSize < 40 || infoSize > 1024 || size < kFileHeader + infoSize) return false;
    width = static_cast<int32_t>(Read32(info + 4));
    height = static_cast<int32_t>(Read32(info + 8));
    bits = Read16(info + 14);
    compression = Read32(info + 16);
  }
  if (height < 0) height = -height;  // top-down rows
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  if (width * height > kMaxPixels) return false;
  if (pixelOffset >= size) return false;
  const int64_t available = static_cast<int64_t>(size) - pixelOffset;
  switch (compression) {
    case 0:  // uncompressed
    case 3:  // bit fields
      if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return false;
      }
      if (compression == 3 && bits != 16 && bits != 32) return false;
      return ((width * bits + 31) / 32) * 4 * height <= available;
    case 1:  // RLE8
      return bits == 8;
    case 2:  // RLE4
      return bits == 4;
    default:
      return false;
  }
}

struct SurfaceDeleter {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

}  // namespace

std::unique_ptr<Bitmap> LoadBitmapFromMemory(const void* data, size_t size) {
  if (data == nullptr || size > static_cast<size_t>(INT32_MAX)) return nullptr;
  if (!HeaderLooksSound(static_cast<const uint8_t*>(data), size)) return nullptr;
  SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
  if (rw == nullptr) return nullptr;
  SurfacePtr file(SDL_LoadBMP_RW(rw, 1));
  if (!file || file->w <= 0 || file->h <= 0 || file->w > kMaxSide || file->h > kMaxSide) {
    return nullptr;
  }
  SurfacePtr rgb(SDL_ConvertSurfaceFormat(file.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  if (!rgb) return nullptr;

  auto bitmap = std::make_unique<Bitmap>();
  bitmap->width = rgb->w;
  bitmap->height = rgb->h;
  bitmap->pixels.resize(static_cast<size_t>(rgb->w) * static_cast<size_t>(rgb->h));
  if (SDL_LockSurface(rgb.get()) != 0) return nullptr;
  for (int y = 0; y < rgb->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) +
                                                        static_cast<size_t>(y) * rgb->pitch);
    uint16_t* out = bitmap->pixels.data() + static_cast<size_t>(y) * rgb->w;
    for (int x = 0; x < rgb->w; ++x) {
      const uint32_t p = row[x];
      // Each channel is truncated to its 5 or 6 bits: full colours stay full and black stays 0,
      // the transparent colour.
      const uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      out[x] = static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
    }
  }
  SDL_UnlockSurface(rgb.get());

  if (const SDL_Palette* palette = file->format->palette) {
    const int count = std::min(palette->ncolors, 256);
    for (int i = 0; i < count; ++i) {
      const SDL_Color& c = palette->colors[i];
      bitmap->colorTable[i] = c.b | (c.g << 8) | (static_cast<uint32_t>(c.r) << 16);
    }
  }
  return bitmap;
}

std::unique_ptr<Bitmap> LoadBitmapFile(const char* name) {
  const std::string path = FindFileNoCase(name);
  if (path.empty()) return nullptr;
  std::vector<char> bytes;
  if (!ReadRegularFile(path, kMaxFileBytes, &bytes) || bytes.empty()) return nullptr;
  return LoadBitmapFromMemory(bytes.data(), bytes.size());
}

void DrawBitmap(Surface& surface, const Bitmap& bitmap, Point at) {
  // Clip the target to the surface, moving the source with it.
  int64_t left = 0, top = 0, right = bitmap.width, bottom = bitmap.height;
  int64_t tx = at.x, ty = at.y;
  if (tx < 0) left -= tx, tx = 0;
  if (ty < 0) top -= ty, ty = 0;
  right = std::min<int64_t>(right, left + surface.Width() - tx);
  bottom = std::min<int64_t>(bottom, top + surface.Height() - ty);
  if (right <= left || bottom <= top) return;
  const size_t count = static_cast<size_t>(right - left);
  for (int64_t row = top; row < bottom; ++row) {
    const Pixel* in = bitmap.pixels.data() + row * bitmap.width + left;
    Pixel* out = surface.Pixels() + (ty + row - top) * surface.Width() + tx;
    std::memcpy(out, in, count * sizeof(Pixel));
  }
}
