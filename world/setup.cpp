#include "world/setup.h"

#include <cstdio>

#include "platform/random.h"
#include "world/datafile.h"
#include "world/kinds.h"
#include "world/world.h"

void SetupStage(int n) {
  if (StageNo > StMAX) StageNo = 1;
  char name[32];
  std::snprintf(name, sizeof name, "data/data%02d.txt", n);
  ReadDataFile(name);
  SetupFromData();
}

void SetupFromData() {
  VMAX = 0;
  BMAX = 0;
  DataPos = 0;
  ParseRecords();

  FillTileTables();
  for (int x = 0; x < TMAX; x++) {
    for (int y = 0; y < TMAX; y++) TileMark[x][y] = 0;
  }

  // The random phases are drawn hero first, then items, then villagers, so a seed gives one stage.
  Chara.OldPt = Chara.TilePt;
  Chara.AnimeCnt = Rand() % 24;
  Chara.Trap = 0;
  Chara.TCnt = 0;
  Chara.Move = 0;
  TileMark[Chara.TilePt.x][Chara.TilePt.y] = 1;
  Chara.Turn = kFaceDown;
  Chara.Pos = TilePosition(Chara.TilePt.x, Chara.TilePt.y);

  for (int i = 0; i < BMAX; i++) {
    ItemRec& item = Items[i];
    item.OldPt = item.TilePt;
    item.AnimeCnt = Rand() % 24;
    item.Move = 0;
    item.Pos = TilePosition(item.TilePt.x, item.TilePt.y);
  }
  for (int i = 0; i < VMAX; i++) {
    Vills[i].AnimeCnt = Rand() % 24;
    Vills[i].Pos = TilePosition(Vills[i].TilePt.x, Vills[i].TilePt.y);
  }
}
