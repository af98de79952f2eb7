#include "scenes/play_scene.h"

#include "app/shell.h"
#include "platform/clock.h"
#include "play/advice.h"
#include "play/animation.h"
#include "play/clear_sequence.h"
#include "play/play_frame.h"
#include "play/render.h"
#include "play/stage_state.h"
#include "play/undo.h"
#include "scenes/ending.h"
#include "scenes/pause.h"
#include "scenes/select.h"
#include "scenes/stage_start.h"
#include "world/world.h"

uint32_t PlayTime = 0;

namespace {

constexpr uint32_t SLOW_MOTION_MS = 100;

// An undo pressed during a step waits for it to land.
bool UndoWaiting = false;
int RestartHeld = 0;
int HintHeld = 0;

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
  // R restarts the stage as the pause menu's second entry does, without the menu.
  if (StageIntro == 0 && StageClear == 0 && KeyPressedOnce(Key::R, RestartHeld)) {
    SetupStagePlay(StageNo);
    UndoWaiting = false;
  }
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
    RenderAdvice();
    // Ctrl slows play down for a closer look.
    if (IsKeyDown(Key::Control)) Rest(SLOW_MOTION_MS);
    PlayKeys keys = {};
    keys.up = IsKeyDown(Key::Up);
    keys.down = IsKeyDown(Key::Down);
    keys.left = IsKeyDown(Key::Left);
    keys.right = IsKeyDown(Key::Right);
    keys.space = IsKeyDown(Key::Space);
    keys.shift = IsKeyDown(Key::Shift);
    if (UndoKeyFires(IsKeyDown(Key::Backspace) || IsKeyDown(Key::Z))) UndoWaiting = true;
    if (KeyPressedOnce(Key::H, HintHeld)) AskHint();
    keys.undo = UndoWaiting;
    const PlayFrameResult result = PlayFrameUpdate(keys, SpaceHeld, ShiftHeld);
    if (result.undoTaken) UndoWaiting = false;
    NoteRestState();
    UpdateAdvice();
    if (result.pauseRequested) CurrentScene = PauseSetupScene;
  }
  Present();
}
