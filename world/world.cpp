#include "world/world.h"

__thread CharaRec Chara;
__thread ItemRec Items[ITEM_CAPACITY];
__thread int BMAX = 0;
__thread VillRec Vills[VILL_CAPACITY];
__thread int VMAX = 0;

__thread int TileOffX[TMAX * TMAX];
__thread int TileOffY[TMAX * TMAX];
__thread int TileMark[TMAX][TMAX];

__thread int StageNo = 0;
__thread int Area = 0;

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
