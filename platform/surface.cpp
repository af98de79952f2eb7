// Surfaces as plain RGB565 pixel arrays. Every copy and fill clips against both surfaces, so a
// caller's wrong rectangle loses pixels instead of corrupting memory.
#include "platform/surface.h"

#include <algorithm>
#include <cstring>

#include "platform/pixel_rows.h"

namespace {

// Larger than any picture the game or its tools make; keeps a bad size from eating the memory.
constexpr int kMaxSide = 16384;

Rect WholeOf(const Surface& s) {
  return Rect{0, 0, s.Width(), s.Height()};
}

bool IsEmpty(const Rect& r) {
  return r.right <= r.left || r.bottom <= r.top;
}

Rect Intersect(const Rect& a, const Rect& b) {
  return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
}

// The pixels to copy from. A copy within one surface may overlap itself, so it reads from a
// snapshot taken before the first write.
const Pixel* ReadablePixels(const Surface& src, const Surface& dst, std::vector<Pixel>& snapshot) {
  if (&src != &dst) return src.Pixels();
  snapshot.assign(src.Pixels(), src.Pixels() + static_cast<size_t>(src.Width()) * src.Height());
  return snapshot.data();
}

}  // namespace

Surface::Surface(int width, int height) : width_(width), height_(height) {
  if (width_ <= 0 || height_ <= 0 || width_ > kMaxSide || height_ > kMaxSide) {
    width_ = 0;
    height_ = 0;
  }
  pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0);
}

void Surface::CopyFrom(Point at, const Surface& src, Rect from, bool keyed) {
  if (IsEmpty(from)) return;
  // Whatever part of the source rectangle lies outside the source moves the target with it.
  const Rect inSrc = Intersect(from, WholeOf(src));
  if (IsEmpty(inSrc)) return;
  const int64_t dx = int64_t{at.x} + inSrc.left - from.left;
  const int64_t dy = int64_t{at.y} + inSrc.top - from.top;
  const int64_t dr = dx + (inSrc.right - inSrc.left);
  const int64_t db = dy + (inSrc.bottom - inSrc.top);
  const int64_t cl = std::max<int64_t>(dx, 0), ct = std::max<int64_t>(dy, 0);
  const int64_t cr = std::min<int64_t>(dr, width_), cb = std::min<int64_t>(db, height_);
  if (cr <= cl || cb <= ct) return;
  const int w = static_cast<int>(cr - cl);
  const int h = static_cast<int>(cb - ct);
  const int sx = static_cast<int>(inSrc.left + (cl - dx));
  const int sy = static_cast<int>(inSrc.top + (ct - dy));
  const int tx = static_cast<int>(cl), ty = static_cast<int>(ct);

  keyed = keyed && src.hasKey_;
  std::vector<Pixel> snapshot;
  const Pixel* fromPixels = ReadablePixels(src, *this, snapshot);
  const Pixel key = src.key_;
  for (int row = 0; row < h; ++row) {
    const Pixel* in = fromPixels + static_cast<size_t>(sy + row) * src.width_ + sx;
    Pixel* out = pixels_.data() + static_cast<size_t>(ty + row) * width_ + tx;
    if (!keyed) {
      std::memcpy(out, in, static_cast<size_t>(w) * sizeof(Pixel));
      continue;
    }
    KeyedCopyRow(out, in, w, key);
  }
}

void Surface::Fill(Rect area, Pixel colour) {
  const Rect clipped = Intersect(area, WholeOf(*this));
  if (IsEmpty(clipped)) return;
  // One row filled, then copied: the copy runs many times faster than the filling loop.
  const size_t count = static_cast<size_t>(clipped.right - clipped.left);
  Pixel* first = pixels_.data() + static_cast<size_t>(clipped.top) * width_ + clipped.left;
  std::fill(first, first + count, colour);
  for (int y = clipped.top + 1; y < clipped.bottom; ++y) {
    std::memcpy(first + static_cast<size_t>(y - clipped.top) * width_, first,
                count * sizeof(Pixel));
  }
}

void Surface::StretchFrom(Rect to, const Surface& src, Rect from, bool keyed) {
  if (IsEmpty(to)) return;
  const Rect clipped = Intersect(to, WholeOf(*this));
  if (IsEmpty(from) || IsEmpty(clipped)) return;

  // Nearest neighbour: target pixel i of the rectangle takes source pixel i * sw / dw.
  const int64_t sw = static_cast<int64_t>(from.right) - from.left;
  const int64_t sh = static_cast<int64_t>(from.bottom) - from.top;
  const int64_t dw = static_cast<int64_t>(to.right) - to.left;
  const int64_t dh = static_cast<int64_t>(to.bottom) - to.top;
  // Rectangles this wide are nonsense; refusing them keeps the products below in range.
  constexpr int64_t kMaxSpan = int64_t{1} << 24;
  if (sw > kMaxSpan || sh > kMaxSpan || dw > kMaxSpan || dh > kMaxSpan) return;
  std::vector<Pixel> snapshot;
  const Pixel* fromPixels = ReadablePixels(src, *this, snapshot);
  keyed = keyed && src.hasKey_;
  const Pixel key = src.key_;
  if (sw == dw && sh == dh) {
    // Same size: the part of each row that lies inside the source, copied whole.
    const int64_t shift = from.left - static_cast<int64_t>(to.left);
    const int64_t left = std::max<int64_t>(clipped.left, -shift);
    const int64_t right = std::min<int64_t>(clipped.right, src.width_ - shift);
    for (int y = clipped.top; y < clipped.bottom && left < right; ++y) {
      const int64_t s = from.top + (y - static_cast<int64_t>(to.top));
      if (s < 0 || s >= src.height_) continue;
      const Pixel* in = fromPixels + static_cast<size_t>(s) * src.width_ + (left + shift);
      Pixel* out = pixels_.data() + static_cast<size_t>(y) * width_ + left;
      if (keyed) {
        KeyedCopyRow(out, in, right - left, key);
      } else {
        std::memcpy(out, in, static_cast<size_t>(right - left) * sizeof(Pixel));
      }
    }
    return;
  }
  std::vector<int> columns(static_cast<size_t>(clipped.right - clipped.left));
  for (int x = clipped.left; x < clipped.right; ++x) {
    const int64_t s = from.left + (x - static_cast<int64_t>(to.left)) * sw / dw;
    columns[x - clipped.left] = (s >= 0 && s < src.width_) ? static_cast<int>(s) : -1;
  }
  for (int y = clipped.top; y < clipped.bottom; ++y) {
    const int64_t s = from.top + (y - static_cast<int64_t>(to.top)) * sh / dh;
    if (s < 0 || s >= src.height_) continue;
    const Pixel* in = fromPixels + static_cast<size_t>(s) * src.width_;
    Pixel* out = pixels_.data() + static_cast<size_t>(y) * width_;
    for (int x = clipped.left; x < clipped.right; ++x) {
      const int c = columns[x - clipped.left];
      if (c < 0) continue;
      const Pixel p = in[c];
      if (keyed && p == key) continue;
      out[x] = p;
    }
  }
}
