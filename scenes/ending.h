// The ending: a tall picture scrolls up; Space resets the map and starts again from the logo.
#pragma once
#include <cstdint>

constexpr int32_t ENDING_SCROLL_MAX = 1520;  // picture height 2000 less one screen

extern int32_t EndingScroll;

void EndingSetupScene();
void EndingScene();
