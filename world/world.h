// The world of the running stage: hero, items, villagers, the tile grid and its projection.
#pragma once

constexpr int TMAX = 9;                // tiles per side of the map
constexpr int StMAX = 11;              // stages 0 to 10
constexpr int LAST_STAGE = StMAX - 1;  // the demon lord's stage, the last
constexpr int ITEM_CAPACITY = 50;
constexpr int VILL_CAPACITY = 11;
// Area numbers 0 to 99, each naming its floor column and its background "img/back%d.bmp".
constexpr int AREA_COUNT = 100;

struct DPoint {
  double x, y;
};
struct TilePoint {
  int x, y;
};

struct CharaRec {
  DPoint Pos;
  int Move;
  int Turn;
  int Anime;
  int AnimeCnt;
  int Trap;
  int TCnt;
  TilePoint TilePt;
  TilePoint OldPt;
};

struct ItemRec {
  DPoint Pos;
  int Item;
  int F;
  int No;
  int Move;
  int Act;
  int AnimeCnt;
  TilePoint TilePt;
  TilePoint OldPt;
};

struct VillRec {
  DPoint Pos;
  int Anime;
  int AnimeCnt;
  int Kind;
  int No;
  int State;
  TilePoint TilePt;
};

// The world belongs to the thread that plays it: the hint's search plays a copy of its own. It is
// plain data, so __thread, which needs no per-thread initialiser (thread_local's wrapper calls
// trip GCC's null-pointer checks).
extern __thread CharaRec Chara;
extern __thread ItemRec Items[ITEM_CAPACITY];
extern __thread int BMAX;
extern __thread VillRec Vills[VILL_CAPACITY];
extern __thread int VMAX;

extern __thread int TileOffX[TMAX * TMAX];
extern __thread int TileOffY[TMAX * TMAX];
extern __thread int TileMark[TMAX][TMAX];

extern __thread int StageNo;
extern __thread int Area;

// True for a tile on the map.
inline bool InMap(int x, int y) {
  return x >= 0 && x < TMAX && y >= 0 && y < TMAX;
}

// Rest position of a tile: (37x - 31y, 12x + 15y), read through the two tables.
DPoint TilePosition(int x, int y);
// Fills TileOffX and TileOffY for every tile.
void FillTileTables();
