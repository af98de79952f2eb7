// The walking cycle of the hero and the villagers.
#pragma once

// Advances the hero and every present villager (State 1) by one frame of their cycle.
void StepAnimation();
