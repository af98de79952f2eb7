#include "play/world_state.h"

#include <cstdint>

#include "play/movement.h"
#include "play/stage_state.h"
#include "world/world.h"

namespace {

void Put(std::string& out, int value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

int Get(const std::string& in, size_t& pos) {
  int value = static_cast<uint8_t>(in[pos]) | (static_cast<uint8_t>(in[pos + 1]) << 8);
  pos += 2;
  return static_cast<int16_t>(value);
}

}  // namespace

bool WorldAtRest() {
  if (Chara.Move != 0 || Chara.Trap % 10 != 0) return false;
  for (int i = 0; i < BMAX; i++) {
    if (Items[i].Move != 0) return false;
  }
  return true;
}

std::string PackWorld() {
  std::string out;
  out.reserve(16 + BMAX * 10 + VMAX * 8);
  Put(out, Chara.TilePt.x);
  Put(out, Chara.TilePt.y);
  Put(out, Chara.Turn);
  Put(out, Chara.Trap);
  Put(out, Chara.TCnt);
  Put(out, BMAX);
  for (int i = 0; i < BMAX; i++) {
    const ItemRec& item = Items[i];
    Put(out, item.Item);
    Put(out, item.F);
    Put(out, item.Act);
    Put(out, item.TilePt.x);
    Put(out, item.TilePt.y);
  }
  Put(out, VMAX);
  for (int i = 0; i < VMAX; i++) {
    const VillRec& vill = Vills[i];
    Put(out, vill.TilePt.x);
    Put(out, vill.TilePt.y);
    Put(out, vill.Kind);
    Put(out, vill.State);
  }
  return out;
}

void UnpackWorld(const std::string& packed) {
  size_t pos = 0;
  for (int x = 0; x < TMAX; x++) {
    for (int y = 0; y < TMAX; y++) TileMark[x][y] = 0;
  }
  Chara.TilePt.x = Get(packed, pos);
  Chara.TilePt.y = Get(packed, pos);
  Chara.Turn = Get(packed, pos);
  Chara.Trap = Get(packed, pos);
  Chara.TCnt = Get(packed, pos);
  // Only the number of frames an arrow is held depends on it; every arrow leaves it at 1.
  KeyRepeat = 1;
  Chara.OldPt = Chara.TilePt;
  Chara.Move = 0;
  Chara.Pos = TilePosition(Chara.TilePt.x, Chara.TilePt.y);
  TileMark[Chara.TilePt.x][Chara.TilePt.y] = 1;
  BMAX = Get(packed, pos);
  for (int i = 0; i < BMAX; i++) {
    ItemRec& item = Items[i];
    item.Item = Get(packed, pos);
    item.F = Get(packed, pos);
    item.Act = Get(packed, pos);
    item.TilePt.x = Get(packed, pos);
    item.TilePt.y = Get(packed, pos);
    item.No = i;
    item.Move = 0;
    item.OldPt = item.TilePt;
    item.Pos = TilePosition(item.TilePt.x, item.TilePt.y);
  }
  VMAX = Get(packed, pos);
  for (int i = 0; i < VMAX; i++) {
    VillRec& vill = Vills[i];
    vill.TilePt.x = Get(packed, pos);
    vill.TilePt.y = Get(packed, pos);
    vill.Kind = Get(packed, pos);
    vill.State = Get(packed, pos);
    vill.No = i;
    vill.Pos = TilePosition(vill.TilePt.x, vill.TilePt.y);
  }
  ResetSteps();
  StageClear = 0;
}
