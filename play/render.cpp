#include "play/render.h"

#include "app/shell.h"
#include "play/movement.h"
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

}  // namespace

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
