// The tall obstacle of each area: trees where things grow, columns and spires elsewhere.
#include <cmath>

#include "tools/assetgen/areas.h"
#include "tools/assetgen/trap.h"

namespace assetgen {
namespace {

constexpr double kCx = 34;

Mask NewMask(const Canvas& c) {
  return Mask(c.Width(), c.Height());
}

void Trunk(Canvas& c, Rgb trunk, int top) {
  Mask m = NewMask(c);
  m.Rect(static_cast<int>(kCx) - 3, top, 7, 58 - top).Ellipse(kCx, 58, 5, 2.5);
  PaintLit(c, m, trunk);
}

void Conifer(Canvas& c, const AreaLook& look, bool snow) {
  Trunk(c, look.trunk, 44);
  for (int tier = 0; tier < 3; ++tier) {
    const double top = 2 + tier * 12, bottom = 26 + tier * 11, half = 10 + tier * 5;
    Mask m = NewMask(c);
    m.Polygon({{kCx, top}, {kCx + half, bottom}, {kCx - half, bottom}});
    PaintLit(c, m, look.foliage);
    if (snow) {
      Mask cap = NewMask(c);
      cap.Polygon({{kCx, top},
                   {kCx + half * 0.5, top + (bottom - top) * 0.5},
                   {kCx, top + (bottom - top) * 0.42},
                   {kCx - half * 0.5, top + (bottom - top) * 0.5}});
      PaintLit(c, cap, MakeRgb(244, 248, 255));
    }
  }
}

}  // namespace

void DrawTree(Canvas& c, int area) {
  const AreaLook& look = AreaOf(area);
  switch (look.tree) {
    case Tree::kRound: {
      Trunk(c, look.trunk, 34);
      Mask m = NewMask(c);
      m.Ellipse(kCx, 22, 16, 15).Ellipse(kCx - 10, 31, 10, 9).Ellipse(kCx + 10, 31, 10, 9);
      PaintLit(c, m, look.foliage);
      for (auto [x, y] : {std::pair{28, 18}, {40, 24}, {33, 30}, {24, 29}})
        c.FillRect(x, y, 3, 3, MakeRgb(230, 60, 50)), c.Set(x, y, MakeRgb(255, 200, 190));
      break;
    }
    case Tree::kConifer:
      Conifer(c, look, false);
      break;
    case Tree::kSnowPine:
      Conifer(c, look, true);
      break;
    case Tree::kPalm: {
      Mask trunk = NewMask(c);
      for (int i = 0; i < 10; ++i) {
        const double t = i / 9.0;
        trunk.Ellipse(kCx + 6 * t * t, 58 - 40 * t, 3.5 - t, 2.5);
      }
      PaintLit(c, trunk, look.trunk);
      const double tx = kCx + 6, ty = 16;
      for (int f = 0; f < 6; ++f) {
        const double a = -2.8 + f * 1.12;
        Mask frond = NewMask(c);
        frond.Line(tx, ty, tx + std::cos(a) * 17, ty + std::sin(a) * 9 + 5, 5);
        PaintLit(c, frond, look.foliage);
      }
      Mask nuts = NewMask(c);
      nuts.Ellipse(tx - 3, ty + 4, 2.5, 2.5).Ellipse(tx + 2, ty + 5, 2.5, 2.5);
      PaintLit(c, nuts, MakeRgb(120, 80, 40));
      break;
    }
    case Tree::kCactus: {
      Mask m = NewMask(c);
      m.Ellipse(kCx, 16, 6, 6).Rect(static_cast<int>(kCx) - 6, 16, 12, 42);
      m.Ellipse(kCx - 12, 26, 3.5, 3.5).Rect(static_cast<int>(kCx) - 16, 26, 7, 12);
      m.Rect(static_cast<int>(kCx) - 16, 35, 12, 6);
      m.Ellipse(kCx + 12, 30, 3.5, 3.5).Rect(static_cast<int>(kCx) + 9, 30, 7, 12);
      m.Rect(static_cast<int>(kCx) + 4, 38, 12, 6);
      PaintLit(c, m, look.foliage);
      for (int y = 18; y < 56; y += 6) c.Set(static_cast<int>(kCx) - 2, y, MakeRgb(250, 250, 210));
      Mask flower = NewMask(c);
      flower.Ellipse(kCx, 10, 3.5, 2.5);
      PaintLit(c, flower, look.flower);
      break;
    }
    case Tree::kStalagmite: {
      Mask m = NewMask(c);
      m.Polygon({{kCx + 1, 4}, {kCx + 15, 58}, {kCx - 15, 58}});
      m.Ellipse(kCx, 58, 15, 4);
      Paint(c, m, [&](int x, int y, bool edge) {
        if (edge) return Opaque(Scale(look.foliage, 0.4));
        Rgb col = (y / 7) % 2 ? look.foliage : Scale(look.foliage, 0.88);
        return x < kCx - 3   ? Mix(col, MakeRgb(255, 255, 255), 0.2)
               : x > kCx + 5 ? Scale(col, 0.75)
                             : col;
      });
      Mask gem = NewMask(c);
      gem.Polygon({{kCx + 8, 40}, {kCx + 12, 34}, {kCx + 14, 44}});
      PaintLit(c, gem, look.speck);
      break;
    }
    case Tree::kPillar:
    case Tree::kTorch: {
      const Rgb stone = look.foliage;
      Mask shaft = NewMask(c);
      shaft.Rect(static_cast<int>(kCx) - 8, 14, 17, 42);
      Paint(c, shaft, [&](int x, int y, bool edge) {
        if (edge) return Opaque(Scale(stone, 0.45));
        const int col = x - static_cast<int>(kCx) + 8;
        Rgb s = col < 5    ? Mix(stone, MakeRgb(255, 255, 255), 0.25)
                : col > 12 ? Scale(stone, 0.7)
                           : stone;
        if (col % 4 == 3) s = Scale(s, 0.85);
        return (y + 3) % 14 == 0 ? Scale(s, 0.8) : s;
      });
      Mask caps = NewMask(c);
      caps.Rect(static_cast<int>(kCx) - 11, 8, 23, 7).Ellipse(kCx, 57, 13, 4);
      caps.Rect(static_cast<int>(kCx) - 11, 52, 23, 5);
      PaintLit(c, caps, Scale(stone, 1.05));
      if (look.tree == Tree::kTorch) {
        Mask bowl = NewMask(c);
        bowl.Ellipse(kCx, 9, 9, 3.5);
        PaintLit(c, bowl, MakeRgb(180, 150, 60));
        Mask flame = NewMask(c);
        flame.Ellipse(kCx, 2, 5, 4).Polygon({{kCx - 5, 2}, {kCx + 5, 2}, {kCx, -6}});
        Paint(c, flame, [&](int x, int y, bool) {
          const double d = std::hypot(x - kCx, (y - 3) * 0.6);
          return d < 2.5   ? MakeRgb(255, 250, 200)
                 : d < 4.5 ? MakeRgb(255, 200, 60)
                           : MakeRgb(240, 80, 40);
        });
      }
      break;
    }
    case Tree::kDead: {
      Trunk(c, look.trunk, 20);
      const Rgb bark = look.trunk;
      Mask m = NewMask(c);
      m.Line(kCx, 30, kCx - 13, 14, 3).Line(kCx - 8, 22, kCx - 10, 10, 2);
      m.Line(kCx, 26, kCx + 12, 10, 3).Line(kCx + 7, 18, kCx + 15, 18, 2);
      m.Line(kCx, 21, kCx + 1, 6, 3);
      PaintLit(c, m, bark);
      for (auto [x, y] : {std::pair{33, 40}, {36, 33}, {32, 50}})
        c.FillRect(x, y, 2, 2, look.speck);
      break;
    }
    case Tree::kCloud: {
      Trunk(c, look.trunk, 36);
      Mask m = NewMask(c);
      m.Ellipse(kCx, 18, 12, 10).Ellipse(kCx - 11, 27, 10, 8).Ellipse(kCx + 11, 27, 10, 8);
      m.Ellipse(kCx, 31, 12, 7);
      PaintLit(c, m, look.foliage);
      for (auto [x, y] : {std::pair{30, 16}, {40, 26}, {26, 27}})
        c.FillRect(x, y, 2, 2, look.speck);
      break;
    }
  }
}

}  // namespace assetgen
