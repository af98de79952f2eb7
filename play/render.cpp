#include "play/render.h"

#include "app/shell.h"
#include "platform/language.h"
#include "platform/text.h"
#include "play/advice.h"
#include "play/movement.h"
#include "play/search.h"
#include "world/world.h"

namespace {

// A thing sliding toward smaller x or y belongs to the cell it is leaving until it arrives, which
// is drawn after the cell it is entering.
TilePoint DrawingCell(TilePoint tile, TilePoint old) {
  TilePoint cell = tile;
  if (old.x > tile.x) cell.x += 1;
  if (old.y > tile.y) cell.y += 1;
  return cell;
}

void DrawCell(Display& display, int x, int y) {
  Surface& backbuffer = display.backbuffer;
  int i = x * TMAX + y;
  Rect floor = {67 * Area, 42 * TileMark[x][y], 67 * Area + 67, 42 * TileMark[x][y] + 42};
  backbuffer.CopyFrom({67 * x - TileOffX[i] + 260, 42 * y + TileOffY[i] + 210}, display.item, floor,
                      kKeyed);

  for (int b = 0; b < BMAX; b++) {
    const ItemRec& item = Items[b];
    if (item.F != 1) continue;
    TilePoint cell = DrawingCell(item.TilePt, item.OldPt);
    if (cell.x != x || cell.y != y) continue;
    int kind = ItemKind(item);
    Rect r = {67 * Area, 84 + 84 * kind, 67 * Area + 67, 168 + 84 * kind};
    backbuffer.CopyFrom({static_cast<int>(item.Pos.x) + 260, static_cast<int>(item.Pos.y) + 168},
                        display.item, r, kKeyed);
  }

  TilePoint heroCell = DrawingCell(Chara.TilePt, Chara.OldPt);
  if (heroCell.x == x && heroCell.y == y) {
    Rect r = {64 * Chara.Anime, 64 * Chara.Turn, 64 * Chara.Anime + 64, 64 * Chara.Turn + 64};
    CopyAboveFloor(backbuffer, x, y,
                   {static_cast<int>(Chara.Pos.x) + 260, static_cast<int>(Chara.Pos.y) + 170},
                   display.chara, r, kKeyed);
  }

  for (int v = 0; v < VMAX; v++) {
    const VillRec& vill = Vills[v];
    if (vill.State != 1 || vill.TilePt.x != x || vill.TilePt.y != y) continue;
    int s = vill.Kind % 200;
    int left = 192 * (s % 3) + 64 * vill.Anime;
    Rect r = {left, 64 * (s / 3), left + 64, 64 * (s / 3) + 64};
    backbuffer.CopyFrom({static_cast<int>(vill.Pos.x) + 260, static_cast<int>(vill.Pos.y) + 170},
                        display.vill, r, kKeyed);
  }
}

constexpr Pixel kHintInk = Rgb565(255, 224, 0);
constexpr Pixel kLostInk = Rgb565(240, 240, 240);
constexpr Pixel kLostBand = Rgb565(0, 0, 0);
constexpr const char* kLostText = Untranslated("もう くりあ できません（Backspace か R）");

// The middle of the hero's floor tile on the screen.
Point HeroTileMiddle() {
  const int i = Chara.TilePt.x * TMAX + Chara.TilePt.y;
  return Point{67 * Chara.TilePt.x - TileOffX[i] + 260 + 33,
               42 * Chara.TilePt.y + TileOffY[i] + 231};
}

// The step from one tile's middle to the next one's in direction dir (a Facing), on the screen.
Point TileStep(int dir) {
  switch (dir) {
    case kFaceUp:
      return Point{31, -15};
    case kFaceDown:
      return Point{-31, 15};
    case kFaceLeft:
      return Point{-37, -12};
    default:
      return Point{37, 12};
  }
}

// A line two pixels wide.
void ThickLine(Surface& surface, Point from, Point to) {
  for (const Point d : {Point{0, 0}, Point{1, 0}, Point{0, 1}}) {
    DrawLine(surface, Point{from.x + d.x, from.y + d.y}, Point{to.x + d.x, to.y + d.y}, kHintInk);
  }
}

void DrawHint(Surface& surface, int action) {
  const Point hero = HeroTileMiddle();
  if (action == ACTION_SPACE) {
    const Point step = TileStep(Chara.Turn);
    const Point box{hero.x + step.x, hero.y + step.y - 20};
    const Point corners[] = {
        {box.x, box.y - 24}, {box.x + 30, box.y}, {box.x, box.y + 24}, {box.x - 30, box.y}};
    for (int k = 0; k < 4; k++) ThickLine(surface, corners[k], corners[(k + 1) % 4]);
    return;
  }
  const Point step = TileStep(action);  // the actions and the facings share their order
  const Point middle{hero.x + step.x, hero.y + step.y};
  const Point tip{middle.x + step.x * 2 / 5, middle.y + step.y * 2 / 5};
  const Point tail{middle.x - step.x * 2 / 5, middle.y - step.y * 2 / 5};
  ThickLine(surface, tail, tip);
  // The head's two strokes lean back from the tip a third of a step, a quarter to each side.
  const Point back{tip.x - step.x / 3, tip.y - step.y / 3};
  ThickLine(surface, tip, Point{back.x - step.y / 3, back.y + step.x / 3});
  ThickLine(surface, tip, Point{back.x + step.y / 3, back.y - step.x / 3});
}

}  // namespace

void RenderAdvice() {
  Display& display = TheDisplay();
  if (StageLost()) {
    display.backbuffer.Fill(Rect{0, 440, 640, 462}, kLostBand);
    DrawText(display.backbuffer, display.font, CodePoints(Translated(kLostText)), Point{60, 443},
             kLostInk);
  }
  const int frames = HintFramesLeft();
  // On for five frames, off for five.
  if (frames > 0 && HintAction() >= 0 && ((kHintFrames - frames) / 5) % 2 == 0) {
    DrawHint(display.backbuffer, HintAction());
  }
}

void RenderStage() {
  Display& display = TheDisplay();
  display.backbuffer.CopyFrom({0, 0}, display.back, SCREEN_RECT);
  for (int x = 0; x < TMAX; x++) {
    for (int y = 0; y < TMAX; y++) DrawCell(display, x, y);
  }
}

void CopyAboveFloor(Surface& dst, int cellX, int cellY, Point at, const Surface& src, Rect rect,
                    bool keyed) {
  // The copy itself keeps to the screen's edges; only the floor line is this copy's own.
  const int floorLine = 42 * cellY + TileOffY[cellX * TMAX + cellY] + 230;
  const int bottom = at.y + (rect.bottom - rect.top);
  if (bottom > floorLine) rect.bottom -= bottom - floorLine;
  dst.CopyFrom(at, src, rect, keyed);
}
