// The world of a fresh game, so that every input starts from the same state and a finding
// reproduces on its own.
#pragma once
#include <cstring>
#include <vector>

#include "platform/random.h"
#include "world/datafile.h"
#include "world/world.h"

inline void ResetWorld(int stage) {
  Chara = CharaRec{};
  std::memset(Items, 0, sizeof Items);
  std::memset(Vills, 0, sizeof Vills);
  BMAX = 0;
  VMAX = 0;
  std::memset(TileMark, 0, sizeof TileMark);
  Area = 0;
  StageNo = stage;
  // Messages only ever grow: empty slots keep appending exercised.
  std::memset(MesText, 0, sizeof MesText);
  std::memset(Token, 0, sizeof Token);
  DataBuf.clear();
  DataSize = 0;
  DataPos = 0;
  // Set-up draws the animation phases.
  Srand(1);
}

// The picture records an input's parse made, storage and all: libFuzzer takes an allocation
// count that differs between the start and the end of an input for a leak, and runs it again.
inline void ForgetPictureRecords() {
  std::vector<PictureRecord>().swap(PictureRecords);
}
