// The scene that runs a stage: one frame per 33 ms of drawing, animating, moving and key reading.
#pragma once
#include <cstdint>

extern uint32_t PlayTime;  // clock value at the start of the last play frame

void PlayScene();
