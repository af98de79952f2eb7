// Blit kinds that change the geometry: zoom (kind 2), zoom with a blend (kind 3) and rotation
// (kind 4). All read the source slot's pixel copy and draw into slot Dst.
#include <algorithm>

#include "gfx/blit_area.h"
#include "gfx/picture_slots.h"
#include "gfx/pixel_mix.h"

namespace {

// The zoomed area of kinds 2 and 3: its size and the sampling step in 1/1024 source pixels.
struct ZoomArea {
  int64_t w, h, step;
};

// Scales the source rectangle and clips it at (x, y) against slot Dst, storing the new x and y
// in the request. False when the request is clipped away.
bool ClipZoom(BlitRequest& r, const SurfaceSlot& dst, ZoomArea* area) {
  const int64_t f = r.Scale * 8;
  const Rect& s = r.SrcRect;
  Rect scaled{static_cast<int32_t>((s.left * f) >> 10), static_cast<int32_t>((s.top * f) >> 10),
              static_cast<int32_t>((s.right * f) >> 10),
              static_cast<int32_t>((s.bottom * f) >> 10)};
  // A rectangle one pixel inside out would divide by zero; it draws nothing anyway.
  const int64_t span = int64_t{scaled.right} - scaled.left + 1;
  area->step = span != 0 ? ((int64_t{s.right} - s.left) * 1024) / span : 0;
  if (ClipToSlot(r.x, r.y, scaled, dst.width, dst.height)) return false;
  area->w = int64_t{scaled.right} - scaled.left;
  area->h = int64_t{scaled.bottom} - scaled.top;
  return true;
}

// Samples n pixels of a zoomed source row; whatever falls outside the pixel copy is transparent.
void SampleRow(uint16_t* out, const PixelView& from, int64_t sy, int64_t left, int64_t first,
               int64_t n, int64_t step) {
  for (int64_t i = 0; i < n; ++i) {
    const int64_t sx = left + (((first + i) * step) >> 10);
    const bool inside = sy >= 0 && sy < from.rows && sx >= 0 && sx < from.cols;
    out[i] = inside ? from.pixels[sy * from.row + sx] : 0;
  }
}

// Runs draw(dst, samples, n) over the w x h zoomed area at (x, y), a chunk of a row at a time.
template <typename Draw>
void ForZoomedRows(const PixelView& into, const PixelView& from, const BlitRequest& r,
                   const ZoomArea& area, Draw draw) {
  const int64_t w = std::min(area.w, into.cols - r.x);
  const int64_t h = std::min(area.h, into.rows - r.y);
  const int64_t step = area.step;
  constexpr int64_t kChunk = 256;
  uint16_t samples[kChunk];
  for (int64_t j = 0; j < h; ++j) {
    const int64_t sy = r.SrcRect.top + ((j * step) >> 10);
    uint16_t* row = into.pixels + (r.y + j) * into.row + r.x;
    for (int64_t i = 0; i < w; i += kChunk) {
      const int64_t n = std::min(kChunk, w - i);
      SampleRow(samples, from, sy, r.SrcRect.left, i, n, step);
      draw(row + i, samples, n);
    }
  }
}

}  // namespace

uint8_t PictureSlots::BlitZoom(BlitRequest& r) {
  ZoomArea area;
  if (!ClipZoom(r, slots_[r.Dst], &area)) return 1;
  int32_t pitch = 0;
  Pixel* pixels = SlotPixels(r.Dst, &pitch);
  if (pixels == nullptr) return 0;
  const PixelView into = SlotView(pixels, pitch, slots_[r.Dst]);
  const PixelView from = CopyView(slots_[r.Src]);
  ForZoomedRows(into, from, r, area,
                [](uint16_t* d, const uint16_t* s, int64_t n) { KeyedCopyRow(d, s, n, 0); });
  return 0;
}

uint8_t PictureSlots::BlitZoomBlend(BlitRequest& r) {
  const int64_t x0 = r.x, y0 = r.y;
  ZoomArea area;
  if (!ClipZoom(r, slots_[r.Dst], &area)) return 1;
  int32_t pitch = 0;
  Pixel* pixels = SlotPixels(r.Dst, &pitch);
  if (pixels == nullptr) return 0;
  // Unlike kind 2, a picture pushed past the left or top edge moves its source origin, by half
  // the scaled overhang.
  if (x0 < 0) r.SrcRect.left = static_cast<int32_t>(r.SrcRect.left - ((x0 * r.Scale) >> 9));
  if (y0 < 0) r.SrcRect.top = static_cast<int32_t>(r.SrcRect.top - ((y0 * r.Scale) >> 9));

  MixKind kind;
  if (MixOfVariant(r.Mode, &kind)) {
    const PixelView into = SlotView(pixels, pitch, slots_[r.Dst]);
    const PixelView from = CopyView(slots_[r.Src]);
    const unsigned level = r.Level;
    ForZoomedRows(into, from, r, area, [kind, level](uint16_t* d, const uint16_t* s, int64_t n) {
      MixRow(kind, d, s, n, level);
    });
  }
  return 0;
}

uint8_t PictureSlots::BlitRotate(BlitRequest& r) {
  const int64_t ca = CosTable[r.Angle], sa = SinTable[r.Angle];
  const int64_t L = r.SrcRect.left, T = r.SrcRect.top, R = r.SrcRect.right, B = r.SrcRect.bottom;
  const int64_t l = L - r.PivotX, rgt = R - r.PivotX, t = T - r.PivotY, b = B - r.PivotY;

  // Bounding box of the turned rectangle, starting from rows and columns -2 to -1. The offsets
  // are linear in the source point, so their extremes over the rectangle lie at its corners.
  int64_t rowMax = -1, colMax = -1, rowMin = -2, colMin = -2;
  if (rgt > l && b > t) {
    const int64_t us[2] = {l, rgt - 1}, vs[2] = {t, b - 1};
    for (int64_t u : us) {
      for (int64_t v : vs) {
        const int64_t P = (u * ca + v * sa) >> 10;
        const int64_t Q = (u * sa - v * ca) >> 10;
        rowMax = std::max(rowMax, P);
        rowMin = std::min(rowMin, P);
        colMax = std::max(colMax, Q);
        colMin = std::min(colMin, Q);
      }
    }
  }

  int32_t pitch = 0;
  Pixel* pixels = SlotPixels(r.Dst, &pitch);
  if (pixels == nullptr) return 0;
  const PixelView into = SlotView(pixels, pitch, slots_[r.Dst]);
  const PixelView from = CopyView(slots_[r.Src]);
  const int64_t x = r.x, y = r.y;
  if (x + colMin < 0) colMin = -x;
  if (y + rowMin < 0) rowMin = -y;
  if (x + colMax > into.cols) colMax = into.cols - x;
  if (y + rowMax > into.rows) rowMax = into.rows - y;

  for (int64_t rr = rowMin; rr < rowMax; ++rr) {
    const int64_t rowStart = (y + rr) * into.row + x;
    for (int64_t c = colMin; c < colMax; ++c) {
      const int64_t sy = ((-c * ca + rr * sa) >> 10) + r.PivotY;
      if (!(T < sy && sy < B) || sy < 0 || sy >= from.rows) continue;
      const int64_t sx = r.PivotX - ((-c * sa - rr * ca) >> 10);
      if (!(L < sx && sx < R) || sx < 0 || sx >= from.cols) continue;
      const uint16_t p = from.pixels[sy * from.row + sx];
      if (p != 0) into.pixels[rowStart + c] = p;
    }
  }
  return 0;
}
