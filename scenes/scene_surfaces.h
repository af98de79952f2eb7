// Surfaces and pictures of the scenes.
#pragma once
#include "platform/surface.h"

// Replaces what a scene surface still holds (let go first, so nothing piles up however often a
// scene is entered) by a new black surface, with black as its key when keyed. The surface stays
// empty when none can be had.
void RemakeSurface(Surface& surface, int width, int height, bool keyed);
// Loads a picture into surface. Without the surface or the file the scene goes on with black,
// and the debug output names the file.
void LoadScenePicture(Surface& surface, const char* name);
