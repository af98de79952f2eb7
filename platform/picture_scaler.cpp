#include "platform/picture_scaler.h"

#include <algorithm>
#include <vector>

#include "platform/geometry.h"

namespace {

// Each RGB565 colour as 0xFFRRGGBB, its channels widened by repeating their top bits.
const uint32_t* WideColours() {
  static const std::vector<uint32_t> table = [] {
    std::vector<uint32_t> colours(65536);
    for (uint32_t c = 0; c < 65536; ++c) {
      const uint32_t r = (c >> 11) & 31, g = (c >> 5) & 63, b = c & 31;
      colours[c] =
          0xFF000000u | ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
    }
    return colours;
  }();
  return table.data();
}

// One axis of the filter: for each window pixel, the two picture pixels it lies between and
// the weight (0-256) of the second.
struct Tap {
  int first, second, weight;
};

std::vector<Tap> Taps(int from, int count, int placed, int picture, int factor) {
  std::vector<Tap> taps(static_cast<size_t>(count));
  const int blown = picture * factor;
  for (int i = 0; i < count; ++i) {
    // Centre of window pixel i in the blown-up picture, in 1/256ths of its pixels.
    const int64_t centre = ((2 * int64_t{from + i} + 1) * blown * 256) / (2 * int64_t{placed});
    const int64_t at = centre - 128;
    int64_t u0 = at >= 0 ? at / 256 : -1;
    const int weight = at >= 0 ? static_cast<int>(at % 256) : 0;
    int64_t u1 = u0 + 1;
    if (u0 < 0) u0 = 0;
    if (u1 >= blown) u1 = blown - 1;
    taps[static_cast<size_t>(i)] = {static_cast<int>(u0 / factor), static_cast<int>(u1 / factor),
                                    weight};
  }
  return taps;
}

uint32_t Blend(uint32_t a, uint32_t b, int weight) {
  uint32_t out = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int ca = static_cast<int>((a >> shift) & 255), cb = static_cast<int>((b >> shift) & 255);
    out |= static_cast<uint32_t>((ca * (256 - weight) + cb * weight + 128) >> 8) << shift;
  }
  return out;
}

}  // namespace

ScreenRect PlacePicture(int windowWidth, int windowHeight) {
  ScreenRect at;
  if (int64_t{windowWidth} * SCREEN_H > int64_t{windowHeight} * SCREEN_W) {
    at.h = windowHeight;
    at.w = windowHeight * SCREEN_W / SCREEN_H;
  } else {
    at.w = windowWidth;
    at.h = windowWidth * SCREEN_H / SCREEN_W;
  }
  at.x = (windowWidth - at.w) / 2;
  at.y = (windowHeight - at.h) / 2;
  return at;
}

PictureScaler::PictureScaler(int windowWidth, int windowHeight)
    : at_(PlacePicture(windowWidth, windowHeight)) {
  sharp_ = at_.w % SCREEN_W == 0 && at_.h % SCREEN_H == 0;
  // The smallest whole factor that covers the picture's place; the last step only shrinks.
  factor_ = std::max((at_.w + SCREEN_W - 1) / SCREEN_W, (at_.h + SCREEN_H - 1) / SCREEN_H);
  factor_ = std::clamp(factor_, 1, 8);
}

ScreenRect PictureScaler::WindowPart(const ScreenRect& part) const {
  if (part.Empty() || at_.Empty()) return ScreenRect();
  // A picture pixel reaches the window pixels over it and, through the filter, one beyond.
  const int margin = sharp_ ? 0 : 1;
  const int64_t x0 = int64_t{part.x - margin} * at_.w / SCREEN_W - margin;
  const int64_t x1 = (int64_t{part.x + part.w + margin} * at_.w + SCREEN_W - 1) / SCREEN_W + margin;
  const int64_t y0 = int64_t{part.y - margin} * at_.h / SCREEN_H - margin;
  const int64_t y1 = (int64_t{part.y + part.h + margin} * at_.h + SCREEN_H - 1) / SCREEN_H + margin;
  ScreenRect out;
  out.x = at_.x + static_cast<int>(std::clamp<int64_t>(x0, 0, at_.w));
  out.y = at_.y + static_cast<int>(std::clamp<int64_t>(y0, 0, at_.h));
  out.w = at_.x + static_cast<int>(std::clamp<int64_t>(x1, 0, at_.w)) - out.x;
  out.h = at_.y + static_cast<int>(std::clamp<int64_t>(y1, 0, at_.h)) - out.y;
  return out;
}

void PictureScaler::Draw(const uint16_t* picture, const ScreenRect& part, uint32_t* out,
                         int pitch) const {
  const uint32_t* wide = WideColours();
  const int left = part.x - at_.x, top = part.y - at_.y;
  if (sharp_) {
    std::vector<int> columns(static_cast<size_t>(part.w));
    for (int i = 0; i < part.w; ++i)
      columns[static_cast<size_t>(i)] = (left + i) * SCREEN_W / at_.w;
    for (int j = 0; j < part.h; ++j) {
      const uint16_t* in = picture + static_cast<size_t>((top + j) * SCREEN_H / at_.h) * SCREEN_W;
      uint32_t* row = out + static_cast<size_t>(part.y + j) * pitch + part.x;
      for (int i = 0; i < part.w; ++i) row[i] = wide[in[columns[static_cast<size_t>(i)]]];
    }
    return;
  }
  const std::vector<Tap> across = Taps(left, part.w, at_.w, SCREEN_W, factor_);
  const std::vector<Tap> down = Taps(top, part.h, at_.h, SCREEN_H, factor_);
  for (int j = 0; j < part.h; ++j) {
    const Tap& v = down[static_cast<size_t>(j)];
    const uint16_t* above = picture + static_cast<size_t>(v.first) * SCREEN_W;
    const uint16_t* below = picture + static_cast<size_t>(v.second) * SCREEN_W;
    uint32_t* row = out + static_cast<size_t>(part.y + j) * pitch + part.x;
    for (int i = 0; i < part.w; ++i) {
      const Tap& h = across[static_cast<size_t>(i)];
      const uint32_t upper = Blend(wide[above[h.first]], wide[above[h.second]], h.weight);
      const uint32_t lower = Blend(wide[below[h.first]], wide[below[h.second]], h.weight);
      row[i] = Blend(upper, lower, v.weight);
    }
  }
}
