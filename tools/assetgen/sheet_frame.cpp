// img/frame.bmp: the rescue window, the message frame, the portraits beside the messages and
// the pause panel.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/figures.h"
#include "tools/assetgen/panel.h"
#include "tools/assetgen/pictures.h"

namespace assetgen {
namespace {

void Star(Canvas& c, double cx, double cy, double r, Rgb color) {
  std::vector<PointF> pts;
  for (int i = 0; i < 10; ++i) {
    const double a = -1.5708 + i * 3.14159 / 5;
    const double rr = i % 2 ? r * 0.45 : r;
    pts.push_back({cx + std::cos(a) * rr, cy + std::sin(a) * rr});
  }
  Mask m(c.Width(), c.Height());
  m.Polygon(pts);
  PaintLit(c, m, color);
}

void RescueWindow(Canvas& c) {
  PanelStyle s;
  s.fillTop = MakeRgb(255, 250, 236), s.fillBottom = MakeRgb(250, 236, 208);
  s.border = MakeRgb(236, 150, 60), s.borderWidth = 5, s.radius = 16;
  DrawPanel(c, 0, 0, 540, 140, s);
  // A ribbon across the top, above the text.
  Mask ribbon(c.Width(), c.Height());
  ribbon.Polygon({{150, 10}, {390, 10}, {380, 22}, {390, 34}, {150, 34}, {160, 22}});
  PaintLit(c, ribbon, MakeRgb(230, 80, 90));
  c.Line(165, 14, 375, 14, MakeRgb(255, 200, 200));
  Star(c, 270, 22, 9, MakeRgb(255, 220, 70));
  Star(c, 230, 22, 5, MakeRgb(255, 240, 180));
  Star(c, 310, 22, 5, MakeRgb(255, 240, 180));
  Prng rng(42);
  static const Rgb kConfetti[] = {MakeRgb(250, 120, 140), MakeRgb(110, 180, 250),
                                  MakeRgb(130, 210, 110), MakeRgb(250, 200, 80)};
  for (int i = 0; i < 26; ++i) {
    int x = rng.Range(16, 520), y = rng.Range(10, 34);
    if (x > 140 && x < 400) continue;
    c.FillRect(x, y, 3, 2, kConfetti[i % 4]);
  }
  Star(c, 24, 118, 6, MakeRgb(255, 210, 80));
  Star(c, 516, 118, 6, MakeRgb(255, 210, 80));
}

void MessageFrame(Canvas& c) {
  const int top = 140;
  PanelStyle s;
  s.fillTop = MakeRgb(250, 246, 232), s.fillBottom = MakeRgb(236, 226, 200);
  s.border = MakeRgb(150, 96, 56), s.borderWidth = 8, s.radius = 14;
  DrawPanel(c, 0, top, 440, 140, s);
  // Leaves climbing the two upper corners of the frame.
  for (int side = 0; side < 2; ++side) {
    const double x0 = side == 0 ? 14 : 426;
    const double dir = side == 0 ? 1 : -1;
    for (int i = 0; i < 4; ++i) {
      Mask leaf(c.Width(), c.Height());
      leaf.Ellipse(x0 + dir * (8 + i * 9), top + 4 + (i % 2) * 2, 4.5, 2.5);
      PaintLit(c, leaf, MakeRgb(90, 170, 80));
    }
    Mask berry(c.Width(), c.Height());
    berry.Ellipse(x0 + dir * 44, top + 5, 3, 3);
    PaintLit(c, berry, MakeRgb(230, 70, 80));
  }
  // A faint ruled line under each text row keeps the parchment from looking empty.
  for (int y = top + 62; y < top + 130; y += 20)
    for (int x = 30; x < 410; x += 2) c.Set(x, y, MakeRgb(226, 212, 180));
}

struct PortraitLook {
  Who who;
  Rgb skyTop, skyBottom, ground;
};

void Portrait(Canvas& c, int x, int y, const PortraitLook& p, uint32_t seed) {
  Canvas pic(100, 140);
  pic.VerticalGradient(0, 0, 100, 140, p.skyTop, p.skyBottom, 10);
  Prng rng(seed);
  for (int i = 0; i < 14; ++i) {
    const int sx = rng.Range(4, 95), sy = rng.Range(4, 80);
    pic.Set(sx, sy, Mix(p.skyTop, MakeRgb(255, 255, 255), 0.6));
  }
  Mask hill(100, 140);
  hill.Ellipse(30, 150, 70, 45).Ellipse(90, 150, 50, 40);
  PaintLit(pic, hill, p.ground, false);
  Canvas figure = DrawFigure(p.who, kFaceDown, 0);
  pic.PasteScaled(figure, 50 - 34 * 3, 18 - 10 * 3, 3);
  if (p.who == Who::kDemonLord) {
    // Lightning behind the demon lord before his capture.
    pic.Line(10, 10, 18, 30, MakeRgb(255, 240, 120), 2);
    pic.Line(18, 30, 12, 34, MakeRgb(255, 240, 120), 2);
    pic.Line(12, 34, 22, 56, MakeRgb(255, 240, 120), 2);
  }
  PanelStyle frame;
  frame.border = MakeRgb(200, 160, 80), frame.borderWidth = 4, frame.radius = 6;
  frame.studs = false;
  Canvas border(100, 140);
  DrawPanel(border, 0, 0, 100, 140, frame);
  // Keep the frame ring only; the picture shows through the middle.
  for (int j = 0; j < 140; ++j)
    for (int i = 0; i < 100; ++i) {
      const bool ring = i < 4 || j < 4 || i >= 96 || j >= 136;
      if (ring) pic.Set(i, j, border.Get(i, j) == kKey ? p.skyTop : border.Get(i, j));
    }
  c.Paste(pic, x, y, false);
}

void PausePanel(Canvas& c) {
  const int top = 560;
  PanelStyle s;
  s.fillTop = MakeRgb(20, 24, 56), s.fillBottom = MakeRgb(10, 12, 32);
  s.border = MakeRgb(196, 160, 90), s.borderWidth = 4, s.radius = 12;
  DrawPanel(c, 0, top, 280, 140, s);
  // The entries (the star from x 20, the longest text to x 266, rows from y 20 to 120) sit in
  // a sunken window. The game blends the panel in at 200 / 256 over the stage, so the brown of
  // the chosen entry needs the window as dark as the blend can draw: each 565 channel 1, which
  // adds no light, leaves only 22 % of the stage's light behind the letters.
  const int left = 16, width = 254, wtop = top + 16, height = 108;
  const Rgb fill = MakeRgb(8, 4, 8);
  const Rgb shade = MakeRgb(6, 8, 22), lit = MakeRgb(40, 48, 96);
  const Mask window = RoundedRect(c.Width(), c.Height(), left, wtop, width, height, 6);
  Paint(c, window, [&](int px, int py, bool edge) {
    if (!edge) return fill;
    // Shaded on the top and left, catching the light on the bottom and right.
    const int near = std::min(px - left, py - wtop);
    const int far = std::min(left + width - 1 - px, wtop + height - 1 - py);
    return far < near ? lit : shade;
  });
  // Faint stars in the night-blue rim around the window, clear of the corner studs.
  Prng rng(7);
  for (int i = 0; i < 60; ++i) {
    const int x = rng.Range(6, 273), y = rng.Range(top + 6, top + 133);
    const bool stud = (x < 14 || x > 265) && (y < top + 14 || y > top + 125);
    const bool inWindow = x >= left - 1 && x <= left + width && y >= wtop - 1 && y <= wtop + height;
    if (stud || inWindow) continue;
    c.Set(x, y, MakeRgb(120, 130, 180));
  }
}

}  // namespace

Canvas DrawFrameSheet() {
  Canvas sheet(640, 1000);
  RescueWindow(sheet);
  MessageFrame(sheet);
  const Rgb meadow = MakeRgb(110, 180, 80);
  static const PortraitLook kStages[] = {
      {Who::kSister, MakeRgb(150, 210, 250), MakeRgb(230, 246, 255), meadow},
      {Who::kGrandfather, MakeRgb(120, 180, 130), MakeRgb(210, 236, 200), MakeRgb(60, 120, 60)},
      {Who::kAngel, MakeRgb(120, 200, 240), MakeRgb(250, 236, 200), MakeRgb(240, 220, 160)},
      {Who::kSister, MakeRgb(170, 200, 240), MakeRgb(240, 246, 255), MakeRgb(236, 242, 252)},
      {Who::kGirl, MakeRgb(250, 190, 110), MakeRgb(255, 236, 190), MakeRgb(230, 170, 90)},
      {Who::kAngel, MakeRgb(90, 80, 100), MakeRgb(160, 140, 130), MakeRgb(120, 110, 100)},
      {Who::kSister, MakeRgb(150, 160, 200), MakeRgb(220, 220, 236), MakeRgb(170, 170, 180)},
      {Who::kGrandfather, MakeRgb(120, 50, 50), MakeRgb(240, 140, 70), MakeRgb(80, 60, 60)},
      {Who::kGirl, MakeRgb(250, 180, 220), MakeRgb(210, 230, 255), MakeRgb(250, 246, 252)},
      {Who::kAngel, MakeRgb(100, 70, 140), MakeRgb(200, 150, 200), MakeRgb(110, 80, 130)},
  };
  for (int s = 0; s < 10; ++s)
    Portrait(sheet, 100 * (s % 5), 280 + 140 * (s / 5), kStages[s], 300 + s);
  Portrait(sheet, 500, 280,
           {Who::kDemonLord, MakeRgb(60, 20, 60), MakeRgb(170, 40, 50), MakeRgb(50, 30, 60)}, 311);
  Portrait(sheet, 500, 420,
           {Who::kDemonCaptured, MakeRgb(140, 200, 250), MakeRgb(250, 240, 210), meadow}, 312);
  PausePanel(sheet);
  return sheet;
}

}  // namespace assetgen
