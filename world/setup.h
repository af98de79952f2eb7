// Stage set-up: reads a stage file and brings the world into its starting state.
#pragma once

// n names the stage file; both callers pass StageNo.
void SetupStage(int n);
// The part of SetupStage after the file has been read: parses DataBuf from its start and puts
// the hero, the items, the villagers and the tile tables into their starting state.
void SetupFromData();
