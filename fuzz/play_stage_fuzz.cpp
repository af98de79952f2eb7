// Any stage file played with any keys, drawn every frame on the headless backend, through the
// clear sequence and both windows when the stage is won: the rules must stay inside their tables,
// keep everything on the map, and every copy must stay inside its surfaces.
// The input is the key bytes, a separator "####", then the file. The first key byte also picks
// the stage number, the second the progress on the map and how long the windows stay open.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/shell.h"
#include "fuzz/scratch_dir.h"
#include "fuzz/stage_display.h"
#include "fuzz/world_checks.h"
#include "fuzz/world_reset.h"
#include "platform/keys.h"
#include "play/clear_sequence.h"
#include "play/movement.h"
#include "play/play_frame.h"
#include "play/render.h"
#include "play/stage_state.h"
#include "play/windows.h"
#include "world/datafile.h"
#include "world/setup.h"
#include "world/stage_map.h"
#include "world/world.h"

namespace {

// Play frames per input before a clear. Every frame draws the whole stage (some 4 ms with the
// sanitizers), and a clear adds its 100 frames and the windows': an input stays under a second.
constexpr int PLAY_FRAMES = 64;
// The sequence takes CLEAR_FRAMES frames; far more means it never ends.
constexpr int CLEAR_FRAME_LIMIT = CLEAR_FRAMES + 50;
// Window frames between two clear frames; far more means Space no longer closes the window.
constexpr int WINDOW_FRAME_LIMIT = 5000;

// The windows wait for a fresh Space press in loops of their own: once they have shown
// `patience` frames, every present flips Space, so the next frame sees a new press.
struct SpaceScript {
  bool armed = false;
  int patience = 0;
  int frames = 0;
} script;

void OnPresent(int) {
  if (!script.armed) return;
  if (++script.frames > WINDOW_FRAME_LIMIT) {
    std::fprintf(stderr, "a window stayed open for %d frames with Space flipping\n", script.frames);
    std::abort();
  }
  if (script.patience > 0) {
    script.patience--;
    return;
  }
  HeadlessBackend& backend = fuzzdisplay::Backend();
  backend.SetKeyDown(Key::Space, !backend.KeyDown(Key::Space));
}

void Open() {
  fuzzdir::InScratch here;
  fuzzdisplay::OpenStageDisplay();
  fuzzdisplay::Backend().SetPresentHook(OnPresent);
}

// Everything a stage, its play and its clear leave behind, back to a fresh game.
void ResetGame(int stage, int progress) {
  ResetWorld(stage);
  ResetClearSequence();
  ResetSteps();
  KeyRepeat = 0;
  SpaceHeld = 0;
  ShiftHeld = 0;
  ArrowHeld = 0;

  // 0 and 3: a first visit; 1: every other stage cleared; 2: every stage cleared already.
  InitStageMap();
  if (progress == 1 || progress == 2) {
    for (StageNode& node : StageNodes) {
      node.Open = 1;
      node.Cleared = 1;
    }
    if (progress == 1) StageNodes[stage].Cleared = 0;
  }

  HeadlessBackend& backend = fuzzdisplay::Backend();
  backend.ReleaseAllKeys();
  // Far past every frame gate of the earlier input: each window's first frame comes at once.
  backend.SetClock(backend.PeekClock() + 100000);
  script = SpaceScript{};
  fuzzdisplay::FillStageSheets();
}

// What the input made or freed is given back before it ends: libFuzzer takes an allocation
// count that differs between start and end of an input for a leak and runs the input again.
void Tidy() {
  fuzzdisplay::Backend().ReleaseAllKeys();
  fuzzdisplay::RemakeStageSheets();
  ForgetPictureRecords();
}

PlayKeys KeysOf(uint8_t bits) {
  return PlayKeys{(bits & 1) != 0,  (bits & 2) != 0,  (bits & 4) != 0, (bits & 8) != 0,
                  (bits & 16) != 0, (bits & 32) != 0, (bits & 64) != 0};
}

// Runs something that may open a window, with Space scripted for it.
template <typename F>
auto WithWindows(int patience, F run) {
  script.armed = true;
  script.patience = patience;
  script.frames = 0;
  auto result = run();
  script.armed = false;
  return result;
}

// One frame of the clear sequence as the play scene runs it; true once the sequence is over.
bool ClearFrame(int patience) {
  PlayFrameUpdate(PlayKeys{}, SpaceHeld, ShiftHeld);  // only the animation runs
  return WithWindows(patience, ClearSequence) != CLEAR_RUNNING;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool opened = (Open(), true);
  (void)opened;
  if (size > (1u << 16)) return 0;
  const char* bytes = reinterpret_cast<const char*>(data);
  size_t keyCount = 0;
  while (keyCount + 4 <= size && std::memcmp(bytes + keyCount, "####", 4) != 0) keyCount++;
  if (keyCount + 4 > size) return 0;
  const size_t fileStart = keyCount + 4;

  const int stage = keyCount > 0 ? data[0] % StMAX : 2;
  const uint8_t setting = keyCount > 1 ? data[1] : 0;
  const int progress = setting & 3;
  // The rescue window (or, with the top bit, the message window) lingers this many frames.
  const int patience = (setting >> 2) & 31;
  const int rescuePatience = setting & 0x80 ? 0 : patience;
  const int messagePatience = setting & 0x80 ? patience : 0;

  // Pictures a stage file names ("@GB,...") are looked up in the scratch folder.
  fuzzdir::InScratch here;
  ResetGame(stage, progress);
  LoadDataBuffer(bytes + fileStart, static_cast<int>(size - fileStart));
  SetupFromData();
  // As the stage set-up does: the pictures the file names, into the stage's sheets.
  LoadStagePictures();
  CheckWorld();
  // The last stage opens with its message once its wipe is over, until it has been won.
  if (stage == LAST_STAGE && !StageNodes[LAST_STAGE].Cleared) {
    WithWindows(messagePatience, [] {
      ShowMessage();
      return true;
    });
    CheckWorld();
  }

  // Each key byte is held for a few frames: long enough for steps, snares and pits to run. A
  // clear begun within the play frames runs to its end.
  size_t k = 0;
  int held = 0;
  int clearFrames = 0;
  for (int frame = 0; frame < PLAY_FRAMES || StageClear != 0; frame++) {
    RenderStage();
    if (StageClear != 0) {
      const bool over = ClearFrame(Clear.ClearCnt == 0 ? rescuePatience : messagePatience);
      Present();
      CheckWorld();
      if (over) break;
      Check(++clearFrames < CLEAR_FRAME_LIMIT);
      continue;
    }
    if (held == 0) {
      if (k >= keyCount) break;
      held = 1 + (data[k] >> 6) * 4;
      k++;
    }
    PlayFrameUpdate(KeysOf(data[k - 1]), SpaceHeld, ShiftHeld);
    held--;
    Present();
    CheckWorld();
  }
  Tidy();
  return 0;
}
