// The 640 x 480 picture blown up to the window, pixels kept square: the largest 4:3 rectangle
// that fits, centred. At a whole multiple every picture pixel becomes a sharp square block; at
// any other size the picture is first blown up by the smallest whole factor that covers the
// window and then shrunk a little with linear filtering, so edges stay crisp but even.
#pragma once
#include <cstdint>

#include "platform/frame_change.h"

// Where the picture lies in a window of the given size.
ScreenRect PlacePicture(int windowWidth, int windowHeight);

class PictureScaler {
 public:
  // For a window of this size; `out` rows are `pitch` pixels of 0xAARRGGBB.
  PictureScaler(int windowWidth, int windowHeight);
  const ScreenRect& Placement() const { return at_; }
  // The window pixels that show `part` of the picture (with the neighbours the filter reads).
  ScreenRect WindowPart(const ScreenRect& part) const;
  // Draws the window pixels of `windowPart` (inside Placement()) from the RGB565 picture.
  void Draw(const uint16_t* picture, const ScreenRect& windowPart, uint32_t* out, int pitch) const;

 private:
  ScreenRect at_;
  int factor_ = 1;     // the whole factor before the shrinking
  bool sharp_ = true;  // a whole multiple: no filtering at all
};
