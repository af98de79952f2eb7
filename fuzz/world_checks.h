// What must hold of the world after any data file and any play: counts within the tables,
// every tile on the map, every message terminated inside its slot.
#pragma once
#include <cstdlib>
#include <cstring>

#include "world/datafile.h"
#include "world/world.h"

inline void Check(bool condition) {
  if (!condition) std::abort();
}

inline void CheckWorld() {
  Check(BMAX >= 0 && BMAX <= ITEM_CAPACITY);
  Check(VMAX >= 0 && VMAX <= VILL_CAPACITY);
  Check(InMap(Chara.TilePt.x, Chara.TilePt.y));
  Check(InMap(Chara.OldPt.x, Chara.OldPt.y));
  Check(Chara.AnimeCnt >= 0 && Chara.AnimeCnt < 24);
  for (const ItemRec& item : Items) Check(InMap(item.TilePt.x, item.TilePt.y));
  for (const VillRec& vill : Vills) Check(InMap(vill.TilePt.x, vill.TilePt.y));
  for (const char* text : MesText) Check(std::memchr(text, 0, MES_SIZE) != nullptr);
}
