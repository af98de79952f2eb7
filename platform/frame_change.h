// Which part of the 640 x 480 picture changed from one frame to the next, so that only that part
// travels to the screen.
#pragma once
#include <cstdint>

struct ScreenRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Empty() const { return w <= 0 || h <= 0; }
};

// The rectangle of the picture that differs between two frames; empty when none does.
ScreenRect ChangedPart(const uint16_t* before, const uint16_t* after);

// Copies `next` over `frame`, writing only the rows that differ, and returns the rectangle that
// changed: one pass over both frames instead of a copy and a comparison.
ScreenRect CopyChangedPart(uint16_t* frame, const uint16_t* next);
