#include "world/world.h"

thread_local CharaRec Chara;
thread_local ItemRec Items[ITEM_CAPACITY];
thread_local int BMAX = 0;
thread_local VillRec Vills[VILL_CAPACITY];
thread_local int VMAX = 0;

thread_local int TileOffX[TMAX * TMAX];
thread_local int TileOffY[TMAX * TMAX];
thread_local int TileMark[TMAX][TMAX];

thread_local int StageNo = 0;
thread_local int Area = 0;

DPoint TilePosition(int x, int y) {
  const int i = x * TMAX + y;
  return DPoint{static_cast<double>(67 * x - TileOffX[i]),
                static_cast<double>(42 * y + TileOffY[i])};
}

void FillTileTables() {
  for (int x = 0; x < TMAX; x++) {
    for (int y = 0; y < TMAX; y++) {
      TileOffX[x * TMAX + y] = x * 30 + y * 31;
      TileOffY[x * TMAX + y] = x * 12 - y * 27;
    }
  }
}
