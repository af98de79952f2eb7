// Stage rendering: one picture of the stage into the back buffer, back to front, and the two
// clipped copies the gameplay and front-end scenes use.
#pragma once
#include "platform/ddraw.h"
#include "platform/types.h"

// Draws the background, floor, shown items, hero and shown villagers into lpBackbuffer.
void RenderStage();
// Copies src's rectangle to (x, y), clipped to the screen's left, right and top edges and to the
// floor line of cell (cellX, cellY), so a sinking hero disappears into the floor.
HRESULT BltFloorClipped(LPDIRECTDRAWSURFACE dst, int cellX, int cellY, int x, int y,
                        LPDIRECTDRAWSURFACE src, RECT rect, DWORD flags);
// Copies src's rectangle to (x, y), clipped to the 640 x 480 screen.
HRESULT BltClipped(LPDIRECTDRAWSURFACE dst, int x, int y, LPDIRECTDRAWSURFACE src, RECT rect,
                   DWORD flags);
