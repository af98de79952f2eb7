// The stage-clear sequence, run once per play frame after the goal is reached: the rescue window,
// the clear picture falling into place and flying apart, the message, and the map's new marks.
#pragma once

constexpr int CLEAR_PIECES = 5;
constexpr int CLEAR_FRAMES = 100;

// The sequence's state; each field goes back to its starting value when the sequence ends.
struct ClearState {
  int ClearCnt = 0;                                       // frames of the sequence so far
  int ClearDrop[CLEAR_PIECES] = {0, -20, -40, -60, -80};  // screen y of each falling piece
  int ClearSpread = 0;                                    // how far the rows have flown apart
};
extern ClearState Clear;

// Ends the sequence: StageClear back to 0 and Clear at its starting values, as after the last
// frame. Set-up code that starts a fresh game calls it too.
void ResetClearSequence();

// Where the game goes when the sequence is over; the play scene stores the matching scene.
enum ClearResult { CLEAR_RUNNING, CLEAR_TO_SELECT, CLEAR_TO_ENDING };

// One frame of the sequence, drawn over the stage already in the back buffer.
ClearResult ClearSequence();
