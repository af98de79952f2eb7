// People: one painter with a look per character (hair, clothes, extras), drawn part by part
// back to front so that each part keeps its own shading and outline.
#include <cmath>

#include "tools/assetgen/figures.h"

namespace assetgen::figure {
namespace {

enum class Hair { kShort, kSpiky, kLong, kBald, kPigtails, kBun, kHelmet };
enum class Eyes { kNormal, kStern, kDizzy };

struct Look {
  Rgb skin = MakeRgb(252, 208, 168);
  Rgb hair = MakeRgb(110, 64, 32);
  Rgb top = MakeRgb(200, 60, 50);
  Rgb bottom = MakeRgb(60, 80, 160);
  Rgb shoes = MakeRgb(96, 56, 32);
  Hair hairStyle = Hair::kShort;
  bool skirt = false, beard = false, halo = false, wings = false, horns = false;
  bool cape = false, apron = false, headband = false, tied = false, spear = false;
  Rgb capeColor = MakeRgb(90, 30, 110);
  Rgb eyeColor = MakeRgb(40, 30, 60);
  Eyes eyes = Eyes::kNormal;
  int width = 0;  // extra half-width of the body, for the bulky guard
};

Look LookOf(Who who) {
  Look k;
  switch (who) {
    case Who::kHero:
      k.hairStyle = Hair::kSpiky, k.headband = true;
      k.top = MakeRgb(224, 88, 40), k.bottom = MakeRgb(56, 88, 168);
      break;
    case Who::kSister:
      k.hairStyle = Hair::kLong, k.hair = MakeRgb(92, 48, 40), k.skirt = true, k.apron = true;
      k.top = MakeRgb(232, 120, 160), k.bottom = MakeRgb(232, 120, 160);
      k.shoes = MakeRgb(150, 60, 70);
      break;
    case Who::kGrandfather:
      k.hairStyle = Hair::kBald, k.hair = MakeRgb(236, 236, 236), k.beard = true;
      k.top = MakeRgb(96, 136, 80), k.bottom = MakeRgb(120, 96, 64),
      k.skin = MakeRgb(240, 196, 156);
      break;
    case Who::kAngel:
      k.hairStyle = Hair::kLong, k.hair = MakeRgb(248, 216, 96), k.halo = true, k.wings = true;
      k.skirt = true, k.top = MakeRgb(244, 244, 252), k.bottom = MakeRgb(236, 240, 252);
      k.shoes = MakeRgb(220, 190, 100), k.eyeColor = MakeRgb(40, 80, 160);
      break;
    case Who::kGirl:
      k.hairStyle = Hair::kPigtails, k.hair = MakeRgb(200, 96, 40), k.skirt = true;
      k.top = MakeRgb(248, 200, 64), k.bottom = MakeRgb(232, 96, 64),
      k.shoes = MakeRgb(200, 50, 50);
      break;
    case Who::kDemonLord:
    case Who::kDemonCaptured:
      k.hairStyle = Hair::kLong, k.hair = MakeRgb(56, 40, 72), k.horns = true, k.cape = true;
      k.skin = MakeRgb(176, 188, 220), k.top = MakeRgb(64, 40, 88), k.bottom = MakeRgb(48, 32, 64);
      k.shoes = MakeRgb(40, 32, 48), k.eyeColor = MakeRgb(230, 30, 40), k.eyes = Eyes::kStern;
      k.capeColor = MakeRgb(150, 24, 40);
      if (who == Who::kDemonCaptured) k.tied = true, k.eyes = Eyes::kDizzy;
      break;
    case Who::kVillageMan:
      k.hairStyle = Hair::kShort, k.hair = MakeRgb(70, 50, 40);
      k.top = MakeRgb(80, 150, 90), k.bottom = MakeRgb(130, 100, 70);
      break;
    case Who::kVillageWoman:
      k.hairStyle = Hair::kBun, k.hair = MakeRgb(60, 40, 50), k.skirt = true, k.apron = true;
      k.top = MakeRgb(90, 110, 190), k.bottom = MakeRgb(90, 110, 190);
      break;
    case Who::kMonster:
      k.hairStyle = Hair::kHelmet, k.hair = MakeRgb(150, 150, 164), k.horns = true;
      k.skin = MakeRgb(120, 190, 90), k.top = MakeRgb(130, 120, 130),
      k.bottom = MakeRgb(110, 70, 50);
      k.eyeColor = MakeRgb(220, 40, 30), k.eyes = Eyes::kStern, k.spear = true, k.width = 3;
      break;
    default:
      break;
  }
  return k;
}

Mask NewMask() {
  return Mask(64, 64);
}

void DrawEye(Canvas& c, int x, int y, const Look& k) {
  if (k.eyes == Eyes::kDizzy) {
    c.Set(x - 1, y - 1, kInk), c.Set(x + 1, y - 1, kInk), c.Set(x, y, kInk);
    c.Set(x - 1, y + 1, kInk), c.Set(x + 1, y + 1, kInk);
    return;
  }
  c.FillRect(x - 1, y - 1, 2, 4, Opaque(k.eyeColor));
  c.Set(x - 1, y - 1, MakeRgb(255, 255, 255));
  if (k.eyes == Eyes::kStern) c.FillRect(x - 2, y - 3, 4, 1, kInk);
}

}  // namespace

Canvas DrawPerson(Who who, int facing, int frame) {
  const Look k = LookOf(who);
  Canvas c(64, 64);
  const bool side = facing == kFaceLeft || facing == kFaceRight;
  const int dir = facing == kFaceLeft ? -1 : 1;  // the way a side view looks
  const bool back = facing == kFaceUp;
  const int bob = frame == 0 ? 0 : -1;
  const int cx = kCx;
  const int w = k.width;
  auto X = [&](double dx) { return cx + dir * dx; };

  // Wings and cape hang behind the body unless we see the back.
  auto drawWings = [&] {
    Mask m = NewMask();
    const int flap = frame == 1 ? -2 : 0;
    if (side) {
      m.Ellipse(X(-9), 34 + flap + bob, 7, 9);
    } else {
      m.Ellipse(cx - 12, 34 + flap + bob, 8, 7).Ellipse(cx + 12, 34 + flap + bob, 8, 7);
    }
    PaintLit(c, m, MakeRgb(248, 248, 255));
  };
  auto drawCape = [&] {
    Mask m = NewMask();
    const int sway = frame == 1 ? 1 : frame == 2 ? -1 : 0;
    if (side) {
      m.Polygon({{X(-2), 33.0 + bob}, {X(-4), 33.0 + bob}, {X(-12 - sway), 56}, {X(3), 56}});
    } else {
      m.Polygon({{cx - 8.0, 33.0 + bob},
                 {cx + 9.0, 33.0 + bob},
                 {cx + 14.0 + sway, 56},
                 {cx - 13.0 + sway, 56}});
    }
    PaintLit(c, m, k.capeColor);
  };
  if (k.wings && !back) drawWings();
  if (k.cape && !back) drawCape();
  if (k.hairStyle == Hair::kLong && !back) {
    Mask m = NewMask();
    if (side)
      m.Ellipse(X(-4), 30 + bob, 7, 11);
    else
      m.Ellipse(cx, 30 + bob, 12, 11);
    PaintLit(c, m, k.hair);
  }

  // Legs, with the steps: in side views the legs part, front and back views lift one foot.
  {
    for (int leg = 0; leg < 2; ++leg) {
      Mask m = NewMask(), shoe = NewMask();
      double lx, lift = 0;
      if (side) {
        const int stride = frame == 0 ? 0 : (frame == 1) == (leg == 0) ? 4 : -4;
        lx = X(stride) - 2 + (leg == 0 ? -1 : 1);
      } else {
        lx = (leg == 0 ? cx - 6 : cx + 2) + (leg == 0 ? -w / 2 : w / 2);
        lift = (frame == 1 && leg == 0) || (frame == 2 && leg == 1) ? 2 : 0;
      }
      m.Rect(static_cast<int>(lx), 45 + bob, 5, static_cast<int>(9 - lift));
      shoe.Ellipse(lx + 2.5 + (side ? dir * 1.5 : 0), 55.5 - lift, side ? 4 : 3.5, 2.5);
      Rgb legColor = k.skirt ? k.skin : k.bottom;
      if (side && leg == 0) legColor = Scale(legColor, 0.85);
      PaintLit(c, m, legColor);
      PaintLit(c, shoe, k.shoes);
    }
  }

  // Body: trousers and a tunic, or a dress that widens into a skirt.
  {
    Mask m = NewMask();
    const double top = 33 + bob;
    const double half = (side ? 6 : 8) + w;
    if (k.skirt) {
      m.Polygon({{cx - half + 1, top},
                 {cx + half - 1, top},
                 {cx + half + 4, 51.0 + bob},
                 {cx - half - 4, 51.0 + bob}});
    } else {
      m.Polygon({{cx - half + 1, top},
                 {cx + half - 1, top},
                 {cx + half, 48.0 + bob},
                 {cx - half, 48.0 + bob}});
    }
    PaintLit(c, m, k.top);
    if (!k.skirt) {
      Mask belt = NewMask();
      belt.Rect(static_cast<int>(cx - half), 44 + bob, static_cast<int>(2 * half), 2);
      PaintFlat(c, belt, Opaque(Scale(k.bottom, 0.6)));
    }
    if (k.apron && !back) {
      Mask a = NewMask();
      if (side)
        a.Polygon({{X(2), 38.0 + bob}, {X(7), 38.0 + bob}, {X(9), 50.0 + bob}, {X(3), 50.0 + bob}});
      else
        a.Polygon({{cx - 5.0, 38.0 + bob},
                   {cx + 5.0, 38.0 + bob},
                   {cx + 7.0, 50.0 + bob},
                   {cx - 7.0, 50.0 + bob}});
      PaintLit(c, a, MakeRgb(250, 250, 244));
    }
  }

  // Arms swing with the steps.
  auto drawArm = [&](double sx, double hx, double hy, Rgb color) {
    Mask m = NewMask();
    m.Line(sx, 35 + bob, hx, hy + bob, 4);
    PaintLit(c, m, color);
    Mask h = NewMask();
    h.Ellipse(hx, hy + bob + 1, 2.2, 2.2);
    PaintLit(c, h, k.skin);
  };
  if (k.tied) {
    // Arms bound to the sides, rope wound round the body.
  } else if (side) {
    const double swing = frame == 0 ? 0 : frame == 1 ? 4 : -4;
    drawArm(X(0), X(swing), 44, Scale(k.top, 0.95));
  } else {
    const double s = frame == 0 ? 0 : 1;
    drawArm(cx - 8 - w, cx - 11 - w, 44 - s, k.top);
    drawArm(cx + 8 + w, cx + 11 + w, 44 - (frame == 2 ? 0 : s), k.top);
  }
  if (k.spear) {
    const double sx = side ? X(3) : cx + 11 + w;
    c.Line(static_cast<int>(sx), 20 + bob, static_cast<int>(sx), 54 + bob, MakeRgb(120, 80, 40));
    Mask tip = NewMask();
    tip.Polygon({{sx - 2.5, 21.0 + bob}, {sx + 2.5, 21.0 + bob}, {sx + 0.5, 13.0 + bob}});
    PaintLit(c, tip, MakeRgb(210, 210, 224));
  }
  if (k.wings && back) drawWings();
  if (k.cape && back) drawCape();

  // Head: skin, then hair laid over it, then the face.
  const double hx = side ? X(1) : cx, hy = 24 + bob;
  {
    Mask head = NewMask();
    head.Ellipse(hx, hy, 10 + w * 0.3, 9.5);
    PaintLit(c, head, k.skin);
    Mask hair = NewMask();
    Mask cap = NewMask();
    cap.Ellipse(hx, hy - 1, 11 + w * 0.3, 10.5);
    switch (k.hairStyle) {
      case Hair::kBald:
        hair.Ellipse(hx - 9, hy + 2, 3, 4).Ellipse(hx + 9, hy + 2, 3, 4);
        if (back) hair.Ellipse(hx, hy + 4, 9, 4);
        if (side) hair = NewMask(), hair.Ellipse(X(-6), hy + 2, 4, 5);
        break;
      case Hair::kHelmet:
        hair.Rect(0, 0, 64, static_cast<int>(hy - 1));
        if (back) hair.Rect(0, 0, 64, 64);
        hair.Intersect(cap);
        break;
      default:
        if (back) {
          hair.Ellipse(hx, hy - 1, 11, 10.5);
        } else if (side) {
          hair.Rect(0, 0, 64, static_cast<int>(hy - 3));
          hair.Polygon({{X(-3), hy - 4}, {X(-12), hy - 4}, {X(-12), hy + 8}, {X(-5), hy + 7}});
          hair.Intersect(cap);
        } else {
          hair.Rect(0, 0, 64, static_cast<int>(hy - 3));
          hair.Polygon({{hx - 11, hy - 4}, {hx - 7, hy - 4}, {hx - 9, hy + 5}, {hx - 11, hy + 5}});
          hair.Polygon({{hx + 11, hy - 4}, {hx + 7, hy - 4}, {hx + 9, hy + 5}, {hx + 11, hy + 5}});
          hair.Intersect(cap);
          hair.Polygon({{hx - 5, hy - 5}, {hx, hy - 5}, {hx - 4, hy - 1}});  // a fringe lock
        }
        if (k.hairStyle == Hair::kSpiky) {
          for (int s = -2; s <= 2; ++s)
            hair.Polygon({{hx + s * 4 - 3, hy - 7},
                          {hx + s * 4 + 3, hy - 7},
                          {hx + s * 5 + (side ? -dir * 2 : 0), hy - 14 + std::abs(s)}});
        }
        if (k.hairStyle == Hair::kPigtails) {
          if (side)
            hair.Ellipse(X(-10), hy + 3, 3.5, 5);
          else
            hair.Ellipse(hx - 12, hy + 3, 3.5, 5).Ellipse(hx + 12, hy + 3, 3.5, 5);
        }
        if (k.hairStyle == Hair::kBun) hair.Ellipse(side ? X(-5) : hx, hy - 10, 5, 4);
        if (k.hairStyle == Hair::kLong && back)
          hair.Rect(static_cast<int>(hx - 10), 24 + bob, 21, 16);
        break;
    }
    PaintLit(c, hair, k.hair);
    if (k.headband) {
      Mask band = NewMask();
      band.Rect(0, static_cast<int>(hy - 4), 64, 3).Intersect(cap);
      PaintFlat(c, band, MakeRgb(240, 240, 236));
      if (back || side)
        c.Line(static_cast<int>(side ? X(-10) : hx + 2), static_cast<int>(hy - 3),
               static_cast<int>(side ? X(-15) : hx + 6), static_cast<int>(hy + 4),
               MakeRgb(240, 240, 236), 2);
    }
  }
  if (k.horns) {
    Mask m = NewMask();
    for (int s = -1; s <= 1; s += 2)
      m.Polygon({{hx + s * 6.0, hy - 6}, {hx + s * 10.0, hy - 4}, {hx + s * 13.0, hy - 15}});
    PaintLit(c, m, MakeRgb(236, 224, 200));
  }
  if (k.halo) {
    Mask ring = NewMask();
    ring.Ellipse(hx, hy - 15, 8, 2.6).Ellipse(hx, hy - 15, 5, 1.2, false);
    PaintFlat(c, ring, MakeRgb(255, 224, 64), MakeRgb(200, 150, 30));
  }
  if (!back) {
    const Rgb blush = MakeRgb(248, 150, 140);
    const Rgb mouth = Opaque(MakeRgb(150, 60, 60));
    if (side) {
      if (k.hairStyle != Hair::kLong && k.hairStyle != Hair::kHelmet) {
        Mask ear = NewMask();
        ear.Ellipse(X(-2), hy + 3, 2, 2.5);
        PaintLit(c, ear, k.skin);
      }
      DrawEye(c, static_cast<int>(X(5)), static_cast<int>(hy + 2), k);
      c.Set(static_cast<int>(X(8)), static_cast<int>(hy + 6), mouth);
      c.Set(static_cast<int>(X(4)), static_cast<int>(hy + 5), blush);
    } else {
      DrawEye(c, static_cast<int>(hx - 4), static_cast<int>(hy + 2), k);
      DrawEye(c, static_cast<int>(hx + 4), static_cast<int>(hy + 2), k);
      c.FillRect(static_cast<int>(hx - 1), static_cast<int>(hy + 6), 2, 1, mouth);
      c.Set(static_cast<int>(hx - 7), static_cast<int>(hy + 5), blush);
      c.Set(static_cast<int>(hx + 7), static_cast<int>(hy + 5), blush);
    }
    if (k.beard) {
      Mask m = NewMask();
      const double bx = side ? X(5) : hx;
      m.Polygon({{bx - 6, hy + 5},
                 {bx + 6, hy + 5},
                 {bx + 3, hy + 15},
                 {bx, hy + 17},
                 {bx - 3, hy + 15}});
      m.Rect(static_cast<int>(bx - 1), static_cast<int>(hy + 5), 2, 2, false);  // the mouth
      PaintLit(c, m, k.hair);
    }
  }
  if (k.tied) {
    // Rope round the body and arms: three turns and a knot.
    const Rgb rope = MakeRgb(200, 160, 90);
    for (int t = 0; t < 3; ++t) {
      Mask m = NewMask();
      m.Rect(cx - 11, 35 + bob + 4 * t, 23, 2);
      PaintFlat(c, m, rope, Opaque(Scale(rope, 0.55)));
    }
    Mask knot = NewMask();
    knot.Ellipse(cx + 1, 40 + bob, 2.5, 2.5);
    PaintLit(c, knot, rope);
  }
  c.OutlineOpaque(kInk);
  return c;
}

}  // namespace assetgen::figure
