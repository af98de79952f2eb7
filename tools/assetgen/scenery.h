// Landscape pieces for the area backgrounds, the opening and the ending pictures.
#pragma once
#include "tools/assetgen/raster.h"

namespace assetgen {

// Fills everything below the curve y = base + amp * sin(x * freq + phase) (plus a second,
// smaller wave) down to bottom with the colour, lightly textured.
void Hills(Canvas& c, double base, double amp, double freq, double phase, Rgb color,
           uint32_t seed = 1, int bottom = 1 << 20);
// A puffy cloud centred at (x, y), about w wide.
void Cloud(Canvas& c, double x, double y, double w, Rgb color = MakeRgb(250, 250, 255));
// A triangular mountain with an optional snow cap.
void Mountain(Canvas& c, double peakX, double peakY, double halfWidth, double baseY, Rgb color,
              bool snowCap);
// A round tree seen from afar (for hills) or a pine silhouette.
void SmallTree(Canvas& c, double x, double baseY, double size, Rgb foliage, bool pine);
// Sprinkles n dots of the colour over a rectangle.
void Sprinkle(Canvas& c, int x, int y, int w, int h, int n, Rgb color, uint32_t seed);
// The shadow the stage's 9 x 9 floor casts on the background, so the floor stands out.
void FloorShadow(Canvas& c, double strength);

}  // namespace assetgen
