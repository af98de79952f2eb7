// The game's own random numbers: the same sequence for a seed on every machine, so a seed is one
// game. A linear congruential generator: seed * 214013 + 2531011, results bits 16..30.
#pragma once

void Srand(unsigned seed);
int Rand();
