#include "tools/assetgen/raster.h"

#include <algorithm>
#include <cmath>

namespace assetgen {
namespace {

uint8_t Clamp(double v) {
  return static_cast<uint8_t>(std::clamp(v, 0.0, 255.0) + 0.0);
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  return Rgb{Clamp(a.r + (b.r - a.r) * t + 0.5), Clamp(a.g + (b.g - a.g) * t + 0.5),
             Clamp(a.b + (b.b - a.b) * t + 0.5)};
}

Rgb Scale(Rgb c, double f) {
  return Rgb{Clamp(c.r * f), Clamp(c.g * f), Clamp(c.b * f)};
}

Rgb Opaque(Rgb c) {
  // RGB565 keeps r >> 3, g >> 2, b >> 3: one of them must stay non-zero.
  if ((c.r >> 3) == 0 && (c.g >> 2) == 0 && (c.b >> 3) == 0) c.b = 16, c.r = std::max<int>(c.r, 8);
  return c;
}

uint32_t Prng::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

int Prng::Range(int lo, int hi) {
  return lo + static_cast<int>(Next() % (hi - lo + 1));
}

double Prng::Unit() {
  return (Next() & 0xFFFFFF) / static_cast<double>(0x1000000);
}

double Bayer(int x, int y) {
  static const int kTable[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return (kTable[y & 3][x & 3] + 0.5) / 16.0;
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::Blend(int x, int y, Rgb c, double alpha) {
  if (!Inside(x, y) || alpha <= 0) return;
  Rgb& p = pixels_[y * width_ + x];
  p = Mix(p, c, std::min(alpha, 1.0));
}

void Canvas::FillRect(int x, int y, int w, int h, Rgb c) {
  for (int j = std::max(0, y); j < std::min(height_, y + h); ++j)
    for (int i = std::max(0, x); i < std::min(width_, x + w); ++i) pixels_[j * width_ + i] = c;
}

void Canvas::Paste(const Canvas& src, int x, int y, bool keyed) {
  for (int j = 0; j < src.Height(); ++j)
    for (int i = 0; i < src.Width(); ++i) {
      Rgb c = src.Get(i, j);
      if (!keyed || c != kKey) Set(x + i, y + j, c);
    }
}

void Canvas::PasteScaled(const Canvas& src, int x, int y, int factor, bool mirror) {
  for (int j = 0; j < src.Height() * factor; ++j)
    for (int i = 0; i < src.Width() * factor; ++i) {
      int si = i / factor;
      if (mirror) si = src.Width() - 1 - si;
      Rgb c = src.Get(si, j / factor);
      if (c != kKey) Set(x + i, y + j, c);
    }
}

void Canvas::PasteRect(const Canvas& src, int sx, int sy, int w, int h, int x, int y, bool mirror) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      int si = mirror ? sx + w - 1 - i : sx + i;
      if (!src.Inside(si, sy + j)) continue;
      Rgb c = src.Get(si, sy + j);
      if (c != kKey) Set(x + i, y + j, c);
    }
}

void Canvas::OutlineOpaque(Rgb c) {
  std::vector<Rgb> out = pixels_;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      if (Get(x, y) != kKey) continue;
      bool near = (x > 0 && Get(x - 1, y) != kKey) || (x + 1 < width_ && Get(x + 1, y) != kKey) ||
                  (y > 0 && Get(x, y - 1) != kKey) || (y + 1 < height_ && Get(x, y + 1) != kKey);
      if (near) out[y * width_ + x] = c;
    }
  pixels_.swap(out);
}

void Canvas::VerticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom, int steps) {
  for (int j = 0; j < h; ++j) {
    double t = h > 1 ? static_cast<double>(j) / (h - 1) : 0;
    double band = t * steps;
    int lo = static_cast<int>(band);
    double frac = band - lo;
    for (int i = 0; i < w; ++i) {
      int step = std::min(steps, lo + (frac > Bayer(x + i, y + j) ? 1 : 0));
      Set(x + i, y + j, Mix(top, bottom, static_cast<double>(step) / steps));
    }
  }
}

