// A small raster toolkit for drawing the game's pictures: an RGB canvas, shape masks, shaded
// fills with automatic outlines, gradients, ordered dithering and a repeatable noise source.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace assetgen {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
};

constexpr Rgb MakeRgb(int r, int g, int b) {
  return Rgb{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}
inline bool operator==(Rgb a, Rgb b) {
  return a.r == b.r && a.g == b.g && a.b == b.b;
}
inline bool operator!=(Rgb a, Rgb b) {
  return !(a == b);
}

// Black is the transparent key of every keyed picture; opaque darks use this instead.
constexpr Rgb kInk = MakeRgb(16, 12, 24);
constexpr Rgb kKey = MakeRgb(0, 0, 0);

// Linear mix, t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);
// Multiplies the channels (f < 1 darkens, > 1 lightens, clamped).
Rgb Scale(Rgb c, double f);
// The same colour pushed off pure black so that it survives the transparent key in RGB565.
Rgb Opaque(Rgb c);

// Deterministic xorshift generator for texture noise; the same seed draws the same picture.
class Prng {
 public:
  explicit Prng(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  uint32_t Next();
  int Range(int lo, int hi);  // lo..hi inclusive
  double Unit();              // 0..1
 private:
  uint32_t state_;
};

// 4 x 4 Bayer threshold in 0..1 for ordered dithering between two tones.
double Bayer(int x, int y);

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = kKey);
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Rgb Get(int x, int y) const { return pixels_[y * width_ + x]; }
  void Set(int x, int y, Rgb c) {
    if (Inside(x, y)) pixels_[y * width_ + x] = c;
  }
  // alpha 0..1 over what is there.
  void Blend(int x, int y, Rgb c, double alpha);
  void FillRect(int x, int y, int w, int h, Rgb c);
  // Copies src (all of it) to (x, y); keyed skips black source pixels.
  void Paste(const Canvas& src, int x, int y, bool keyed = true);
  // Copies src enlarged by an integer factor (nearest neighbour, keyed).
  void PasteScaled(const Canvas& src, int x, int y, int factor, bool mirror = false);
  // Copies the rectangle (sx, sy, w, h) of src to (x, y), keyed.
  void PasteRect(const Canvas& src, int sx, int sy, int w, int h, int x, int y,
                 bool mirror = false);
  // Every transparent pixel next to an opaque one (four neighbours) becomes c.
  void OutlineOpaque(Rgb c);
  // Vertical gradient over a rectangle with ordered dithering between the steps.
  void VerticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom, int steps = 8);
  void Line(int x0, int y0, int x1, int y1, Rgb c, int thickness = 1);
  const std::vector<Rgb>& Pixels() const { return pixels_; }

 private:
  int width_, height_;
  std::vector<Rgb> pixels_;
};

struct PointF {
  double x, y;
};

// A coverage mask the size of a canvas: shapes are added into it and then painted at once,
// so that overlapping pieces of one part share one outline.
class Mask {
 public:
  Mask(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool At(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ && bits_[y * width_ + x];
  }
  void Put(int x, int y, bool on = true) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) bits_[y * width_ + x] = on;
  }
  Mask& Ellipse(double cx, double cy, double rx, double ry, bool on = true);
  Mask& Rect(int x, int y, int w, int h, bool on = true);
  Mask& Polygon(const std::vector<PointF>& points, bool on = true);
  Mask& Line(double x0, double y0, double x1, double y1, double thickness, bool on = true);
  // Clears every pixel not also set in other.
  Mask& Intersect(const Mask& other);
  bool Edge(int x, int y) const;  // set, with an unset four-neighbour
  void Bounds(int* x0, int* y0, int* x1, int* y1) const;

 private:
  int width_, height_;
  std::vector<uint8_t> bits_;
};

// Colour of a pixel of a painted part: position, and whether it lies on the part's edge.
using Shader = std::function<Rgb(int x, int y, bool edge)>;

void Paint(Canvas& canvas, const Mask& mask, const Shader& shader);
// Plain fill, with its edge drawn in the outline colour when outline is not the key colour.
void PaintFlat(Canvas& canvas, const Mask& mask, Rgb fill, Rgb outline = kKey);
// Pixel-art shading lit from the upper left: highlight, base and shadow bands dithered into
// each other over the part's bounding box, and a dark outline on its edge.
void PaintLit(Canvas& canvas, const Mask& mask, Rgb base, bool outlined = true);

}  // namespace assetgen
