#include "tools/assetgen/iso.h"

namespace assetgen {

std::vector<PointF> BoxTop(const IsoBox& b) {
  const double h = b.base + b.height;
  return {IsoPoint(b.u0, b.v0, h, b.top), IsoPoint(b.u1, b.v0, h, b.top),
          IsoPoint(b.u1, b.v1, h, b.top), IsoPoint(b.u0, b.v1, h, b.top)};
}

std::vector<PointF> BoxFront(const IsoBox& b) {
  const double h = b.base + b.height;
  return {IsoPoint(b.u0, b.v1, h, b.top), IsoPoint(b.u1, b.v1, h, b.top),
          IsoPoint(b.u1, b.v1, b.base, b.top), IsoPoint(b.u0, b.v1, b.base, b.top)};
}

std::vector<PointF> BoxSide(const IsoBox& b) {
  const double h = b.base + b.height;
  return {IsoPoint(b.u1, b.v1, h, b.top), IsoPoint(b.u1, b.v0, h, b.top),
          IsoPoint(b.u1, b.v0, b.base, b.top), IsoPoint(b.u1, b.v1, b.base, b.top)};
}

void DrawBox(Canvas& c, const IsoBox& b, Rgb top, Rgb front, Rgb side, double noise,
             uint32_t seed) {
  Prng rng(seed);
  const std::vector<PointF>* faces[3];
  const auto t = BoxTop(b), f = BoxFront(b), s = BoxSide(b);
  faces[0] = &f, faces[1] = &s, faces[2] = &t;
  const Rgb colors[3] = {front, side, top};
  for (int i = 0; i < 3; ++i) {
    Mask m(c.Width(), c.Height());
    m.Polygon(*faces[i]);
    const Rgb base = colors[i];
    const Rgb dark = Opaque(Scale(base, 0.45));
    Paint(c, m, [&](int, int, bool edge) {
      if (edge) return dark;
      if (noise > 0) return Scale(base, 1.0 + (rng.Unit() - 0.5) * noise);
      return base;
    });
  }
}

void IsoUv(double x, double y, double lift, double top, double* u, double* v) {
  // Solve (x - 31, y - top + lift) = u (37, 12) + v (-31, 15).
  const double px = x - 31, py = y - top + lift;
  const double det = 37.0 * 15 - (-31.0) * 12;
  *u = (px * 15 - (-31.0) * py) / det;
  *v = (37.0 * py - 12.0 * px) / det;
}

}  // namespace assetgen
