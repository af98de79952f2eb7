// One frame of play, after the stage has been drawn: the rules only, whoever supplies the keys.
#pragma once

struct PlayKeys {
  bool up, down, left, right, space, shift;
};

struct PlayFrameResult {
  bool pauseRequested;  // Shift was pressed: the pause menu follows this frame
};

// Animates, advances the hero's step and the sliding items, runs the tile effects under the hero,
// then acts on the arrows, Space (once per press) and Shift (once per press). spaceHeld and
// shiftHeld are the held flags shared with the other scenes. Meant for frames in which StageClear
// is 0: in a clear frame only the animation runs, and the caller goes on with the clear sequence.
PlayFrameResult PlayFrameUpdate(const PlayKeys& keys, int& spaceHeld, int& shiftHeld);

// Sets stage n up from its file (SetupStage) with no step or slide half done: how every stage
// starts, from the map or from the pause menu's restart.
void SetupStagePlay(int n);
// Loads the pictures the stage file asks for (at most four, only from inside the data folder)
// into the stage's surfaces that exist.
void LoadStagePictures();
