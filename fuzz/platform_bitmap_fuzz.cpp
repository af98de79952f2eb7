// Any byte string as a bitmap file: reading it and copying the result onto a surface must never
// touch memory outside the buffers involved.
#include <cstddef>
#include <cstdint>

#include "platform/gdi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  HBITMAP bitmap = LoadBitmapFromMemory(data, size);
  if (bitmap == nullptr) return 0;
  if (bitmap->pixels.size() != static_cast<size_t>(bitmap->width) * bitmap->height)
    __builtin_trap();
  // Smaller than most inputs, so the copy is clipped; the last byte picks an offset.
  DirectDrawSurface surface(40, 30, false);
  HDC dc = nullptr;
  surface.GetDC(&dc);
  const int shift = size > 0 ? static_cast<int8_t>(data[size - 1]) : 0;
  BitBlt(dc, shift, shift / 2, bitmap->width, bitmap->height, bitmap, 0, 0);
  BitBlt(dc, 0, 0, 40, 30, bitmap, -shift, shift);
  surface.ReleaseDC(dc);
  DeleteObject(bitmap);
  return 0;
}
