// Stage rendering: one picture of the stage into the back buffer, back to front, and the copy
// that lets the hero sink into the floor.
#pragma once
#include "platform/surface.h"

// Draws the background, floor, shown items, hero and shown villagers into the back buffer.
void RenderStage();
// Draws over the stage what the search knows: the hint while it blinks (an arrow on the tile to
// step or push towards, or a ring round the box to open) and, once the stage can no longer be
// won, a line that says so. Draws nothing at all while neither shows.
void RenderAdvice();
// Copies src's rectangle to `at` on dst, its bottom cut at the floor line of cell (cellX, cellY),
// so a sinking hero disappears into the floor.
void CopyAboveFloor(Surface& dst, int cellX, int cellY, Point at, const Surface& src, Rect rect,
                    bool keyed);
