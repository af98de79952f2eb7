// Starting the game directly at a stage, as if the player had just chosen it on the stage map
// of a first visit.
#pragma once

// Call after the normal bring-up, before the main loop.
void StartAtStage(int stage);
