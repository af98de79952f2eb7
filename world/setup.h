// Stage set-up: reads a stage file and brings the world into its starting state.
#pragma once

// n names the stage file; both callers pass StageNo.
void SetupStage(int n);
