// Pieces of the floor-and-item sheet: one 67-pixel column per area.
#pragma once
#include "tools/assetgen/raster.h"
#include "world/kinds.h"

namespace assetgen {

// Into a 67 x 42 canvas.
void DrawFloor(Canvas& c, int area, bool underHero);
// Into a 67 x 84 canvas whose tile face lies at y 42..69.
void DrawItem(Canvas& c, int area, int kind);
void DrawTree(Canvas& c, int area);

}  // namespace assetgen
