// The oblique projection of the map: +x goes 37 right and 12 down, +y 31 left and 15 down, so
// a tile's top face is the parallelogram (31, 0), (68, 12), (37, 27), (0, 15) of its cell.
// Items stand on that face, 42 pixels lower in their taller cells.
#pragma once
#include <vector>

#include "tools/assetgen/raster.h"

namespace assetgen {

constexpr double kItemFloor = 42;  // the tile's top face in item-cell coordinates

// Point (u, v) of a tile's top face (0..1 along +x and +y), raised by lift pixels, in a cell
// whose face starts at y = top.
inline PointF IsoPoint(double u, double v, double lift = 0, double top = kItemFloor) {
  return PointF{31 + 37 * u - 31 * v, top + 12 * u + 15 * v - lift};
}

struct IsoBox {
  double u0 = 0.15, v0 = 0.15, u1 = 0.85, v1 = 0.85;  // footprint on the tile
  double base = 0, height = 20;                       // raised from the face
  double top = kItemFloor;
};

// The three visible faces of a box: top, the face toward +y (lower left) and toward +x.
std::vector<PointF> BoxTop(const IsoBox& b);
std::vector<PointF> BoxFront(const IsoBox& b);  // toward +y
std::vector<PointF> BoxSide(const IsoBox& b);   // toward +x

// Paints a box: each face lit by its own colour with a dark outline, dithered noise of the
// given strength for texture.
void DrawBox(Canvas& c, const IsoBox& b, Rgb top, Rgb front, Rgb side, double noise = 0,
             uint32_t seed = 1);

// Maps a pixel back to (u, v) on the face at the given lift; used for face textures.
void IsoUv(double x, double y, double lift, double top, double* u, double* v);

}  // namespace assetgen
