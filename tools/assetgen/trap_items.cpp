// Items standing on a tile: decorations and obstacles, containers, traps, switches, blocks and
// gates, each shaded for its area.
#include <cmath>

#include "tools/assetgen/areas.h"
#include "tools/assetgen/iso.h"
#include "tools/assetgen/trap.h"

namespace assetgen {
namespace {

constexpr double kCx = 34, kCy = 55.5;  // centre of the tile face in an item cell

Mask NewMask(const Canvas& c) {
  return Mask(c.Width(), c.Height());
}

void Hedge(Canvas& c, const AreaLook& look, uint32_t seed) {
  IsoBox b;
  b.u0 = b.v0 = 0.1, b.u1 = b.v1 = 0.9, b.height = 12;
  DrawBox(c, b, look.hedge, Scale(look.hedge, 0.8), Scale(look.hedge, 0.62), 0.25, seed);
  Prng rng(seed);
  for (int i = 0; i < 9; ++i) {
    const PointF p = IsoPoint(0.2 + 0.3 * (i % 3), 0.2 + 0.3 * (i / 3), 13);
    Mask m = NewMask(c);
    m.Ellipse(p.x, p.y, 7, 5);
    PaintLit(c, m, Scale(look.hedge, 1.05 + rng.Unit() * 0.1));
  }
  for (int i = 0; i < 7; ++i) {
    const PointF p = IsoPoint(0.15 + rng.Unit() * 0.7, 0.15 + rng.Unit() * 0.7, 15);
    c.FillRect(static_cast<int>(p.x), static_cast<int>(p.y), 2, 2, look.flower);
    c.Set(static_cast<int>(p.x), static_cast<int>(p.y), MakeRgb(255, 250, 220));
  }
}

void Rock(Canvas& c, const AreaLook& look) {
  Mask m = NewMask(c);
  m.Ellipse(kCx, 47, 17, 13).Ellipse(kCx - 8, 53, 11, 8).Ellipse(kCx + 9, 52, 12, 9);
  PaintLit(c, m, look.rock);
  c.Line(30, 44, 35, 50, Opaque(Scale(look.rock, 0.6)));
  c.Line(35, 50, 33, 56, Opaque(Scale(look.rock, 0.6)));
  c.Line(42, 40, 46, 44, Opaque(Scale(look.rock, 0.7)));
  Mask shine = NewMask(c);
  shine.Ellipse(kCx - 6, 40, 4, 2.5);
  PaintFlat(c, shine, Mix(look.rock, MakeRgb(255, 255, 255), 0.5));
}

void Barrel(Canvas& c, const AreaLook& look) {
  const Rgb wood = look.pot ? MakeRgb(200, 110, 70) : MakeRgb(170, 110, 60);
  auto cylinder = [&](int x) {
    const double t = (x - (kCx - 12)) / 24.0;
    return t < 0.3 ? Mix(wood, MakeRgb(255, 240, 200), 0.25) : t < 0.7 ? wood : Scale(wood, 0.7);
  };
  if (look.pot) {
    Mask body = NewMask(c);
    body.Ellipse(kCx, 47, 14, 13).Rect(static_cast<int>(kCx) - 6, 30, 12, 8);
    Paint(c, body, [&](int x, int y, bool edge) {
      if (edge) return Opaque(Scale(wood, 0.45));
      if (y >= 44 && y <= 46) return MakeRgb(240, 220, 150);
      return cylinder(x);
    });
    Mask rim = NewMask(c);
    rim.Ellipse(kCx, 30, 8, 3);
    PaintFlat(c, rim, Scale(wood, 1.15), Opaque(Scale(wood, 0.45)));
    Mask mouth = NewMask(c);
    mouth.Ellipse(kCx, 30, 5, 1.6);
    PaintFlat(c, mouth, MakeRgb(60, 30, 24));
    return;
  }
  Mask body = NewMask(c);
  body.Rect(static_cast<int>(kCx) - 12, 31, 24, 26).Ellipse(kCx, 57, 12, 4.5);
  body.Ellipse(kCx, 44, 13.5, 12);
  Paint(c, body, [&](int x, int y, bool edge) {
    if (edge) return Opaque(Scale(wood, 0.45));
    if (y == 36 || y == 37 || y == 52 || y == 53) return MakeRgb(110, 110, 120);
    if ((x - static_cast<int>(kCx) + 12) % 6 == 0) return Scale(cylinder(x), 0.85);
    return cylinder(x);
  });
  Mask lid = NewMask(c);
  lid.Ellipse(kCx, 31, 12, 4.5);
  PaintFlat(c, lid, Mix(wood, MakeRgb(255, 230, 190), 0.2), Opaque(Scale(wood, 0.45)));
}

void Box(Canvas& c) {
  const Rgb red = MakeRgb(200, 52, 48), gold = MakeRgb(248, 200, 64);
  IsoBox body;
  body.u0 = body.v0 = 0.2, body.u1 = body.v1 = 0.8, body.height = 16;
  DrawBox(c, body, red, Scale(red, 0.85), Scale(red, 0.65));
  IsoBox lid = body;
  lid.u0 = lid.v0 = 0.16, lid.u1 = lid.v1 = 0.84, lid.base = 15, lid.height = 6;
  DrawBox(c, lid, Mix(red, MakeRgb(255, 200, 180), 0.2), Scale(red, 0.75), Scale(red, 0.55));
  // A gold cord tied round the box, knotted on the lid.
  const PointF f0 = IsoPoint(0.5, 0.84, 21), f1 = IsoPoint(0.5, 0.8, 0);
  const PointF s0 = IsoPoint(0.84, 0.5, 21), s1 = IsoPoint(0.8, 0.5, 0);
  const PointF t0 = IsoPoint(0.5, 0.16, 21), t1 = IsoPoint(0.16, 0.5, 21);
  c.Line(static_cast<int>(f0.x), static_cast<int>(f0.y), static_cast<int>(f1.x),
         static_cast<int>(f1.y), gold, 2);
  c.Line(static_cast<int>(s0.x), static_cast<int>(s0.y), static_cast<int>(s1.x),
         static_cast<int>(s1.y), gold, 2);
  c.Line(static_cast<int>(t0.x), static_cast<int>(t0.y), static_cast<int>(f0.x),
         static_cast<int>(f0.y), gold, 2);
  c.Line(static_cast<int>(t1.x), static_cast<int>(t1.y), static_cast<int>(s0.x),
         static_cast<int>(s0.y), gold, 2);
  const PointF knot = IsoPoint(0.5, 0.5, 21);
  Mask m = NewMask(c);
  m.Ellipse(knot.x, knot.y, 3.5, 2.5);
  PaintLit(c, m, gold);
}

void Chest(Canvas& c) {
  const Rgb wood = MakeRgb(160, 100, 50), iron = MakeRgb(120, 120, 136);
  IsoBox body;
  body.u0 = 0.12, body.u1 = 0.88, body.v0 = 0.25, body.v1 = 0.8, body.height = 16;
  DrawBox(c, body, wood, Scale(wood, 0.88), Scale(wood, 0.66), 0.15, 5);
  IsoBox lid = body;
  lid.base = 16, lid.height = 8;
  DrawBox(c, lid, Mix(wood, MakeRgb(255, 220, 170), 0.25), Scale(wood, 0.78), Scale(wood, 0.58),
          0.15, 6);
  // Iron bands over lid and body.
  for (double u : {0.25, 0.75}) {
    const PointF p0 = IsoPoint(u, 0.8, 24), p1 = IsoPoint(u, 0.8, 0), p2 = IsoPoint(u, 0.25, 24);
    c.Line(static_cast<int>(p0.x), static_cast<int>(p0.y), static_cast<int>(p1.x),
           static_cast<int>(p1.y), iron, 2);
    c.Line(static_cast<int>(p0.x), static_cast<int>(p0.y), static_cast<int>(p2.x),
           static_cast<int>(p2.y), iron, 2);
  }
  // The lock on the front, the only side it opens from.
  const PointF lock = IsoPoint(0.5, 0.8, 16);
  Mask plate = NewMask(c);
  plate.Polygon({{lock.x - 4, lock.y - 4},
                 {lock.x + 4, lock.y - 2},
                 {lock.x + 4, lock.y + 6},
                 {lock.x - 4, lock.y + 4}});
  PaintLit(c, plate, MakeRgb(250, 210, 70));
  c.FillRect(static_cast<int>(lock.x) - 1, static_cast<int>(lock.y), 2, 3, kInk);
}

void Snare(Canvas& c) {
  const Rgb rope = MakeRgb(196, 150, 90);
  Mask loop = NewMask(c);
  loop.Ellipse(kCx, kCy, 15, 7.5).Ellipse(kCx, kCy, 11.5, 5, false);
  Paint(c, loop, [&](int x, int y, bool edge) {
    if (edge) return Opaque(Scale(rope, 0.5));
    return (x + y) % 4 < 2 ? rope : Scale(rope, 0.8);
  });
  Mask stake = NewMask(c);
  stake.Rect(50, 44, 3, 10);
  PaintLit(c, stake, MakeRgb(140, 96, 56));
  c.Line(48, 53, 51, 46, rope, 2);
  c.Line(44, 47, 51, 46, rope, 1);
}

void Pit(Canvas& c, const AreaLook& look) {
  Mask hole = NewMask(c);
  hole.Ellipse(kCx, kCy, 21, 10.5);
  Mask inner = NewMask(c);
  inner.Ellipse(kCx, kCy + 4, 19, 8.5).Intersect(hole);
  PaintFlat(c, hole, Opaque(Scale(look.soilDark, 0.8)), Opaque(Scale(look.ground, 0.45)));
  Paint(c, inner, [&](int x, int y, bool edge) {
    if (edge && y > kCy + 8) return Opaque(Scale(look.ground, 0.45));
    const double depth = std::hypot((x - kCx) / 19, (y - kCy - 4) / 8.5);
    return Opaque(Mix(MakeRgb(24, 16, 28), Scale(look.soilDark, 0.5), depth * 0.6));
  });
}

void Switch(Canvas& c, bool pressed) {
  const Rgb stone = MakeRgb(170, 170, 180);
  IsoBox plate;
  plate.u0 = plate.v0 = 0.2, plate.u1 = plate.v1 = 0.8, plate.height = pressed ? 1 : 5;
  DrawBox(c, plate, stone, Scale(stone, 0.8), Scale(stone, 0.62));
  const PointF centre = IsoPoint(0.5, 0.5, plate.height);
  const Rgb gem = pressed ? MakeRgb(80, 200, 100) : MakeRgb(230, 60, 60);
  if (!pressed) {
    Mask side = NewMask(c);
    side.Ellipse(centre.x, centre.y + 1, 7, 3.5);
    PaintFlat(c, side, Scale(gem, 0.6));
  }
  Mask button = NewMask(c);
  button.Ellipse(centre.x, centre.y - (pressed ? 0 : 2), 7, 3.5);
  PaintLit(c, button, gem);
}

void Movable(Canvas& c, const AreaLook& look, uint32_t seed) {
  IsoBox b;
  b.u0 = b.v0 = 0.08, b.u1 = b.v1 = 0.92, b.height = 30;
  const Rgb col = look.block;
  DrawBox(c, b, Mix(col, MakeRgb(255, 255, 240), 0.15), Scale(col, 0.85), Scale(col, 0.65), 0.18,
          seed);
  // A bevelled panel on each face and arrows showing that it can be pushed.
  const Rgb line = Opaque(Scale(col, 0.5));
  auto seg = [&](PointF p, PointF q) {
    c.Line(static_cast<int>(p.x), static_cast<int>(p.y), static_cast<int>(q.x),
           static_cast<int>(q.y), line);
  };
  for (double h : {6.0, 24.0}) {
    seg(IsoPoint(0.2, 0.92, h), IsoPoint(0.8, 0.92, h));
    seg(IsoPoint(0.92, 0.8, h), IsoPoint(0.92, 0.2, h));
  }
  seg(IsoPoint(0.2, 0.92, 6), IsoPoint(0.2, 0.92, 24));
  seg(IsoPoint(0.8, 0.92, 6), IsoPoint(0.8, 0.92, 24));
  seg(IsoPoint(0.92, 0.8, 6), IsoPoint(0.92, 0.8, 24));
  seg(IsoPoint(0.92, 0.2, 6), IsoPoint(0.92, 0.2, 24));
  const Rgb arrow = MakeRgb(255, 240, 160);
  const PointF t = IsoPoint(0.5, 0.5, 30);
  Mask m = NewMask(c);
  m.Polygon({{t.x - 9, t.y}, {t.x - 4, t.y - 3}, {t.x - 4, t.y + 3}});
  m.Polygon({{t.x + 9, t.y}, {t.x + 4, t.y - 3}, {t.x + 4, t.y + 3}});
  m.Rect(static_cast<int>(t.x) - 4, static_cast<int>(t.y), 8, 1);
  PaintFlat(c, m, arrow);
}

void Gate(Canvas& c) {
  const Rgb iron = MakeRgb(100, 108, 136);
  const double h = 40;
  auto bar = [&](double u, double v, Rgb col) {
    const PointF p = IsoPoint(u, v, 0), q = IsoPoint(u, v, h);
    Mask m = NewMask(c);
    m.Rect(static_cast<int>(p.x) - 1, static_cast<int>(q.y), 3, static_cast<int>(p.y - q.y));
    PaintFlat(c, m, col, Opaque(Scale(col, 0.45)));
    Mask tip = NewMask(c);
    tip.Polygon({{q.x - 2.5, q.y}, {q.x + 3.5, q.y}, {q.x + 0.5, q.y - 5}});
    PaintLit(c, tip, MakeRgb(200, 190, 120));
  };
  auto rail = [&](double u0, double v0, double u1, double v1, double lift, Rgb col) {
    const PointF p = IsoPoint(u0, v0, lift), q = IsoPoint(u1, v1, lift);
    c.Line(static_cast<int>(p.x), static_cast<int>(p.y), static_cast<int>(q.x),
           static_cast<int>(q.y), Opaque(Scale(col, 0.5)), 3);
    c.Line(static_cast<int>(p.x), static_cast<int>(p.y), static_cast<int>(q.x),
           static_cast<int>(q.y), col, 1);
  };
  const Rgb far = Scale(iron, 0.7);
  for (double t = 0.1; t < 0.95; t += 0.2) bar(t, 0.1, far), bar(0.1, t, far);
  rail(0.1, 0.1, 0.9, 0.1, h - 6, far), rail(0.1, 0.1, 0.1, 0.9, h - 6, far);
  for (double t = 0.1; t < 0.95; t += 0.2) bar(t, 0.9, iron), bar(0.9, t, Scale(iron, 0.85));
  for (double lift : {8.0, h - 6})
    rail(0.1, 0.9, 0.9, 0.9, lift, iron), rail(0.9, 0.9, 0.9, 0.1, lift, iron);
}

}  // namespace

void DrawItem(Canvas& c, int area, int kind) {
  const AreaLook& look = AreaOf(area);
  const uint32_t seed = 77 + area * 31 + kind;
  switch (kind) {
    case kHedge:
      Hedge(c, look, seed);
      break;
    case kRock:
      Rock(c, look);
      break;
    case kTree:
      DrawTree(c, area);
      break;
    case kBarrel:
      Barrel(c, look);
      break;
    case kBox:
      Box(c);
      break;
    case kChest:
      Chest(c);
      break;
    case kSnare:
      Snare(c);
      break;
    case kPit:
      Pit(c, look);
      break;
    case kSwitch:
      Switch(c, false);
      break;
    case kSwitchPressed:
      Switch(c, true);
      break;
    case kMovable:
      Movable(c, look, seed);
      break;
    case kGate:
      Gate(c);
      break;
    default:
      break;
  }
}

}  // namespace assetgen
