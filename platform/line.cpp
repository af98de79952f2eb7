// One-pixel lines, the end point left out.
#include <algorithm>
#include <cstdlib>

#include "platform/text.h"

namespace {

// Far beyond any surface; keeps the products below within 64 bits.
constexpr int64_t kMaxCoordinate = int64_t{1} << 28;

// Distance from the start along the minor axis at step t of a line with the given extents,
// rounded to the nearest pixel (halves toward the start), as Bresenham's stepping gives.
int64_t MinorOffset(int64_t t, int64_t major, int64_t minor) {
  return (2 * t * minor + major - 1) / (2 * major);
}

}  // namespace

void DrawLine(Surface& surface, Point from, Point to, Pixel ink) {
  const int64_t x0 = from.x, y0 = from.y;
  const int64_t x = to.x, y = to.y;
  if (std::max({std::llabs(x0), std::llabs(y0), std::llabs(x), std::llabs(y)}) > kMaxCoordinate) {
    return;
  }
  const int64_t dx = x - x0, dy = y - y0;
  const int64_t adx = std::llabs(dx), ady = std::llabs(dy);
  const int64_t sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  const bool xMajor = adx >= ady;
  const int64_t steps = xMajor ? adx : ady;
  // Only the steps whose major coordinate lies on the surface need visiting.
  const int64_t majorStart = xMajor ? x0 : y0;
  const int64_t majorSign = xMajor ? sx : sy;
  const int64_t majorSize = xMajor ? surface.Width() : surface.Height();
  int64_t first = 0, last = steps - 1;
  if (majorSign > 0) {
    first = std::max<int64_t>(first, -majorStart);
    last = std::min<int64_t>(last, majorSize - 1 - majorStart);
  } else {
    first = std::max<int64_t>(first, majorStart - (majorSize - 1));
    last = std::min<int64_t>(last, majorStart);
  }
  uint16_t* pixels = surface.Pixels();
  for (int64_t t = first; t <= last; ++t) {
    int64_t px, py;
    if (xMajor) {
      px = x0 + sx * t;
      py = y0 + sy * MinorOffset(t, adx, ady);
    } else {
      py = y0 + sy * t;
      px = x0 + sx * MinorOffset(t, ady, adx);
    }
    if (px < 0 || py < 0 || px >= surface.Width() || py >= surface.Height()) continue;
    pixels[py * surface.Width() + px] = ink;
  }
}
