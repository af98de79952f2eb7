// The village dog, on four legs, and the choice of painter for each character.
#include "tools/assetgen/figures.h"

namespace assetgen {
namespace figure {

Canvas DrawDog(int facing, int frame) {
  Canvas c(64, 64);
  const Rgb fur = MakeRgb(222, 170, 100), belly = MakeRgb(250, 236, 210);
  const Rgb ear = MakeRgb(150, 96, 56);
  const int bob = frame == 0 ? 0 : -1;
  if (facing == kFaceLeft || facing == kFaceRight) {
    const int dir = facing == kFaceLeft ? -1 : 1;
    auto X = [&](double dx) { return kCx + dir * dx; };
    Mask tail(64, 64);
    tail.Line(X(-10), 42 + bob, X(-15), 33 + bob - (frame == 1 ? 2 : 0), 3);
    PaintLit(c, tail, fur);
    for (int leg = 0; leg < 4; ++leg) {
      Mask m(64, 64);
      const double base = leg < 2 ? X(7) : X(-7);
      const double step = frame == 0 ? 0 : ((leg % 2 == 0) == (frame == 1) ? 2 : -2);
      m.Rect(static_cast<int>(base + dir * step - 1.5 + (leg % 2 ? 2 : -2)), 46 + bob, 3, 9 - bob);
      PaintLit(c, m, leg % 2 ? Scale(fur, 0.8) : fur);
    }
    Mask body(64, 64);
    body.Ellipse(kCx, 43 + bob, 12, 6.5);
    PaintLit(c, body, fur);
    Mask head(64, 64);
    head.Ellipse(X(10), 34 + bob, 6.5, 6).Ellipse(X(15), 37 + bob, 4, 3);
    PaintLit(c, head, fur);
    Mask earMask(64, 64);
    earMask.Ellipse(X(8), 33 + bob, 2.5, 5);
    PaintLit(c, earMask, ear);
    c.FillRect(static_cast<int>(X(18)) - 1, 35 + bob, 2, 2, kInk);  // nose
    c.FillRect(static_cast<int>(X(12)), 32 + bob, 1, 2, kInk);      // eye
  } else {
    const bool back = facing == kFaceUp;
    for (int leg = 0; leg < 2; ++leg) {
      Mask m(64, 64);
      const int lift = (frame == 1 && leg == 0) || (frame == 2 && leg == 1) ? 2 : 0;
      m.Rect(kCx - 6 + leg * 9, 46 + bob, 3, 9 - lift);
      PaintLit(c, m, fur);
    }
    Mask body(64, 64);
    body.Ellipse(kCx, 45 + bob, 9, 7);
    PaintLit(c, body, back ? fur : belly);
    if (back) {
      Mask tail(64, 64);
      tail.Line(kCx, 42 + bob, kCx + (frame == 1 ? 3 : -1), 34 + bob, 3);
      PaintLit(c, tail, fur);
    }
    Mask head(64, 64);
    head.Ellipse(kCx, back ? 34 + bob : 35 + bob, 7.5, 6.5);
    PaintLit(c, head, fur);
    Mask ears(64, 64);
    ears.Ellipse(kCx - 7, 34 + bob, 2.5, 5).Ellipse(kCx + 7, 34 + bob, 2.5, 5);
    PaintLit(c, ears, ear);
    if (!back) {
      Mask snout(64, 64);
      snout.Ellipse(kCx, 38 + bob, 3.5, 2.5);
      PaintLit(c, snout, belly);
      c.FillRect(kCx - 1, 37 + bob, 2, 1, kInk);
      c.FillRect(kCx - 4, 33 + bob, 1, 2, kInk);
      c.FillRect(kCx + 3, 33 + bob, 1, 2, kInk);
    }
  }
  c.OutlineOpaque(kInk);
  return c;
}

}  // namespace figure

Canvas DrawFigure(Who who, int facing, int frame) {
  if (who == Who::kDog) return figure::DrawDog(facing, frame);
  return figure::DrawPerson(who, facing, frame);
}

}  // namespace assetgen
