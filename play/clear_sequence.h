// The stage-clear sequence, run once per play frame after the goal is reached: the rescue window,
// the clear picture falling into place and flying apart, the message, and the map's new marks.
#pragma once

constexpr int CLEAR_PIECES = 5;
constexpr int CLEAR_FRAMES = 100;

extern int ClearCnt;                 // frames of the sequence so far
extern int ClearDrop[CLEAR_PIECES];  // screen y of each falling piece
extern int ClearSpread;              // how far the rows have flown apart

// Where the game goes when the sequence is over; the play scene stores the matching scene.
enum ClearResult { CLEAR_RUNNING, CLEAR_TO_SELECT, CLEAR_TO_ENDING };

// One frame of the sequence, drawn over the stage already in the back buffer.
ClearResult ClearSequence();
