// The two scenes that open every stage: the set-up with its surfaces and pictures, and the wipe
// that reveals the first picture of the stage over a darkened screen.
#pragma once
#include <cstdint>

extern int StageIntro;  // 1 while the wipe has still to run for the stage just set up
extern int WipeWidth;   // pixels of each row revealed so far

// Creates the stage surfaces, loads the pictures, sets the stage up, blanks the screen and hands
// over to the play scene.
void StageStartScene();
// Blocks for the whole wipe (40 frames); on the last stage's first visit, its message follows.
void StageWipeScene();
