// Bitmap files into surfaces: the silent loader for scene surfaces and PictureSlots::ReadBitmap,
// which also records the picture in its slot and keeps a copy of the pixels for the effects.
#include <algorithm>
#include <cstring>

#include "gfx/blit_area.h"
#include "gfx/picture_slots.h"
#include "platform/bitmap.h"

void LoadBitmapSurface(Surface& surface, const char* name) {
  const std::unique_ptr<Bitmap> bitmap = LoadBitmapFile(name);
  // The colour table has no use on 16-bit surfaces: there is no palette step.
  if (bitmap != nullptr) DrawBitmap(surface, *bitmap, Point{0, 0});
}

bool PictureSlots::ReadBitmap(SurfaceId id, const char* name) {
  const std::unique_ptr<Bitmap> bitmap = LoadBitmapFile(name);
  if (bitmap == nullptr || !IsSlotId(id) || !slots_[id].surface) {
    LogText("\t MyDDraw：ファイルの読み取り失敗", name);
    return false;
  }
  SurfaceSlot& slot = slots_[id];
  Surface& surface = slot.surface;
  // No palette step: it changes nothing in 16-bit mode. A bitmap larger than its surface lands
  // cut to the surface, and the slot records the size that landed.
  slot.width = std::min(bitmap->width, surface.Width());
  slot.height = std::min(bitmap->height, surface.Height());
  DrawBitmap(surface, *bitmap, Point{0, 0});

  if (!(slot.flags & SLOT_LOADED)) {
    LogValue("\t メモリ領域確保", id);
    // The copy keeps the surface's row layout: one row every surface width.
    const int32_t rowLength = surface.Width();
    const size_t count = static_cast<size_t>(rowLength) * static_cast<size_t>(slot.height);
    slot.pixels = std::make_unique<Pixel[]>(count);
    std::memcpy(slot.pixels.get(), surface.Pixels(), count * sizeof(Pixel));
    slot.width = rowLength;
    slot.copyWidth = rowLength;
    slot.copyHeight = slot.height;
  }
  if (slot.pixels != nullptr) slot.flags |= SLOT_LOADED;
  std::strncpy(slot.name, name, sizeof(slot.name) - 1);
  slot.name[sizeof(slot.name) - 1] = '\0';
  LogText("\t MyDDraw：画像読み込み完了", name);
  return true;
}
