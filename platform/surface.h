// A picture in memory: RGB565 pixels, row after row, with an optional key pixel that keyed copies
// leave out. Every copy, fill and stretch clips against both surfaces, so a wrong rectangle loses
// pixels instead of writing elsewhere in memory.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/geometry.h"

// Copies that leave out the source's key pixels say so with this.
constexpr bool kKeyed = true;

class Surface {
 public:
  // No picture: 0 x 0, and every copy onto or from it draws nothing.
  Surface() = default;
  // Black; a side that is not positive or is absurdly large makes no picture.
  Surface(int width, int height);
  Surface(Surface&&) noexcept = default;
  Surface& operator=(Surface&&) noexcept = default;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  explicit operator bool() const { return width_ > 0; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  void SetKey(Pixel key) {
    hasKey_ = true;
    key_ = key;
  }
  bool HasKey() const { return hasKey_; }
  Pixel Key() const { return key_; }

  // Copies `from` of `src` with its top-left at `at`; keyed leaves out src's key pixels (when it
  // has a key). Whatever part of `from` lies outside src moves the target with it.
  void CopyFrom(Point at, const Surface& src, Rect from, bool keyed = false);
  // Fills the part of `area` that lies on the surface.
  void Fill(Rect area, Pixel colour);
  void Fill(Pixel colour) { Fill(Rect{0, 0, width_, height_}, colour); }
  // Nearest-neighbour stretch of `from` of src onto `to`; keyed as for CopyFrom.
  void StretchFrom(Rect to, const Surface& src, Rect from, bool keyed = false);

  // Row after row, Width() pixels a row.
  Pixel* Pixels() { return pixels_.data(); }
  const Pixel* Pixels() const { return pixels_.data(); }

 private:
  int width_ = 0, height_ = 0;
  bool hasKey_ = false;
  Pixel key_ = 0;
  std::vector<Pixel> pixels_;
};
