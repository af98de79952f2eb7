#include "world/world.h"

CharaRec Chara;
ItemRec Items[ITEM_CAPACITY];
int BMAX = 0;
VillRec Vills[VILL_CAPACITY];
int VMAX = 0;

int TileOffX[TMAX * TMAX];
int TileOffY[TMAX * TMAX];
int TileMark[TMAX][TMAX];

int StageNo = 0;
int Area = 0;

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
