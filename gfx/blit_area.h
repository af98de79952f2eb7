// Shared pieces of the blit kinds: the clipping of a request against a slot, and views of
// surfaces and pixel copies that know how far they may be read or written.
#pragma once
#include <cstdint>

#include "gfx/picture_slots.h"
#include "gfx/pixel_mix.h"

inline bool IsSlotId(int32_t id) {
  return id >= 0 && id < SLOT_COUNT;
}

// Pixel (X, Y) is pixels[Y * row + X]; only X < cols and Y < rows lie inside the memory.
struct PixelView {
  uint16_t* pixels = nullptr;
  int64_t row = 0;
  int64_t cols = 0;
  int64_t rows = 0;
};

// A surface addressed with its own row length (the back buffer).
PixelView SurfaceView(Surface& surface);
// A slot's surface (its pixels, `pitch` bytes a row) addressed with the slot's width as row
// length, as the effect kinds do.
PixelView SlotView(Pixel* pixels, int32_t pitch, const SurfaceSlot& slot);
// A slot's pixel copy addressed with the slot's width; empty before the first load.
PixelView CopyView(const SurfaceSlot& slot);

// The four clipping steps against a W x H slot, changing x, y and the rectangle in place.
// True when the request is clipped away entirely.
bool ClipToSlot(int32_t& x, int32_t& y, Rect& rect, int32_t W, int32_t H);

// A run of w x h pixels from source (L, T) to destination (x, y).
struct Run {
  int64_t x, y, L, T, w, h;
};
// The run a request describes: its source rectangle drawn at (x, y).
Run RunOf(const BlitRequest& r);
// Shrinks the run so that it reads only inside src and writes only inside dst.
// False when nothing is left.
bool KeepInside(Run& run, const PixelView& dst, const PixelView& src);

// Calls rowOp(destination row, source row, width) for each row of a run kept inside both views.
template <typename RowOp>
void ForEachRow(const Run& run, const PixelView& into, const PixelView& from, RowOp rowOp) {
  for (int64_t j = 0; j < run.h; ++j) {
    rowOp(into.pixels + (run.y + j) * into.row + run.x,
          from.pixels + (run.T + j) * from.row + run.L, run.w);
  }
}

// The mix of a blend variant (BLEND_ALPHA, BLEND_ADD, BLEND_SUB); false for the others.
bool MixOfVariant(uint8_t mode, MixKind* kind);
