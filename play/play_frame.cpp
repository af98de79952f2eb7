#include "play/play_frame.h"

#include "app/shell.h"
#include "platform/debug.h"
#include "platform/file_lookup.h"
#include "play/actors.h"
#include "play/advice.h"
#include "play/animation.h"
#include "play/movement.h"
#include "play/undo.h"
#include "play/world_state.h"
#include "world/datafile.h"
#include "world/setup.h"
#include "world/world.h"

PlayFrameResult PlayFrameUpdate(const PlayKeys& keys, int& spaceHeld, int& shiftHeld) {
  PlayFrameResult result{false, false};
  StepAnimation();
  // The clear sequence reads no keys.
  if (StageClear != 0) return result;

  if (Chara.Move != 0) AdvanceHeroStep();
  for (int i = 0; i < BMAX; i++) {
    if (Items[i].Move != 0) AdvanceSlide(i);
  }
  if (Chara.Trap % 10 != 0) {
    // The hero's tile is read again for each item: a pit moves him in the middle of this pass.
    for (int i = 0; i < BMAX; i++) {
      if (SameTile(Items[i].TilePt, Chara.TilePt)) RunTileEffect(i);
    }
  }

  // A press during a step is taken as the step lands.
  if (keys.undo && WorldAtRest()) {
    UndoLastAction();
    result.undoTaken = true;
  } else {
    HandleArrowKey(keys.up, kFaceUp);
    HandleArrowKey(keys.down, kFaceDown);
    HandleArrowKey(keys.left, kFaceLeft);
    HandleArrowKey(keys.right, kFaceRight);
  }

  if (PressedOnce(keys.space, spaceHeld) && !result.undoTaken) UseFacing();
  if (PressedOnce(keys.shift, shiftHeld)) result.pauseRequested = true;
  return result;
}

void SetupStagePlay(int n) {
  SetupStage(n);
  LoadStagePictures();
  ResetSteps();
  ClearUndo();
  ResetAdvice();
}

void LoadStagePictures() {
  // A stage may change its two pictures, not load pictures without end: each load takes time.
  constexpr int kPictureLimit = 4;
  Display& display = TheDisplay();
  int loaded = 0;
  for (const PictureRecord& record : PictureRecords) {
    Surface& surface = record.hero ? display.chara : display.back;
    if (!surface || loaded >= kPictureLimit) continue;
    loaded++;
    // Only inside the data folder: an absolute name or one that climbs out with ".." is a
    // picture that cannot be loaded.
    if (!IsDataRelativeName(record.name.c_str())) {
      DebugOut(record.name + ": picture not loaded (outside the data folder)\n");
      continue;
    }
    LoadBitmapSurface(surface, record.name.c_str());
  }
}
