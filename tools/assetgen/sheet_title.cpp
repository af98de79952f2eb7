// The front pictures: img/kelball.bmp (falling balls, the title lettering in ten pieces, the
// two title entries) and img/clear.bmp (the lettering that falls in when a stage is won).
#include <cmath>

#include "platform/text.h"
#include "tools/assetgen/panel.h"
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/text.h"

namespace assetgen {
namespace {

// One shiny ball, its bottom on the cell's bottom edge (the logo drops balls by that point).
void Ball(Canvas& c, int x, int y, int n) {
  static const Rgb kColors[] = {
      MakeRgb(230, 60, 60),   MakeRgb(250, 150, 40),  MakeRgb(250, 220, 60),
      MakeRgb(120, 200, 70),  MakeRgb(60, 180, 160),  MakeRgb(70, 140, 240),
      MakeRgb(140, 90, 220),  MakeRgb(240, 110, 190), MakeRgb(250, 250, 250),
      MakeRgb(150, 100, 60),  MakeRgb(200, 40, 100),  MakeRgb(40, 110, 70),
      MakeRgb(100, 210, 250), MakeRgb(250, 190, 150), MakeRgb(170, 170, 190),
      MakeRgb(250, 120, 90)};
  const Rgb base = kColors[n];
  const double cx = x + 40, cy = y + 46, r = 33;
  Mask m(c.Width(), c.Height());
  m.Ellipse(cx, cy, r, r);
  const int pattern = n % 4;
  Paint(c, m, [&](int px, int py, bool edge) {
    if (edge) return Opaque(Scale(base, 0.35));
    const double dx = (px + 0.5 - cx) / r, dy = (py + 0.5 - cy) / r;
    Rgb col = base;
    if (pattern == 1 && std::abs(dy + dx * 0.2) < 0.22) col = MakeRgb(250, 250, 250);
    if (pattern == 2 && std::fmod(std::atan2(dy, dx) + 7, 1.0472) < 0.5236)
      col = Mix(base, MakeRgb(255, 255, 255), 0.55);
    if (pattern == 3 && std::hypot(dx - 0.15, dy - 0.1) < 0.38) col = MakeRgb(250, 250, 250);
    // Light from the upper left: a soft sphere shade with a bright rim light below.
    const double lit =
        std::clamp(0.75 - (dx * -0.5 + dy * -0.6) * 0.55 + (Bayer(px, py) - 0.5) * 0.12, 0.0, 1.0);
    Rgb shaded = lit < 0.55 ? col : lit < 0.8 ? Scale(col, 0.8) : Scale(col, 0.6);
    if (dx * dx + dy * dy > 0.8 && dy > 0.3) shaded = Mix(shaded, MakeRgb(255, 255, 255), 0.2);
    return Opaque(shaded);
  });
  if (pattern == 3) {
    // A face on the round spot: the balls smile at the player.
    const int fx = static_cast<int>(cx + 0.15 * r), fy = static_cast<int>(cy + 0.1 * r);
    c.FillRect(fx - 5, fy - 4, 2, 4, kInk);
    c.FillRect(fx + 4, fy - 4, 2, 4, kInk);
    c.Line(fx - 4, fy + 3, fx - 2, fy + 5, kInk);
    c.Line(fx - 2, fy + 5, fx + 3, fy + 5, kInk);
    c.Line(fx + 3, fy + 5, fx + 5, fy + 3, kInk);
  }
  Mask shine(c.Width(), c.Height());
  shine.Ellipse(cx - 12, cy - 14, 9, 6);
  PaintFlat(c, shine, Mix(base, MakeRgb(255, 255, 255), 0.8));
  Mask dot(c.Width(), c.Height());
  dot.Ellipse(cx - 14, cy - 15, 3.5, 2.5);
  PaintFlat(c, dot, MakeRgb(255, 255, 255));
}

TextStyle BigLetter(Rgb top, Rgb bottom, int size) {
  TextStyle s;
  s.cellHeight = size, s.cellWidth = size / 2;
  s.fill = top, s.fillBottom = bottom;
  s.outline = MakeRgb(60, 24, 20), s.outlineWidth = 3;
  s.shadow = MakeRgb(40, 16, 30), s.shadowOffset = 2;
  s.supersample = 3;
  return s;
}

void TitleEntry(Canvas& c, int x, int y, int w, const char* text, int state) {
  // state 0 plain, 1 and 2 the two highlighted frames.
  if (state > 0) {
    PanelStyle p;
    p.fillTop = state == 1 ? MakeRgb(250, 140, 60) : MakeRgb(250, 170, 80);
    p.fillBottom = state == 1 ? MakeRgb(200, 70, 40) : MakeRgb(230, 100, 50);
    p.border = MakeRgb(250, 220, 120), p.borderWidth = 3, p.radius = 20, p.studs = false;
    DrawPanel(c, x + 2, y + 3, w - 4, 44, p);
    const int d = state == 1 ? 0 : 3;  // the arrows nudge inwards on the second frame
    for (int side = 0; side < 2; ++side) {
      const double ax = side == 0 ? x + 6 + d : x + w - 7 - d, dir = side == 0 ? 1 : -1;
      Mask m(c.Width(), c.Height());
      m.Polygon({{ax, y + 17.0}, {ax + dir * 9, y + 25.0}, {ax, y + 33.0}});
      PaintFlat(c, m, MakeRgb(255, 250, 200), MakeRgb(120, 50, 20));
    }
  }
  TextStyle s;
  s.cellHeight = 34, s.cellWidth = 17;
  s.fill = state == 0 ? MakeRgb(236, 236, 244) : MakeRgb(255, 250, 170);
  s.fillBottom = state == 0 ? MakeRgb(170, 180, 210) : MakeRgb(255, 210, 60);
  s.outline = state == 0 ? MakeRgb(40, 40, 80) : MakeRgb(110, 40, 20);
  s.outlineWidth = 2;
  DrawTextCentered(c, x + w / 2, y + 8, text, s, w - 24);
}

}  // namespace

Canvas DrawKelball() {
  Canvas sheet(480, 600);
  for (int n = 0; n < 16; ++n) Ball(sheet, 80 * (n % 6), 80 * (n / 6), n);
  // The title: こばこ 大作戦 on the upper row, おたすけ below.
  std::vector<std::string> glyphs = Pieces(Untranslated("こ ば こ 大 作 戦"), 6);
  for (const std::string& piece : Pieces(Untranslated("お た す け"), 4)) glyphs.push_back(piece);
  // The logo sets the upper row as two groups of three with a gap between them; six narrow
  // letters (one Latin word) move towards the gap so that they read as one evenly spaced word.
  bool oneWord = true;
  for (int i = 0; i < 6; ++i)
    oneWord =
        oneWord && CodePoints(glyphs[i]).size() == 1 && CellsOf(CodePoints(glyphs[i])[0]) == 1;
  static const int kWordShift[] = {0, 10, 20, -20, -10, 0};
  for (int i = 0; i < 10; ++i) {
    const int x = 80 * (i % 6), y = 240 + 100 * (i / 6);
    TextStyle s = i < 3   ? BigLetter(MakeRgb(255, 200, 120), MakeRgb(240, 80, 60), 70)
                  : i < 6 ? BigLetter(MakeRgb(255, 250, 160), MakeRgb(250, 170, 30), 70)
                          : BigLetter(MakeRgb(200, 250, 230), MakeRgb(60, 180, 200), 64);
    Canvas piece(80, 100);
    const int shift = i < 6 && oneWord ? kWordShift[i] : 0;
    DrawTextCentered(piece, 39 + shift, i < 6 ? 12 : 16, glyphs[i], s, 78);
    sheet.Paste(piece, x, y);
  }
  for (int state = 0; state < 3; ++state) {
    TitleEntry(sheet, 0, 440 + 50 * state, 184, Translated("はじめる"), state);
    TitleEntry(sheet, 200, 440 + 50 * state, 140, Translated("おわる"), state);
  }
  return sheet;
}

Canvas DrawClearPicture() {
  Canvas sheet(640, 480);
  // Five pieces of 60 pixels that fall in one after the other: one letter each.
  const std::vector<std::string> glyphs = Pieces(Untranslated("ク リ ア ー ！"), 5);
  for (int i = 0; i < 5; ++i) {
    Canvas piece(60, 80);
    TextStyle s = BigLetter(MakeRgb(255, 255, 190), MakeRgb(255, 150, 40), 50);
    s.outline = MakeRgb(150, 30, 40);
    DrawTextCentered(piece, 30, 12, glyphs[i], s, 58);
    sheet.Paste(piece, 60 * i, 0);
  }
  return sheet;
}

}  // namespace assetgen
