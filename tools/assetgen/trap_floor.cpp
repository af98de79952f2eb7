// Floor tiles: a textured top face with light back edges and dark front edges, and the two
// front faces showing the tile's thickness at the map's edges.
#include <cmath>
#include <cstdlib>

#include "tools/assetgen/areas.h"
#include "tools/assetgen/iso.h"
#include "tools/assetgen/trap.h"

namespace assetgen {
namespace {

constexpr double kThickness = 13;

double Hash(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFF) / 65536.0;
}

double Frac(double v) {
  return v - std::floor(v);
}

Rgb FaceTexture(const AreaLook& look, int x, int y, double u, double v, uint32_t seed) {
  const double n = Hash(x, y, seed);
  const Rgb g = look.ground, g2 = look.ground2, s = look.speck;
  switch (look.floor) {
    case Floor::kGrass:
    case Floor::kMoss:
      if (n > 0.975) return s;
      if (Hash(x / 2, y, seed + 7) > 0.7) return g2;
      return n < 0.12 ? Mix(g, MakeRgb(255, 255, 200), 0.18) : g;
    case Floor::kSand:
      if (n > 0.985) return s;
      return n < 0.35 ? g2 : g;
    case Floor::kSnow:
      if (n > 0.98) return MakeRgb(255, 255, 255);
      return Mix(g, g2, std::clamp(v * 0.8 + (n - 0.5) * 0.3, 0.0, 1.0));
    case Floor::kDune:
      return std::sin((u * 3 + v * 7) * 3.1416 * 1.6) + (n - 0.5) * 0.6 > 0.55 ? g2
             : n > 0.97                                                        ? s
                                                                               : g;
    case Floor::kRock: {
      const bool crack = std::abs(std::sin(u * 9 + 2 * std::sin(v * 7))) < 0.08;
      if (crack) return Scale(g2, 0.75);
      if (n > 0.99) return s;
      return n < 0.3 ? g2 : g;
    }
    case Floor::kSlab: {
      const bool joint = Frac(u * 2) < 0.05 || Frac(v * 2) < 0.06;
      if (joint) return Scale(g2, 0.8);
      return n < 0.2 ? g2 : g;
    }
    case Floor::kBasalt: {
      const double crack = std::abs(std::sin(u * 8 + 3 * std::sin(v * 5 + 1)));
      if (crack < 0.07) return s;
      if (crack < 0.14) return Mix(g, s, 0.45);
      return n < 0.3 ? g2 : g;
    }
    case Floor::kCloud: {
      const double puff = std::sin(u * 12) * std::sin(v * 10);
      return puff + (n - 0.5) * 0.3 > 0.35 ? g2 : g;
    }
    case Floor::kChecker: {
      const bool dark = (static_cast<int>(u * 2) + static_cast<int>(v * 2)) % 2;
      if (Frac(u * 2) < 0.05 || Frac(v * 2) < 0.06) return Mix(s, g2, 0.5);
      return dark ? g2 : g;
    }
  }
  return g;
}

}  // namespace

void DrawFloor(Canvas& c, int area, bool underHero) {
  const AreaLook& look = AreaOf(area);
  const uint32_t seed = 1000 + area;
  // Front faces: the tile's thickness, layered like soil or stone.
  const PointF a = IsoPoint(0, 1, 0, 0), b = IsoPoint(1, 1, 0, 0), r = IsoPoint(1, 0, 0, 0);
  const PointF down{0, kThickness};
  auto add = [](PointF p, PointF d) { return PointF{p.x + d.x, p.y + d.y}; };
  for (int face = 0; face < 2; ++face) {
    Mask m(c.Width(), c.Height());
    if (face == 0)
      m.Polygon({a, b, add(b, down), add(a, down)});
    else
      m.Polygon({b, r, add(r, down), add(b, down)});
    const Rgb base = face == 0 ? look.soil : look.soilDark;
    Paint(c, m, [&](int x, int y, bool edge) {
      if (edge) return Opaque(Scale(base, 0.5));
      const double n = Hash(x, y, seed + 3);
      // Strata follow the face's slope so that they read as layers.
      const double along = face == 0 ? y - (15 + (x)*12.0 / 37) : y - (27 - (x - 37) * 15.0 / 31);
      const bool stratum = static_cast<int>(along) % 5 == 4;
      Rgb col = stratum ? Scale(base, 0.82) : base;
      if (n > 0.93) col = Scale(col, 1.15);
      return Opaque(col);
    });
  }
  // Top face.
  Mask top(c.Width(), c.Height());
  top.Polygon(
      {IsoPoint(0, 0, 0, 0), IsoPoint(1, 0, 0, 0), IsoPoint(1, 1, 0, 0), IsoPoint(0, 1, 0, 0)});
  // The glow under the hero: warm orange or pale gold, whichever stands out more on this floor.
  auto distance = [](Rgb a, Rgb b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
  };
  const Rgb orange = MakeRgb(255, 190, 60), pale = MakeRgb(255, 250, 190);
  const Rgb glow = distance(look.ground, orange) > distance(look.ground, pale) ? orange : pale;
  Paint(c, top, [&](int x, int y, bool edge) {
    double u, v;
    IsoUv(x + 0.5, y + 0.5, 0, 0, &u, &v);
    Rgb col = FaceTexture(look, x, y, u, v, seed);
    if (edge) {
      const bool backEdge = u < 0.12 || v < 0.12;
      col = backEdge ? Mix(look.ground, MakeRgb(255, 255, 255), 0.45)
                     : Opaque(Scale(look.ground, 0.55));
      if (underHero) col = backEdge ? MakeRgb(255, 250, 210) : MakeRgb(250, 190, 60);
    } else if (underHero) {
      // The tile the hero stands on glows warmly, brighter towards its centre.
      const double d = std::hypot(u - 0.5, v - 0.5);
      col = Mix(col, glow, 0.55 - d * 0.4);
    }
    return Opaque(col);
  });
}

}  // namespace assetgen
