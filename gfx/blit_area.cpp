// Clipping and the bounds of surfaces and pixel copies.
#include "gfx/blit_area.h"

#include <algorithm>

PixelView SurfaceView(Surface& surface) {
  PixelView view;
  if (!surface) return view;
  view.pixels = surface.Pixels();
  view.row = surface.Width();
  view.cols = surface.Width();
  view.rows = surface.Height();
  return view;
}

PixelView SlotView(Pixel* pixels, int32_t pitch, const SurfaceSlot& slot) {
  PixelView view;
  if (pixels == nullptr || pitch < 2 || slot.width <= 0 || !slot.surface) return view;
  const int64_t pixelCount = int64_t{pitch / 2} * slot.surface.Height();
  view.pixels = pixels;
  view.row = slot.width;
  view.cols = std::min<int64_t>(slot.width, pitch / 2);
  view.rows = std::min<int64_t>(slot.height, pixelCount / slot.width);
  return view;
}

PixelView CopyView(const SurfaceSlot& slot) {
  PixelView view;
  if (slot.pixels == nullptr || slot.width <= 0) return view;
  const int64_t pixelCount = int64_t{slot.copyWidth} * slot.copyHeight;
  view.pixels = slot.pixels.get();
  view.row = slot.width;
  view.cols = std::min(slot.width, slot.copyWidth);
  view.rows = pixelCount / slot.width;
  return view;
}

bool ClipToSlot(int32_t& x, int32_t& y, Rect& rect, int32_t W, int32_t H) {
  // Wide arithmetic: a wild request must not overflow on its way to being clipped away.
  int64_t px = x, py = y;
  int64_t L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
  if (px < 0) {
    if (px <= -(R - L)) return true;
    L -= px;
    px = 0;
  }
  if (px + (R - L) > W) {
    if (px > W) return true;
    R -= px + (R - L) - W;
  }
  if (py < 0) {
    if (py <= -(B - T)) return true;
    T -= py;
    py = 0;
  }
  if (py + (B - T) > H) {
    if (py > H) return true;
    B -= py + (B - T) - H;
  }
  x = static_cast<int32_t>(px);
  y = static_cast<int32_t>(py);
  rect = Rect{static_cast<int32_t>(L), static_cast<int32_t>(T), static_cast<int32_t>(R),
              static_cast<int32_t>(B)};
  return false;
}

Run RunOf(const BlitRequest& r) {
  return Run{r.x,
             r.y,
             r.SrcRect.left,
             r.SrcRect.top,
             r.SrcRect.right - int64_t{r.SrcRect.left},
             r.SrcRect.bottom - int64_t{r.SrcRect.top}};
}

namespace {

// Moves the start of one axis of a run until both its source and destination start at 0.
void ClipStart(int64_t& to, int64_t& from, int64_t& length) {
  if (from < 0) {
    to -= from;
    length += from;
    from = 0;
  }
  if (to < 0) {
    from -= to;
    length += to;
    to = 0;
  }
}

}  // namespace

bool KeepInside(Run& run, const PixelView& dst, const PixelView& src) {
  ClipStart(run.x, run.L, run.w);
  ClipStart(run.y, run.T, run.h);
  run.w = std::min({run.w, src.cols - run.L, dst.cols - run.x});
  run.h = std::min({run.h, src.rows - run.T, dst.rows - run.y});
  return run.w > 0 && run.h > 0;
}

bool MixOfVariant(uint8_t mode, MixKind* kind) {
  switch (mode & 0xF0) {
    case BLEND_ALPHA:
      *kind = MixKind::Alpha;
      return true;
    case BLEND_ADD:
      *kind = MixKind::Add;
      return true;
    case BLEND_SUB:
      *kind = MixKind::Sub;
      return true;
    default:
      return false;
  }
}
