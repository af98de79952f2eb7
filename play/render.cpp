#include "play/render.h"

#include "app/shell.h"
#include "play/movement.h"
#include "world/world.h"

namespace {

// Left, right and top edges of the screen; shared by both clipped copies.
void ClipLeftRightTop(int& x, int& y, RECT& rect) {
  if (x < 0) {
    rect.left += -x;
    x = 0;
  }
  int w = rect.right - rect.left;
  if (x > SCREEN_W - w) rect.right -= x - (SCREEN_W - w);
  if (y < 0) {
    rect.top += -y;
    y = 0;
  }
}

// A thing sliding toward smaller x or y belongs to the cell it is leaving until it arrives, which
// is drawn after the cell it is entering.
TilePoint DrawingCell(TilePoint tile, TilePoint old) {
  TilePoint cell = tile;
  if (old.x > tile.x) cell.x += 1;
  if (old.y > tile.y) cell.y += 1;
  return cell;
}

void DrawCell(int x, int y) {
  int i = x * TMAX + y;
  RECT floor = {67 * Area, 42 * TileMark[x][y], 67 * Area + 67, 42 * TileMark[x][y] + 42};
  lpBackbuffer->BltFast(67 * x - TileOffX[i] + 260, 42 * y + TileOffY[i] + 210, lpItem, &floor,
                        KEYED_COPY);

  for (int b = 0; b < BMAX; b++) {
    const ItemRec& item = Items[b];
    if (item.F != 1) continue;
    TilePoint cell = DrawingCell(item.TilePt, item.OldPt);
    if (cell.x != x || cell.y != y) continue;
    int kind = ItemKind(item);
    RECT r = {67 * Area, 84 + 84 * kind, 67 * Area + 67, 168 + 84 * kind};
    lpBackbuffer->BltFast(static_cast<int>(item.Pos.x) + 260, static_cast<int>(item.Pos.y) + 168,
                          lpItem, &r, KEYED_COPY);
  }

  TilePoint heroCell = DrawingCell(Chara.TilePt, Chara.OldPt);
  if (heroCell.x == x && heroCell.y == y) {
    RECT r = {64 * Chara.Anime, 64 * Chara.Turn, 64 * Chara.Anime + 64, 64 * Chara.Turn + 64};
    BltFloorClipped(lpBackbuffer, x, y, static_cast<int>(Chara.Pos.x) + 260,
                    static_cast<int>(Chara.Pos.y) + 170, lpChar, r, KEYED_COPY);
  }

  for (int v = 0; v < VMAX; v++) {
    const VillRec& vill = Vills[v];
    if (vill.State != 1 || vill.TilePt.x != x || vill.TilePt.y != y) continue;
    int s = vill.Kind % 200;
    int left = 192 * (s % 3) + 64 * vill.Anime;
    RECT r = {left, 64 * (s / 3), left + 64, 64 * (s / 3) + 64};
    lpBackbuffer->BltFast(static_cast<int>(vill.Pos.x) + 260, static_cast<int>(vill.Pos.y) + 170,
                          lpVill, &r, KEYED_COPY);
  }
}

}  // namespace

void RenderStage() {
  lpBackbuffer->BltFast(0, 0, lpBack, &SCREEN_RECT, DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT);
  for (int x = 0; x < TMAX; x++) {
    for (int y = 0; y < TMAX; y++) DrawCell(x, y);
  }
}

HRESULT BltFloorClipped(LPDIRECTDRAWSURFACE dst, int cellX, int cellY, int x, int y,
                        LPDIRECTDRAWSURFACE src, RECT rect, DWORD flags) {
  ClipLeftRightTop(x, y, rect);
  int h = rect.bottom - rect.top;
  int floorLine = 42 * cellY + TileOffY[cellX * TMAX + cellY] + 230;
  if (y > floorLine - h) rect.bottom -= y - (floorLine - h);
  return dst->BltFast(x, y, src, &rect, flags);
}

HRESULT BltClipped(LPDIRECTDRAWSURFACE dst, int x, int y, LPDIRECTDRAWSURFACE src, RECT rect,
                   DWORD flags) {
  ClipLeftRightTop(x, y, rect);
  int h = rect.bottom - rect.top;
  if (y > SCREEN_H - h) rect.bottom -= y - (SCREEN_H - h);
  return dst->BltFast(x, y, src, &rect, flags);
}
