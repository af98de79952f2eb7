// One frame of play, after the stage has been drawn: the rules only, whoever supplies the keys.
#pragma once

struct PlayKeys {
  bool up, down, left, right, space, shift;
  bool undo;  // an undo is waiting: it is taken in the first frame at rest
};

struct PlayFrameResult {
  bool pauseRequested;  // Shift was pressed: the pause menu follows this frame
  bool undoTaken;       // the waiting undo was taken (or found nothing to take back)
};

// Animates, advances the hero's step and the sliding items, runs the tile effects under the hero,
// then takes a waiting undo once everything is at rest (the arrows and Space wait for the next
// frame) or acts on the arrows, Space (once per press), and on Shift (once per press). spaceHeld
// and shiftHeld are the held flags shared with the other scenes. Meant for frames in which
// StageClear is 0: in a clear frame only the animation runs, and the caller goes on with the clear
// sequence.
PlayFrameResult PlayFrameUpdate(const PlayKeys& keys, int& spaceHeld, int& shiftHeld);

// Sets stage n up from its file (SetupStage) with no step or slide half done and the undo
// history afresh: how every stage starts, from the map, the pause menu's restart or R.
void SetupStagePlay(int n);
// Loads the pictures the stage file asks for (at most four, only from inside the data folder)
// into the stage's surfaces that exist.
void LoadStagePictures();
