// Bitmap files into surfaces: the silent loader for scene surfaces and MyDDraw::ReadBitmap,
// which also records the picture in its slot and keeps a copy of the pixels for the effects.
#include <algorithm>
#include <cstring>

#include "gfx/blit_area.h"
#include "gfx/mydraw.h"
#include "platform/gdi.h"

namespace {

// Copies the bitmap into the surface at (0, 0) at its own size, through the surface's context.
void CopyIntoSurface(LPDIRECTDRAWSURFACE surface, HBITMAP bitmap) {
  HDC dc = nullptr;
  surface->GetDC(&dc);
  if (dc == nullptr) return;
  BitBlt(dc, 0, 0, bitmap->width, bitmap->height, bitmap, 0, 0);
  surface->ReleaseDC(dc);
}

}  // namespace

void LoadBitmapSurface(LPDIRECTDRAWSURFACE surface, const char* name) {
  HBITMAP bitmap = LoadImageA(name);
  if (bitmap == nullptr) return;
  // The colour table would go into a palette on the primary surface, which shows nothing in
  // 16-bit mode; there is no palette step.
  if (surface != nullptr) CopyIntoSurface(surface, bitmap);
  DeleteObject(bitmap);
}

bool MyDDraw::ReadBitmap(SurfaceId id, const char* name) {
  HBITMAP bitmap = LoadImageA(name);
  if (bitmap == nullptr || !IsSlotId(id) || slots_[id].surface == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    LogText("\t MyDDraw：ファイルの読み取り失敗", name);
    return false;
  }
  SurfaceSlot& slot = slots_[id];
  LPDIRECTDRAWSURFACE surface = slot.surface;
  // No palette step: it changes nothing in 16-bit mode. A bitmap larger than its surface lands
  // cut to the surface, and the slot records the size that landed.
  slot.width = std::min(bitmap->width, surface->Width());
  slot.height = std::min(bitmap->height, surface->Height());
  CopyIntoSurface(surface, bitmap);
  DeleteObject(bitmap);

  if (!(slot.flags & SLOT_LOADED)) {
    LogValue("\t メモリ領域確保", id);
    delete[] slot.pixels;
    slot.pixels = nullptr;
    int32_t pitch = 0;
    const uint16_t* locked = LockSlot(id, &pitch);
    if (locked != nullptr && pitch >= 2) {
      // The copy keeps the surface's row layout: one row every pitch bytes.
      const size_t count = static_cast<size_t>(pitch / 2) * static_cast<size_t>(slot.height);
      slot.pixels = new uint16_t[count];
      std::memcpy(slot.pixels, locked, count * sizeof(uint16_t));
      slot.width = pitch / 2;
      slot.copyWidth = pitch / 2;
      slot.copyHeight = slot.height;
    }
    UnlockSlot(id);
  }
  if (slot.pixels != nullptr) slot.flags |= SLOT_LOADED;
  std::strncpy(slot.name, name, sizeof(slot.name) - 1);
  slot.name[sizeof(slot.name) - 1] = '\0';
  LogText("\t MyDDraw：画像読み込み完了", name);
  return true;
}
