// Any byte string as a bitmap file: reading it and copying the result onto a surface must never
// touch memory outside the buffers involved.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/bitmap.h"

namespace {

// Pictures of millions of pixels are legal but take seconds each under the sanitizers; the
// fuzzer learns nothing more from them than from small ones, so they are left out here.
bool TooLargeToBeWorthIt(const uint8_t* data, size_t size) {
  if (size < 22) return false;
  auto read16 = [&](size_t at) { return static_cast<uint32_t>(data[at] | (data[at + 1] << 8)); };
  auto read32 = [&](size_t at) {
    return data[at] | (data[at + 1] << 8) | (data[at + 2] << 16) |
           (static_cast<uint32_t>(data[at + 3]) << 24);
  };
  int64_t w, h;
  if (read32(14) == 12) {
    // The 12-byte header keeps width and height in 16 bits each.
    w = read16(18);
    h = read16(20);
  } else {
    if (size < 26) return false;
    w = static_cast<int32_t>(read32(18));
    h = static_cast<int32_t>(read32(22));
  }
  return std::llabs(w) * std::llabs(h) > (int64_t{1} << 20);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (TooLargeToBeWorthIt(data, size)) return 0;
  const std::unique_ptr<Bitmap> bitmap = LoadBitmapFromMemory(data, size);
  if (bitmap == nullptr) return 0;
  if (bitmap->pixels.size() != static_cast<size_t>(bitmap->width) * bitmap->height)
    __builtin_trap();
  // Smaller than most inputs, so the copy is clipped; the last byte picks an offset.
  Surface surface(40, 30);
  const int shift = size > 0 ? static_cast<int8_t>(data[size - 1]) : 0;
  DrawBitmap(surface, *bitmap, {shift, shift / 2});
  DrawBitmap(surface, *bitmap, {-shift, shift});
  return 0;
}
