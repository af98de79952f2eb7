// img/back0.bmp .. img/back9.bmp: the scenery behind each area's 9 x 9 floor, and img/Back.bmp,
// the soft pattern the stage-start wipe subtracts from the screen.
#include <cmath>

#include "tools/assetgen/areas.h"
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/scenery.h"

namespace assetgen {
namespace {

void Ground(Canvas& c, int top, Rgb color, Rgb texture, uint32_t seed) {
  Prng rng(seed);
  for (int y = top; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      // Slightly darker towards the bottom of the screen.
      Rgb col = Scale(color, 1.0 - (y - top) / 900.0);
      if (rng.Unit() < 0.08) col = texture;
      c.Set(x, y, Opaque(col));
    }
}

void Meadow(Canvas& c) {
  c.VerticalGradient(0, 0, 640, 200, MakeRgb(90, 160, 240), MakeRgb(200, 230, 255), 12);
  Cloud(c, 120, 50, 110), Cloud(c, 420, 80, 140), Cloud(c, 580, 30, 80);
  Hills(c, 150, 14, 0.012, 0.5, MakeRgb(120, 190, 110), 2);
  for (int i = 0; i < 9; ++i)
    SmallTree(c, 30 + i * 75, 160 + (i % 3) * 4, 18, MakeRgb(70, 150, 70), false);
  Hills(c, 185, 8, 0.02, 2.0, MakeRgb(96, 170, 70), 3);
  Ground(c, 200, MakeRgb(90, 160, 64), MakeRgb(110, 180, 80), 4);
  Sprinkle(c, 0, 200, 640, 280, 300, MakeRgb(250, 240, 120), 5);
  Sprinkle(c, 0, 200, 640, 280, 200, MakeRgb(250, 140, 170), 6);
}

void Forest(Canvas& c) {
  c.VerticalGradient(0, 0, 640, 200, MakeRgb(140, 190, 170), MakeRgb(220, 240, 210), 10);
  Ground(c, 150, MakeRgb(50, 100, 50), MakeRgb(70, 120, 56), 11);
  for (int row = 0; row < 3; ++row) {
    const Rgb col = Mix(MakeRgb(40, 90, 60), MakeRgb(150, 190, 160), 0.5 - row * 0.22);
    for (int i = 0; i < 16; ++i)
      SmallTree(c, i * 44 + row * 15 + (i * 37 % 11), 120 + row * 30 + (i * 13 % 9), 40 + row * 8,
                col, true);
  }
  Sprinkle(c, 0, 200, 640, 280, 200, MakeRgb(160, 110, 70), 12);
}

void Beach(Canvas& c) {
  c.VerticalGradient(0, 0, 640, 150, MakeRgb(60, 150, 240), MakeRgb(190, 230, 255), 10);
  Cloud(c, 160, 40, 120), Cloud(c, 500, 60, 100);
  c.VerticalGradient(0, 150, 640, 60, MakeRgb(40, 120, 200), MakeRgb(80, 180, 220), 6);
  for (int y = 156; y < 210; y += 9)
    for (int x = (y * 7) % 40; x < 640; x += 40) c.FillRect(x, y, 14, 1, MakeRgb(200, 236, 250));
  Ground(c, 210, MakeRgb(230, 210, 150), MakeRgb(240, 224, 170), 21);
  for (int x = 0; x < 640; ++x)
    c.Set(x, 210 + static_cast<int>(2 * std::sin(x * 0.05)), MakeRgb(250, 250, 240));
  Sprinkle(c, 0, 220, 640, 260, 60, MakeRgb(250, 170, 170), 22);
}

void Snowfield(Canvas& c) {
  c.VerticalGradient(0, 0, 640, 200, MakeRgb(150, 180, 230), MakeRgb(230, 240, 255), 10);
  Mountain(c, 120, 40, 170, 200, MakeRgb(120, 140, 190), true);
  Mountain(c, 380, 20, 200, 200, MakeRgb(110, 130, 180), true);
  Mountain(c, 580, 70, 140, 200, MakeRgb(130, 150, 200), true);
  Hills(c, 180, 8, 0.015, 1.0, MakeRgb(220, 230, 250), 31);
  Ground(c, 200, MakeRgb(214, 226, 248), MakeRgb(240, 246, 255), 32);
  Sprinkle(c, 0, 0, 640, 480, 260, MakeRgb(255, 255, 255), 33);
}

void Desert(Canvas& c) {
  c.VerticalGradient(0, 0, 640, 190, MakeRgb(250, 200, 120), MakeRgb(255, 240, 200), 10);
  Mask sun(640, 480);
  sun.Ellipse(520, 60, 30, 30);
  PaintFlat(c, sun, MakeRgb(255, 250, 210));
  Mask pyramid(640, 480);
  pyramid.Polygon({{160, 90}, {250, 180}, {70, 180}});
  Paint(c, pyramid,
        [](int x, int, bool) { return x < 160 ? MakeRgb(230, 180, 110) : MakeRgb(190, 140, 80); });
  Hills(c, 170, 12, 0.01, 0.0, MakeRgb(236, 180, 100), 41);
  Hills(c, 195, 10, 0.018, 1.5, MakeRgb(224, 164, 88), 42);
  Ground(c, 215, MakeRgb(216, 156, 84), MakeRgb(232, 176, 100), 43);
}

void Cave(Canvas& c) {
  c.VerticalGradient(0, 0, 640, 480, MakeRgb(60, 50, 48), MakeRgb(100, 86, 76), 10);
  Prng rng(51);
  for (int i = 0; i < 22; ++i) {
    const double x = rng.Range(0, 640), len = rng.Range(30, 110), w = rng.Range(10, 24);
    Mask m(640, 480);
    m.Polygon({{x - w, 0}, {x + w, 0}, {x, len}});
    PaintLit(c, m, MakeRgb(90, 78, 70), false);
  }
  Hills(c, 195, 10, 0.02, 0.3, MakeRgb(80, 70, 64), 52);
  for (int i = 0; i < 10; ++i) {
    const double x = rng.Range(10, 630), y = rng.Range(200, 470);
    Mask gem(640, 480);
    gem.Polygon({{x, y - 9}, {x + 4, y}, {x, y + 3}, {x - 4, y}});
    PaintLit(c, gem, MakeRgb(110, 220, 220));
  }
}

void Castle(Canvas& c) {
  // A great hall: brick wall with tall windows and banners, then a flagstone floor.
  for (int y = 0; y < 210; ++y)
    for (int x = 0; x < 640; ++x) {
      const int row = y / 14, off = row % 2 ? 14 : 0;
      const bool joint = y % 14 == 13 || (x + off) % 28 == 27;
      c.Set(x, y, joint ? MakeRgb(100, 100, 112) : MakeRgb(150 + (row * 7 % 12), 150, 162));
    }
  for (int i = 0; i < 4; ++i) {
    const int x = 60 + i * 160;
    Mask win(640, 480);
    win.Rect(x, 60, 40, 90).Ellipse(x + 20, 60, 20, 20);
    Paint(c, win, [](int, int y, bool edge) {
      return edge ? MakeRgb(80, 80, 90) : y < 100 ? MakeRgb(170, 210, 250) : MakeRgb(130, 180, 240);
    });
    Mask banner(640, 480);
    banner.Polygon(
        {{x + 60.0, 30}, {x + 90.0, 30}, {x + 90.0, 110}, {x + 75.0, 98}, {x + 60.0, 110}});
    PaintLit(c, banner, MakeRgb(190, 40, 50));
  }
  Ground(c, 210, MakeRgb(120, 116, 126), MakeRgb(134, 130, 140), 61);
  for (int y = 220; y < 480; y += 24) c.FillRect(0, y, 640, 1, MakeRgb(96, 92, 104));
}

void Volcano(Canvas& c) {
  c.VerticalGradient(0, 0, 640, 200, MakeRgb(90, 30, 40), MakeRgb(240, 120, 60), 12);
  Mountain(c, 330, 40, 230, 200, MakeRgb(70, 50, 56), false);
  Mask lava(640, 480);
  lava.Polygon({{320, 42}, {340, 42}, {360, 120}, {330, 200}, {310, 200}, {330, 120}});
  PaintFlat(c, lava, MakeRgb(250, 140, 40));
  Mask smoke(640, 480);
  smoke.Ellipse(330, 25, 30, 14).Ellipse(360, 10, 24, 10);
  PaintFlat(c, smoke, MakeRgb(120, 90, 100));
  Ground(c, 200, MakeRgb(60, 46, 50), MakeRgb(80, 60, 60), 71);
  for (int x = 0; x < 640; ++x) {
    const int y = 240 + static_cast<int>(30 * std::sin(x * 0.01)) + (x > 320 ? 160 : 0);
    c.FillRect(x, y, 1, 6, MakeRgb(250, 120, 30));
    c.Set(x, y + 2, MakeRgb(255, 220, 90));
  }
  Sprinkle(c, 0, 0, 640, 200, 90, MakeRgb(255, 180, 80), 72);
}

void Sky(Canvas& c) {
  c.VerticalGradient(0, 0, 640, 480, MakeRgb(120, 170, 250), MakeRgb(250, 210, 240), 14);
  static const Rgb kBow[] = {MakeRgb(250, 120, 120), MakeRgb(250, 200, 110),
                             MakeRgb(250, 250, 140), MakeRgb(140, 230, 140),
                             MakeRgb(140, 180, 250), MakeRgb(190, 150, 240)};
  for (int band = 0; band < 6; ++band) {
    Mask ring(640, 480);
    ring.Ellipse(320, 260, 300 - band * 8, 220 - band * 8)
        .Ellipse(320, 260, 292 - band * 8, 212 - band * 8, false);
    ring.Rect(0, 250, 640, 230, false);  // the bow ends in the clouds
    Paint(c, ring, [&](int x, int y, bool) { return Mix(c.Get(x, y), kBow[band], 0.45); });
  }
  Cloud(c, 90, 120, 150), Cloud(c, 560, 150, 160), Cloud(c, 320, 60, 100);
  Cloud(c, 60, 380, 200), Cloud(c, 600, 420, 220), Cloud(c, 200, 460, 180);
}

void DemonCastle(Canvas& c) {
  c.VerticalGradient(0, 0, 640, 220, MakeRgb(30, 16, 50), MakeRgb(120, 50, 110), 12);
  Sprinkle(c, 0, 0, 640, 120, 80, MakeRgb(220, 210, 250), 91);
  Mask moon(640, 480);
  moon.Ellipse(540, 60, 28, 28).Ellipse(552, 52, 24, 24, false);
  PaintFlat(c, moon, MakeRgb(250, 230, 170));
  const Rgb wall = MakeRgb(50, 32, 66);
  for (int i = 0; i < 5; ++i) {
    const int x = 40 + i * 130, h = 90 + (i % 2) * 40;
    Mask tower(640, 480);
    tower.Rect(x, 200 - h, 50, h)
        .Polygon({{x - 6.0, 200.0 - h}, {x + 56.0, 200.0 - h}, {x + 25.0, 150.0 - h}});
    PaintFlat(c, tower, wall);
    c.FillRect(x + 20, 220 - h, 8, 12, MakeRgb(250, 200, 80));
  }
  Ground(c, 200, MakeRgb(70, 44, 90), MakeRgb(90, 56, 110), 92);
  for (int y = 230; y < 480; y += 30)
    for (int x = (y / 30 % 2) * 30; x < 640; x += 60) c.FillRect(x, y, 2, 2, MakeRgb(200, 50, 80));
}

}  // namespace

Canvas DrawAreaBack(int area) {
  Canvas c(640, 480, MakeRgb(8, 8, 16));
  switch (area) {
    case 0:
      Meadow(c);
      break;
    case 1:
      Forest(c);
      break;
    case 2:
      Beach(c);
      break;
    case 3:
      Snowfield(c);
      break;
    case 4:
      Desert(c);
      break;
    case 5:
      Cave(c);
      break;
    case 6:
      Castle(c);
      break;
    case 7:
      Volcano(c);
      break;
    case 8:
      Sky(c);
      break;
    default:
      DemonCastle(c);
      break;
  }
  FloorShadow(c, 0.35);
  return c;
}

Canvas DrawWipeShade() {
  // Subtracted at level 200 (d - s * 200 / 256): values between 72 and 150 darken the screen
  // by roughly a quarter to a half in soft diagonal stripes, darker towards the corners, and
  // never wipe a colour out to black.
  Canvas c(640, 480);
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      const double dx = (x - 320) / 320.0, dy = (y - 240) / 240.0;
      const double vignette = std::min(1.0, (dx * dx + dy * dy) * 0.5);
      const double stripe = 0.5 + 0.5 * std::sin((x + y) * 0.06);
      const int v = static_cast<int>(72 + 40 * vignette + 30 * stripe + (Bayer(x, y) - 0.5) * 8);
      c.Set(x, y, MakeRgb(v, v, static_cast<int>(v * 0.85)));
    }
  return c;
}

}  // namespace assetgen
