#include "scenes/play_scene.h"

#include "app/shell.h"
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

constexpr uint32_t PLAY_PERIOD = 33;
constexpr DWORD SLOW_MOTION_MS = 100;

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
  if (!FrameGate(PlayTime, PLAY_PERIOD)) return;
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
    if (KeyDown(VK_CONTROL)) Sleep(SLOW_MOTION_MS);
    PlayKeys keys = {};
    keys.up = KeyDown(VK_UP);
    keys.down = KeyDown(VK_DOWN);
    keys.left = KeyDown(VK_LEFT);
    keys.right = KeyDown(VK_RIGHT);
    keys.space = KeyDown(VK_SPACE);
    keys.shift = KeyDown(VK_SHIFT);
    if (PlayFrameUpdate(keys, SpaceHeld, ShiftHeld).pauseRequested) CurrentScene = PauseSetupScene;
  }
  Present();
}
