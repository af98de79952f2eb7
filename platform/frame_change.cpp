#include "platform/frame_change.h"

#include <algorithm>
#include <cstring>

#include "platform/geometry.h"

namespace {

constexpr size_t kRowBytes = SCREEN_W * sizeof(uint16_t);

// Widens [left, right] to the first and last pixels that differ in a row known to differ.
// Only the pixels outside the span found so far need looking at.
void WidenByRow(const uint16_t* a, const uint16_t* b, int& left, int& right) {
  int x = 0;
  while (x < left && a[x] == b[x]) ++x;
  left = std::min(left, x);
  x = SCREEN_W - 1;
  while (x > right && a[x] == b[x]) --x;
  right = std::max(right, x);
}

}  // namespace

ScreenRect ChangedPart(const uint16_t* before, const uint16_t* after) {
  int top = 0;
  while (top < SCREEN_H &&
         std::memcmp(before + top * SCREEN_W, after + top * SCREEN_W, kRowBytes) == 0) {
    ++top;
  }
  if (top == SCREEN_H) return ScreenRect();
  int bottom = SCREEN_H - 1;
  while (std::memcmp(before + bottom * SCREEN_W, after + bottom * SCREEN_W, kRowBytes) == 0) {
    --bottom;
  }
  int left = SCREEN_W, right = -1;
  for (int y = top; y <= bottom; ++y) {
    WidenByRow(before + y * SCREEN_W, after + y * SCREEN_W, left, right);
  }
  return ScreenRect{left, top, right - left + 1, bottom - top + 1};
}

ScreenRect CopyChangedPart(uint16_t* frame, const uint16_t* next) {
  int top = -1, bottom = -1, left = SCREEN_W, right = -1;
  for (int y = 0; y < SCREEN_H; ++y) {
    uint16_t* row = frame + y * SCREEN_W;
    const uint16_t* from = next + y * SCREEN_W;
    if (std::memcmp(row, from, kRowBytes) == 0) continue;
    if (top < 0) top = y;
    bottom = y;
    WidenByRow(row, from, left, right);
    std::memcpy(row, from, kRowBytes);
  }
  if (top < 0) return ScreenRect();
  return ScreenRect{left, top, right - left + 1, bottom - top + 1};
}
