// Any bytes as a stage or message file: the parser must stay inside its buffers and tables, and
// the stage it sets up must stand on the map.
#include <cstddef>
#include <cstdint>

#include "fuzz/world_checks.h"
#include "fuzz/world_reset.h"
#include "world/datafile.h"
#include "world/setup.h"
#include "world/world.h"

namespace {

// Set-up puts exactly one mark under the hero.
int MarkCount() {
  int marks = 0;
  for (const auto& column : TileMark) {
    for (int mark : column) marks += mark;
  }
  return marks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  ResetWorld(2);
  LoadDataBuffer(reinterpret_cast<const char*>(data), static_cast<int>(size));
  SetupFromData();
  Check(DataPos >= 0);
  CheckWorld();
  Check(MarkCount() == 1);
  ForgetPictureRecords();
  return 0;
}