void Canvas::Line(int x0, int y0, int x1, int y1, Rgb c, int thickness) {
  int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1, err = dx + dy;
  for (;;) {
    FillRect(x0 - thickness / 2, y0 - thickness / 2, thickness, thickness, c);
    if (x0 == x1 && y0 == y1) break;
    int e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
  }
}

Mask::Mask(int width, int height)
    : width_(width), height_(height), bits_(static_cast<size_t>(width) * height, 0) {}

Mask& Mask::Ellipse(double cx, double cy, double rx, double ry, bool on) {
  for (int y = static_cast<int>(cy - ry - 1); y <= cy + ry + 1; ++y)
    for (int x = static_cast<int>(cx - rx - 1); x <= cx + rx + 1; ++x) {
      double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
      if (u * u + v * v <= 1.0) Put(x, y, on);
    }
  return *this;
}

Mask& Mask::Rect(int x, int y, int w, int h, bool on) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Put(i, j, on);
  return *this;
}

Mask& Mask::Polygon(const std::vector<PointF>& points, bool on) {
  if (points.size() < 3) return *this;
  double top = points[0].y, bottom = points[0].y;
  for (const PointF& p : points) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  for (int y = static_cast<int>(std::floor(top)); y <= bottom; ++y) {
    double sy = y + 0.5;
    std::vector<double> xs;
    for (size_t i = 0; i < points.size(); ++i) {
      PointF a = points[i], b = points[(i + 1) % points.size()];
      if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy))
        xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2)
      for (int x = static_cast<int>(std::ceil(xs[i] - 0.5)); x + 0.5 <= xs[i + 1]; ++x)
        Put(x, y, on);
  }
  return *this;
}

Mask& Mask::Line(double x0, double y0, double x1, double y1, double thickness, bool on) {
  double len = std::hypot(x1 - x0, y1 - y0);
  int steps = std::max(1, static_cast<int>(len * 2));
  for (int s = 0; s <= steps; ++s) {
    double t = static_cast<double>(s) / steps;
    Ellipse(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, thickness / 2, thickness / 2, on);
  }
  return *this;
}

Mask& Mask::Intersect(const Mask& other) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (!other.At(x, y)) Put(x, y, false);
  return *this;
}

bool Mask::Edge(int x, int y) const {
  return At(x, y) && (!At(x - 1, y) || !At(x + 1, y) || !At(x, y - 1) || !At(x, y + 1));
}

void Mask::Bounds(int* x0, int* y0, int* x1, int* y1) const {
  *x0 = width_, *y0 = height_, *x1 = -1, *y1 = -1;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (At(x, y)) {
        *x0 = std::min(*x0, x), *y0 = std::min(*y0, y);
        *x1 = std::max(*x1, x), *y1 = std::max(*y1, y);
      }
}

void Paint(Canvas& canvas, const Mask& mask, const Shader& shader) {
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x)
      if (mask.At(x, y)) canvas.Set(x, y, shader(x, y, mask.Edge(x, y)));
}

void PaintFlat(Canvas& canvas, const Mask& mask, Rgb fill, Rgb outline) {
  bool outlined = outline != kKey;
  Paint(canvas, mask, [&](int, int, bool edge) { return outlined && edge ? outline : fill; });
}

void PaintLit(Canvas& canvas, const Mask& mask, Rgb base, bool outlined) {
  int x0, y0, x1, y1;
  mask.Bounds(&x0, &y0, &x1, &y1);
  double w = std::max(1, x1 - x0), h = std::max(1, y1 - y0);
  Rgb light = Mix(base, MakeRgb(255, 250, 235), 0.35);
  Rgb shade = Opaque(Scale(base, 0.72));
  Rgb dark = Opaque(Scale(base, 0.38));
  Paint(canvas, mask, [&](int x, int y, bool edge) {
    if (outlined && edge) return dark;
    double t = ((x - x0) / w * 0.55 + (y - y0) / h * 0.45);
    double d = Bayer(x, y) * 0.12 - 0.06;
    if (t + d < 0.25) return light;
    if (t + d < 0.68) return base;
    return shade;
  });
}

}  // namespace assetgen
