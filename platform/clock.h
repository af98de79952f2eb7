// Time: the game's clock, rests, and the program's age.
#pragma once
#include <cstdint>

// Milliseconds, unsigned 32-bit; differences are taken modulo 2^32.
uint32_t NowMs();
// Sleeps for ms.
void Rest(uint32_t ms);
// Rests up to ms while the desktop's events go on flowing: the idle turn of a loop that waits
// on the clock, so that it does not spin a whole core.
void RestForEvents(uint32_t ms);
// True when work beside the frames is finished within the frame that asks for it (the headless
// backend's virtual time); the desktop does it on a thread of its own. Reads no clock.
bool WorkWithinFrame();
// Milliseconds since the program started.
long MsSinceStart();
