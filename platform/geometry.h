// Points, rectangles and pixels: the words every picture is drawn in.
#pragma once
#include <cstdint>

// The game's screen: every frame is 640 x 480.
constexpr int SCREEN_W = 640;
constexpr int SCREEN_H = 480;

struct Point {
  int32_t x, y;
};

// Right and bottom lie just outside the rectangle.
struct Rect {
  int32_t left, top, right, bottom;
};

// The whole screen, as a source or target rectangle.
constexpr Rect SCREEN_RECT = {0, 0, SCREEN_W, SCREEN_H};

// A pixel of every picture: 16 bits, 5 red, 6 green, 5 blue.
using Pixel = uint16_t;

// The pixel nearest to a colour of 8 bits a channel (the low bits are dropped).
constexpr Pixel Rgb565(int r, int g, int b) {
  return static_cast<Pixel>((((r & 0xFF) >> 3) << 11) | (((g & 0xFF) >> 2) << 5) |
                            ((b & 0xFF) >> 3));
}
