#include "tools/assetgen/scenery.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

void Hills(Canvas& c, double base, double amp, double freq, double phase, Rgb color, uint32_t seed,
           int bottom) {
  Prng rng(seed);
  const Rgb rim = Mix(color, MakeRgb(255, 255, 230), 0.25);
  for (int x = 0; x < c.Width(); ++x) {
    const double top = base + amp * std::sin(x * freq + phase) +
                       amp * 0.3 * std::sin(x * freq * 2.7 + phase * 1.3);
    for (int y = std::max(0, static_cast<int>(top)); y < std::min(c.Height(), bottom); ++y) {
      const double depth = y - top;
      Rgb col = depth < 2 ? rim : color;
      if (depth > 2 && rng.Unit() < 0.06) col = Scale(color, 0.9);
      c.Set(x, y, Opaque(col));
    }
  }
}

void Cloud(Canvas& c, double x, double y, double w, Rgb color) {
  Mask m(c.Width(), c.Height());
  m.Ellipse(x, y, w * 0.28, w * 0.2).Ellipse(x - w * 0.25, y + w * 0.06, w * 0.22, w * 0.14);
  m.Ellipse(x + w * 0.25, y + w * 0.05, w * 0.24, w * 0.15)
      .Rect(static_cast<int>(x - w * 0.42), static_cast<int>(y + w * 0.05),
            static_cast<int>(w * 0.84), static_cast<int>(w * 0.12));
  const Rgb shade = Mix(color, MakeRgb(150, 160, 210), 0.3);
  Paint(c, m, [&](int, int py, bool edge) {
    if (edge) return Mix(color, MakeRgb(140, 150, 200), 0.4);
    return py > y + w * 0.08 ? shade : color;
  });
}

void Mountain(Canvas& c, double peakX, double peakY, double halfWidth, double baseY, Rgb color,
              bool snowCap) {
  Mask m(c.Width(), c.Height());
  m.Polygon({{peakX, peakY}, {peakX + halfWidth, baseY}, {peakX - halfWidth, baseY}});
  Paint(c, m, [&](int px, int, bool) {
    return px < peakX ? Mix(color, MakeRgb(255, 255, 255), 0.12) : Scale(color, 0.85);
  });
  if (snowCap) {
    const double h = (baseY - peakY) * 0.3, w = halfWidth * 0.3;
    Mask cap(c.Width(), c.Height());
    cap.Polygon({{peakX, peakY},
                 {peakX + w, peakY + h},
                 {peakX + w * 0.3, peakY + h * 0.8},
                 {peakX - w * 0.2, peakY + h},
                 {peakX - w * 0.6, peakY + h * 0.75},
                 {peakX - w, peakY + h}});
    Paint(c, cap, [&](int px, int, bool) {
      return px < peakX ? MakeRgb(250, 252, 255) : MakeRgb(210, 220, 240);
    });
  }
}

void SmallTree(Canvas& c, double x, double baseY, double size, Rgb foliage, bool pine) {
  Mask trunk(c.Width(), c.Height());
  trunk.Rect(static_cast<int>(x - size * 0.08), static_cast<int>(baseY - size * 0.4),
             std::max(2, static_cast<int>(size * 0.16)), static_cast<int>(size * 0.4));
  PaintFlat(c, trunk, MakeRgb(110, 76, 50));
  Mask m(c.Width(), c.Height());
  if (pine)
    m.Polygon({{x, baseY - size * 1.4},
               {x + size * 0.45, baseY - size * 0.3},
               {x - size * 0.45, baseY - size * 0.3}});
  else
    m.Ellipse(x, baseY - size * 0.75, size * 0.45, size * 0.5);
  PaintLit(c, m, foliage);
}

void Sprinkle(Canvas& c, int x, int y, int w, int h, int n, Rgb color, uint32_t seed) {
  Prng rng(seed);
  for (int i = 0; i < n; ++i) c.Set(x + rng.Range(0, w - 1), y + rng.Range(0, h - 1), color);
}

void FloorShadow(Canvas& c, double strength) {
  // The floor's outline on screen: the top faces of the corner tiles, pushed down a little.
  Mask m(c.Width(), c.Height());
  m.Polygon({{291, 222}, {628, 330}, {345, 474}, {8, 357}});
  Paint(c, m, [&](int x, int y, bool) { return Scale(c.Get(x, y), 1.0 - strength); });
}

}  // namespace assetgen
