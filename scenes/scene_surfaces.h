// Surfaces and pictures of the front-end scenes.
#pragma once
#include "platform/ddraw.h"

// Replaces the surface a slot still holds (released first, so nothing leaks however often a
// scene is entered) by a new off-screen one in system memory, with black as source colour key
// when keyed. The slot stays null when no surface can be had.
void RemakeSurface(LPDIRECTDRAWSURFACE& slot, int width, int height, bool keyed);
// Loads a picture into surface. Without the surface or the file the scene goes on with black,
// and the debug output names the file.
void LoadScenePicture(LPDIRECTDRAWSURFACE surface, const char* name);
