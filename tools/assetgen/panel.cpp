#include "tools/assetgen/panel.h"

#include <algorithm>

namespace assetgen {

Mask RoundedRect(int canvasW, int canvasH, int x, int y, int w, int h, int radius) {
  Mask m(canvasW, canvasH);
  const int r = std::max(0, std::min(radius, std::min(w, h) / 2));
  m.Rect(x + r, y, w - 2 * r, h).Rect(x, y + r, w, h - 2 * r);
  if (r > 0) {
    m.Ellipse(x + r, y + r, r, r).Ellipse(x + w - r, y + r, r, r);
    m.Ellipse(x + r, y + h - r, r, r).Ellipse(x + w - r, y + h - r, r, r);
  }
  return m;
}

void DrawPanel(Canvas& c, int x, int y, int w, int h, const PanelStyle& s) {
  const Mask outer = RoundedRect(c.Width(), c.Height(), x, y, w, h, s.radius);
  const int b = s.borderWidth;
  const Rgb light = Mix(s.border, MakeRgb(255, 250, 230), 0.4);
  const Rgb dark = Opaque(Scale(s.border, 0.55));
  const Rgb ink = Opaque(Scale(s.border, 0.3));
  Paint(c, outer, [&](int px, int py, bool edge) {
    if (edge) return ink;
    // Lit from the upper left: the top and left of the frame catch the light.
    return (px - x) + (py - y) < (x + w - px) + (y + h - py) ? light : dark;
  });
  const Mask band = RoundedRect(c.Width(), c.Height(), x + 2, y + 2, w - 4, h - 4, s.radius - 2);
  PaintFlat(c, band, s.border);
  const Mask inner =
      RoundedRect(c.Width(), c.Height(), x + b, y + b, w - 2 * b, h - 2 * b, s.radius - b);
  Paint(c, inner, [&](int px, int py, bool edge) {
    if (edge) return dark;
    const double t = static_cast<double>(py - y - b) / std::max(1, h - 2 * b);
    const int step = static_cast<int>(t * 6 + Bayer(px, py));
    return Opaque(Mix(s.fillTop, s.fillBottom, std::min(step, 6) / 6.0));
  });
  if (s.studs && w > 40 && h > 40) {
    const Rgb gold = MakeRgb(250, 210, 90);
    const int in = std::max(b / 2 + 2, s.radius / 2 + 2);
    for (int cy : {y + in, y + h - in - 1})
      for (int cx : {x + in, x + w - in - 1}) {
        Mask m(c.Width(), c.Height());
        m.Ellipse(cx + 0.5, cy + 0.5, 3.5, 3.5);
        PaintLit(c, m, gold);
      }
  }
}

}  // namespace assetgen
