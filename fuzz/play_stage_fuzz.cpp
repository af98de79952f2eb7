// Any stage file played for a while with any keys: the rules must stay inside their tables and
// keep everything on the map. The input is the key bytes, a separator "####", then the file.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/world_checks.h"
#include "play/actors.h"
#include "play/movement.h"
#include "play/play_frame.h"
#include "world/datafile.h"
#include "world/setup.h"
#include "world/world.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 16)) return 0;
  const char* bytes = reinterpret_cast<const char*>(data);
  size_t keyCount = 0;
  while (keyCount + 4 <= size && std::memcmp(bytes + keyCount, "####", 4) != 0) keyCount++;
  if (keyCount + 4 > size) return 0;
  const size_t fileStart = keyCount + 4;

  StageNo = keyCount > 0 ? data[0] % 12 : 2;
  LoadDataBuffer(bytes + fileStart, static_cast<int>(size - fileStart));
  SetupFromData();
  StageClear = 0;
  KeyRepeat = 0;
  StepTick = StepCount = SlideTick = SlideCount = 0;
  int spaceHeld = 0;
  int shiftHeld = 0;
  // Each key byte is held for a few frames: long enough for steps, snares and pits to run.
  for (size_t k = 0; k < keyCount && k < 400; k++) {
    const uint8_t bits = data[k];
    const PlayKeys keys = {(bits & 1) != 0, (bits & 2) != 0,  (bits & 4) != 0,
                           (bits & 8) != 0, (bits & 16) != 0, (bits & 32) != 0};
    const int frames = 1 + (bits >> 6) * 4;
    for (int f = 0; f < frames; f++) {
      PlayFrameUpdate(keys, spaceHeld, shiftHeld);
      StageClear = 0;  // keep playing after a win
      CheckWorld();
    }
  }
  return 0;
}
