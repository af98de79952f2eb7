// The objects every scene shares for the whole run: the display object with its two pictures
// (the window frames and the wipe background) and the sound object.
#pragma once
#include "gfx/mydraw.h"

class MyDSound;

extern MyDDraw* theDDraw;
extern SurfaceId FrameId, BackId;
extern MyDSound* theDSound;
