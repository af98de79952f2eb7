// Blit kinds that work on a slot in place: darkening (kind 9) and tinting (kind 11).
#include <algorithm>

#include "gfx/blit_area.h"
#include "gfx/picture_slots.h"
#include "gfx/pixel_mix.h"

uint8_t PictureSlots::BlitDarken(BlitRequest& r) {
  // The area is taken as given (no clipping), but only the part inside slot Dst is darkened.
  int32_t pitch = 0;
  Pixel* pixels = SlotPixels(r.Dst, &pitch);
  if (pixels == nullptr) return 1;
  const PixelView into = SlotView(pixels, pitch, slots_[r.Dst]);
  PixelView anywhere;
  anywhere.cols = anywhere.rows = INT32_MAX * int64_t{4};
  Run run = RunOf(r);
  // Only the size of the source rectangle counts here, so its corner must not shift the area.
  run.L = run.T = 0;
  if (KeepInside(run, into, anywhere)) {
    for (int64_t j = 0; j < run.h; ++j) {
      DarkenRow(into.pixels + (run.y + j) * into.row + run.x, run.w, r.Level);
    }
  }
  return 1;
}

uint8_t PictureSlots::BlitTint(BlitRequest& r) {
  const SurfaceSlot& dst = slots_[r.Dst];
  if (ClipToSlot(r.x, r.y, r.SrcRect, dst.width, dst.height)) return 1;
  // The bias tables stop at 127.
  const unsigned level = std::min<unsigned>(r.Level, 127);
  const uint8_t variant = r.Mode & 0xF0;
  const unsigned kB = variant == TINT_BLUE ? level : 0;
  const unsigned kG = variant == TINT_GREEN ? level : 0;
  const unsigned kR = variant == TINT_RED ? level : 0;

  int32_t pitch = 0;
  Pixel* pixels = SlotPixels(r.Dst, &pitch);
  if (pixels == nullptr) return 1;
  const PixelView into = SlotView(pixels, pitch, dst);
  const PixelView from = CopyView(slots_[r.Src]);
  Run run = RunOf(r);
  if (KeepInside(run, into, from)) {
    ForEachRow(run, into, from, [kB, kG, kR](uint16_t* d, const uint16_t* s, int64_t n) {
      TintRow(d, s, n, kB, kG, kR);
    });
  }
  return 1;
}
