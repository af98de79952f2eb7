// img/end.bmp: the epilogue and the credits, 640 x 2000, scrolled upward from the top until
// its last 480 lines (the closing picture with "おしまい") fill the screen.
#include <cmath>

#include "tools/assetgen/figures.h"
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/scenery.h"
#include "tools/assetgen/text.h"

namespace assetgen {
namespace {

TextStyle Caption(int size) {
  TextStyle t;
  t.cellHeight = size, t.cellWidth = size / 2;
  t.fill = MakeRgb(255, 255, 250), t.fillBottom = MakeRgb(240, 230, 200);
  t.outline = MakeRgb(40, 30, 60), t.outlineWidth = 2;
  return t;
}

void Sky(Canvas& c) {
  // From morning at the top through the sunset to the starry night of the last picture.
  c.VerticalGradient(0, 0, 640, 700, MakeRgb(120, 180, 250), MakeRgb(200, 230, 250), 12);
  c.VerticalGradient(0, 700, 640, 500, MakeRgb(200, 230, 250), MakeRgb(250, 170, 110), 12);
  c.VerticalGradient(0, 1200, 640, 400, MakeRgb(250, 170, 110), MakeRgb(60, 40, 100), 12);
  c.VerticalGradient(0, 1600, 640, 400, MakeRgb(60, 40, 100), MakeRgb(20, 20, 56), 12);
  Sprinkle(c, 0, 1450, 640, 550, 260, MakeRgb(250, 250, 220), 501);
}

void Homecoming(Canvas& c) {
  DrawTextCentered(c, 320, 40, Translated("そのご……"), Caption(32), 620);
  Cloud(c, 110, 120, 120), Cloud(c, 520, 100, 100);
  Hills(c, 330, 16, 0.012, 0.8, MakeRgb(110, 180, 90), 511, 470);
  for (int i = 0; i < 4; ++i) {
    const int hx = 60 + i * 150, hy = 270 + (i % 2) * 10;
    Mask wall(640, 2000), roof(640, 2000);
    wall.Rect(hx, hy, 60, 44);
    roof.Polygon({{hx - 8.0, hy + 2.0}, {hx + 68.0, hy + 2.0}, {hx + 30.0, hy - 28.0}});
    PaintLit(c, wall, MakeRgb(236, 216, 176));
    PaintLit(c, roof, i % 2 ? MakeRgb(70, 110, 200) : MakeRgb(190, 70, 50));
    c.FillRect(hx + 24, hy + 20, 12, 24, MakeRgb(120, 80, 50));
  }
  Mask field(640, 2000);
  field.Rect(0, 340, 640, 130);
  PaintFlat(c, field, MakeRgb(100, 170, 80));
  static const Who kCrowd[] = {Who::kVillageMan, Who::kGrandfather, Who::kSister,      Who::kHero,
                               Who::kGirl,       Who::kAngel,       Who::kVillageWoman};
  for (int i = 0; i < 7; ++i)
    c.PasteScaled(DrawFigure(kCrowd[i], kFaceDown, i % 3), 14 + i * 84, 300, 2);
  c.PasteScaled(DrawFigure(Who::kDog, kFaceLeft, 1), 540, 362, 2);
  DrawTextCentered(c, 320, 452, Translated("みんな　ぶじに　むらへ　かえってきた！"), Caption(24),
                   620);
}

void DemonReformed(Canvas& c) {
  const int top = 540;
  Mask hill(640, 2000);
  hill.Ellipse(320, top + 330, 360, 120);
  PaintLit(c, hill, MakeRgb(120, 180, 90), false);
  c.PasteScaled(DrawFigure(Who::kDemonCaptured, kFaceDown, 0), 320 - 34 * 3, top + 40, 3);
  c.PasteScaled(DrawFigure(Who::kMonster, kFaceLeft, 0), 420, top + 110, 2);
  c.PasteScaled(DrawFigure(Who::kHero, kFaceRight, 0), 80, top + 110, 2);
  DrawTextCentered(c, 320, top + 300, Translated("つかまった　まおうは　すっかり　はんせいして"),
                   Caption(24), 620);
  DrawTextCentered(c, 320, top + 336, Translated("いまでは　むらの　はたけを　たがやしている。"),
                   Caption(24), 620);
}

void Cast(Canvas& c) {
  const int top = 1000;
  DrawTextCentered(c, 320, top, Translated("とうじょう　じんぶつ"), Caption(32), 620);
  struct Entry {
    Who who;
    const char* name;
  };
  static const Entry kCast[] = {{Who::kHero, Untranslated("ゆうしゃ")},
                                {Who::kSister, Untranslated("おねーさん")},
                                {Who::kGrandfather, Untranslated("おじーさん")},
                                {Who::kAngel, Untranslated("てんしさま")},
                                {Who::kGirl, Untranslated("おんなのこ")},
                                {Who::kDemonLord, Untranslated("まおう")},
                                {Who::kVillageMan, Untranslated("むらのひと")},
                                {Who::kVillageWoman, Untranslated("むらのひと")},
                                {Who::kDog, Untranslated("いぬ")},
                                {Who::kMonster, Untranslated("もんばん")}};
  for (int i = 0; i < 10; ++i) {
    const int cx = 64 + (i % 5) * 128, y = top + 50 + (i / 5) * 170;
    c.PasteScaled(DrawFigure(kCast[i].who, kFaceDown, 0), cx - 68, y, 2);
    DrawTextCentered(c, cx, y + 124, Translated(kCast[i].name), Caption(20), 124);
  }
}

void Staff(Canvas& c) {
  const int top = 1400;
  DrawTextCentered(c, 320, top, "kobako", Caption(40));
  DrawTextCentered(c, 320, top + 60, Translated("プログラム・え・おんがく: kobako チーム"),
                   Caption(22), 620);
}

void Finale(Canvas& c) {
  const int top = 1520;
  Mask moon(640, 2000);
  moon.Ellipse(500, top + 90, 36, 36).Ellipse(514, top + 80, 32, 32, false);
  PaintFlat(c, moon, MakeRgb(250, 236, 170));
  Mask hill(640, 2000);
  hill.Ellipse(320, top + 470, 420, 150);
  PaintLit(c, hill, MakeRgb(50, 80, 70), false);
  static const Who kFriends[] = {Who::kSister, Who::kGrandfather, Who::kHero, Who::kAngel,
                                 Who::kGirl};
  for (int i = 0; i < 5; ++i)
    c.PasteScaled(DrawFigure(kFriends[i], kFaceUp, 0), 80 + i * 96, top + 170, 2);
  c.PasteScaled(DrawFigure(Who::kDog, kFaceUp, 0), 520, top + 210, 2);
  TextStyle t = Caption(72);
  t.fill = MakeRgb(255, 250, 190), t.fillBottom = MakeRgb(250, 170, 60);
  t.outline = MakeRgb(90, 30, 40), t.outlineWidth = 3;
  t.shadow = MakeRgb(20, 10, 30), t.shadowOffset = 3;
  DrawTextCentered(c, 320, top + 360, Translated("おしまい"), t, 600);
}

}  // namespace

Canvas DrawEnding() {
  Canvas c(640, 2000);
  Sky(c);
  Homecoming(c);
  DemonReformed(c);
  Cast(c);
  Staff(c);
  Finale(c);
  return c;
}

}  // namespace assetgen
