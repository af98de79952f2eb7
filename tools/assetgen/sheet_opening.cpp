// The opening: img/OP_back.bmp (an open storybook on a desk) and img/OP_pic.bmp (three page
// pictures and three text panels that tell how the story begins).
#include <cmath>

#include "tools/assetgen/figures.h"
#include "tools/assetgen/panel.h"
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/scenery.h"
#include "tools/assetgen/text.h"

namespace assetgen {
namespace {

constexpr int kPicW = 511, kPicH = 233;

// A small box of the kind the villagers were shut into, drawn flat-on for the pictures.
void LittleBox(Canvas& c, int x, int y, int size, bool shaking) {
  const Rgb red = MakeRgb(200, 52, 48), gold = MakeRgb(248, 200, 64);
  Mask body(c.Width(), c.Height());
  body.Rect(x, y + size / 4, size, size * 3 / 4);
  PaintLit(c, body, red);
  Mask lid(c.Width(), c.Height());
  lid.Rect(x - size / 10, y + (shaking ? -3 : 0), size + size / 5, size / 4 + 1);
  PaintLit(c, lid, Mix(red, MakeRgb(255, 200, 180), 0.2));
  c.FillRect(x + size / 2 - 1, y + (shaking ? -3 : 0), std::max(2, size / 10), size + 3, gold);
  if (shaking) {
    // Little lines around a box that someone inside is rattling.
    c.Line(x - 6, y + 2, x - 2, y + 6, kInk, 1);
    c.Line(x + size + 5, y + 2, x + size + 1, y + 6, kInk, 1);
  }
}

Canvas VillagePage() {
  // Page 1: the demon lord laughs over the village while the villagers vanish into boxes.
  Canvas c(kPicW, kPicH);
  c.VerticalGradient(0, 0, kPicW, 150, MakeRgb(60, 30, 80), MakeRgb(200, 90, 110), 10);
  Hills(c, 140, 8, 0.02, 0.4, MakeRgb(70, 120, 70), 101);
  for (int i = 0; i < 4; ++i) {
    const int hx = 230 + i * 70, hy = 120 + (i % 2) * 8;
    Mask wall(kPicW, kPicH), roof(kPicW, kPicH);
    wall.Rect(hx, hy, 40, 30);
    roof.Polygon({{hx - 6.0, hy + 1.0}, {hx + 46.0, hy + 1.0}, {hx + 20.0, hy - 20.0}});
    PaintLit(c, wall, MakeRgb(230, 210, 170));
    PaintLit(c, roof, MakeRgb(180, 70, 50));
    c.FillRect(hx + 15, hy + 14, 10, 16, MakeRgb(110, 70, 40));
  }
  c.PasteScaled(DrawFigure(Who::kDemonLord, kFaceDown, 0), -40, -28, 4);
  static const Who kVictims[] = {Who::kSister, Who::kGrandfather, Who::kGirl, Who::kVillageMan};
  for (int i = 0; i < 4; ++i) {
    const int bx = 240 + i * 66, by = 182;
    LittleBox(c, bx, by, 30, i % 2 == 0);
    // The last of each villager disappearing into its box.
    Canvas fig = DrawFigure(kVictims[i], kFaceDown, 0);
    c.PasteRect(fig, 14, 8, 40, 22, bx - 5, by - 26);
  }
  Sprinkle(c, 0, 0, kPicW, 100, 60, MakeRgb(250, 220, 250), 102);
  return c;
}

Canvas WorldPage() {
  // Page 2: the boxes lie scattered over every land, from the meadows to the snow.
  Canvas c(kPicW, kPicH);
  c.VerticalGradient(0, 0, kPicW, 120, MakeRgb(110, 170, 240), MakeRgb(220, 240, 255), 10);
  Mountain(c, 90, 30, 110, 140, MakeRgb(120, 140, 190), true);
  Mountain(c, 400, 50, 120, 140, MakeRgb(110, 120, 170), true);
  Cloud(c, 250, 35, 90);
  Hills(c, 120, 10, 0.015, 1.0, MakeRgb(110, 180, 90), 111);
  Mask sea(kPicW, kPicH);
  sea.Ellipse(420, 200, 140, 40);
  PaintFlat(c, sea, MakeRgb(70, 150, 220));
  Mask desert(kPicW, kPicH);
  desert.Ellipse(90, 210, 120, 35);
  PaintFlat(c, desert, MakeRgb(230, 190, 110));
  for (int i = 0; i < 6; ++i)
    SmallTree(c, 170 + i * 30, 150 + (i % 2) * 10, 16, MakeRgb(60, 140, 70), i % 2);
  const int spots[][2] = {{60, 110}, {150, 180}, {250, 135}, {330, 175}, {430, 120},
                          {80, 190}, {380, 205}, {470, 165}, {200, 205}};
  int n = 0;
  for (const auto& s : spots) LittleBox(c, s[0], s[1], 18, n++ % 3 == 0);
  return c;
}

Canvas HeroPage() {
  // Page 3: morning, and the hero sets out.
  Canvas c(kPicW, kPicH);
  c.VerticalGradient(0, 0, kPicW, 160, MakeRgb(250, 180, 120), MakeRgb(255, 240, 190), 10);
  Mask sun(kPicW, kPicH);
  sun.Ellipse(380, 140, 40, 40);
  PaintFlat(c, sun, MakeRgb(255, 250, 210));
  Hills(c, 140, 12, 0.014, 2.0, MakeRgb(120, 180, 90), 121);
  Hills(c, 175, 8, 0.02, 0.5, MakeRgb(96, 160, 70), 122);
  // A road winding off to the horizon.
  Mask road(kPicW, kPicH);
  road.Polygon({{250, 233}, {330, 233}, {300, 150}, {290, 150}});
  PaintFlat(c, road, MakeRgb(220, 190, 130));
  Cloud(c, 120, 40, 80), Cloud(c, 450, 30, 70);
  c.PasteScaled(DrawFigure(Who::kHero, kFaceDown, 1), 40, -30, 4);
  c.PasteScaled(DrawFigure(Who::kDog, kFaceRight, 1), 300, 60, 3);
  return c;
}

void Frame(Canvas& page) {
  // A thin ink line round each picture, like a print in a book.
  for (int x = 0; x < page.Width(); ++x) page.Set(x, 0, kInk), page.Set(x, page.Height() - 1, kInk);
  for (int y = 0; y < page.Height(); ++y) page.Set(0, y, kInk), page.Set(page.Width() - 1, y, kInk);
}

void TextPanel(Canvas& c, int y, const char* line1, const char* line2) {
  PanelStyle s;
  s.fillTop = MakeRgb(255, 250, 236), s.fillBottom = MakeRgb(244, 232, 206);
  s.border = MakeRgb(160, 110, 70), s.borderWidth = 4, s.radius = 12;
  DrawPanel(c, 0, y, 530, 100, s);
  TextStyle t;
  t.cellHeight = 24, t.cellWidth = 12, t.fill = MakeRgb(60, 40, 40), t.supersample = 3;
  DrawTextCentered(c, 265, y + 20, Translated(line1), t, 500);
  DrawTextCentered(c, 265, y + 56, Translated(line2), t, 500);
}

}  // namespace

Canvas DrawOpeningBack() {
  Canvas c(640, 480);
  // A wooden desk.
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      const double grain = std::sin(y * 0.15 + std::sin(x * 0.01) * 3) * 0.5 + 0.5;
      c.Set(x, y, Mix(MakeRgb(110, 70, 44), MakeRgb(140, 92, 56), grain * 0.7 + Bayer(x, y) * 0.3));
    }
  // The open book: cover, page edges and two pages meeting at the fold.
  Mask cover = RoundedRect(640, 480, 24, 26, 592, 432, 10);
  PaintLit(c, cover, MakeRgb(150, 40, 50));
  for (int layer = 3; layer >= 0; --layer) {
    Mask pages = RoundedRect(640, 480, 34 + layer, 34 + layer, 572 - 2 * layer, 414 - layer * 2, 6);
    PaintFlat(c, pages, layer % 2 ? MakeRgb(220, 206, 176) : MakeRgb(240, 230, 204),
              MakeRgb(170, 150, 120));
  }
  Mask leaf = RoundedRect(640, 480, 40, 38, 560, 404, 4);
  Paint(c, leaf, [](int x, int y, bool) {
    const double fold = std::abs(x - 320) / 280.0;
    Rgb col = Mix(MakeRgb(236, 222, 190), MakeRgb(252, 246, 228), std::min(1.0, fold * 3));
    if ((x * 7 + y * 13) % 97 == 0) col = Scale(col, 0.95);
    return col;
  });
  c.FillRect(319, 38, 2, 404, MakeRgb(200, 180, 150));
  // A ribbon marker hanging out at the bottom.
  Mask ribbon(640, 480);
  ribbon.Polygon({{440, 430}, {452, 430}, {452, 470}, {446, 464}, {440, 470}});
  PaintLit(c, ribbon, MakeRgb(60, 110, 200));
  return c;
}

Canvas DrawOpeningPages() {
  Canvas sheet(552, 1000);
  Canvas pages[3] = {VillagePage(), WorldPage(), HeroPage()};
  for (int p = 0; p < 3; ++p) {
    Frame(pages[p]);
    sheet.Paste(pages[p], 0, kPicH * p, false);
  }
  TextPanel(sheet, 700, Untranslated("まおうが　むらの　みんなを"),
            Untranslated("こばこに　とじこめて　しまった！"));
  TextPanel(sheet, 800, Untranslated("こばこは　せかいじゅうに"),
            Untranslated("ちらばって　しまったらしい……"));
  TextPanel(sheet, 900, Untranslated("はこを　あけて　みんなを　たすけよう！"),
            Untranslated("さあ、しゅっぱつだ！"));
  return sheet;
}

}  // namespace assetgen
