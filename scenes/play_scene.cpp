#include "scenes/play_scene.h"

#include "app/shell.h"
#include "platform/clock.h"
#include "play/animation.h"
#include "play/clear_sequence.h"
#include "play/play_frame.h"
#include "play/render.h"
#include "play/stage_state.h"
#include "scenes/ending.h"
#include "scenes/pause.h"
#include "scenes/select.h"
#include "scenes/stage_start.h"
#include "world/world.h"

uint32_t PlayTime = 0;

namespace {

constexpr uint32_t SLOW_MOTION_MS = 100;

void FinishClearFrame() {
  switch (ClearSequence()) {
    case CLEAR_TO_SELECT:
      CurrentScene = SelectSetupScene;
      break;
    case CLEAR_TO_ENDING:
      CurrentScene = EndingSetupScene;
      break;
    case CLEAR_RUNNING:
      break;
  }
}

}  // namespace

void PlayScene() {
  if (!FrameGate(PlayTime, FRAME_PERIOD)) return;
  RenderStage();
  // The wipe reveals the picture just drawn; this frame shows nothing itself.
  if (StageIntro == 1) {
    CurrentScene = StageWipeScene;
    return;
  }
  if (StageClear != 0) {
    // No key is read while the stage-clear sequence runs.
    StepAnimation();
    FinishClearFrame();
  } else {
    // Ctrl slows play down for a closer look.
    if (IsKeyDown(Key::Control)) Rest(SLOW_MOTION_MS);
    PlayKeys keys = {};
    keys.up = IsKeyDown(Key::Up);
    keys.down = IsKeyDown(Key::Down);
    keys.left = IsKeyDown(Key::Left);
    keys.right = IsKeyDown(Key::Right);
    keys.space = IsKeyDown(Key::Space);
    keys.shift = IsKeyDown(Key::Shift);
    if (PlayFrameUpdate(keys, SpaceHeld, ShiftHeld).pauseRequested) CurrentScene = PauseSetupScene;
  }
  Present();
}
