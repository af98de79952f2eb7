// Any bytes as a stage or message file: the parser must stay inside its buffers and tables, and
// the stage it sets up must stand on the map.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "world/datafile.h"
#include "world/setup.h"
#include "world/world.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckWorld() {
  Check(BMAX >= 0 && BMAX <= ITEM_CAPACITY);
  Check(VMAX >= 0 && VMAX <= VILL_CAPACITY);
  Check(InMap(Chara.TilePt.x, Chara.TilePt.y));
  Check(InMap(Chara.OldPt.x, Chara.OldPt.y));
  for (const ItemRec& item : Items) Check(InMap(item.TilePt.x, item.TilePt.y));
  for (const VillRec& vill : Vills) Check(InMap(vill.TilePt.x, vill.TilePt.y));
  for (const char* text : MesText) Check(std::memchr(text, 0, MES_SIZE) != nullptr);
  int marks = 0;
  for (const auto& column : TileMark) {
    for (int mark : column) marks += mark;
  }
  Check(marks == 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  // Messages only ever grow; start each input with empty slots so appending stays exercised.
  std::memset(MesText, 0, sizeof MesText);
  LoadDataBuffer(reinterpret_cast<const char*>(data), static_cast<int>(size));
  SetupFromData();
  Check(DataPos >= 0);
  CheckWorld();
  return 0;
}
