// The drawing toolkit under the pictures: shapes, copies, outlines, lettering and the map's
// projection.
#include "tools/assetgen/raster.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tools/assetgen/iso.h"
#include "tools/assetgen/panel.h"
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/text.h"
#include "tools/assetgen/trap.h"

namespace assetgen {
namespace {

int CountOf(const Canvas& c, Rgb color) {
  int n = 0;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) n += c.Get(x, y) == color;
  return n;
}

void InkBounds(const Canvas& c, int* x0, int* y0, int* x1, int* y1) {
  *x0 = c.Width(), *y0 = c.Height(), *x1 = -1, *y1 = -1;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (c.Get(x, y) != kKey)
        *x0 = std::min(*x0, x), *y0 = std::min(*y0, y), *x1 = std::max(*x1, x),
        *y1 = std::max(*y1, y);
}

TEST(Projection, ItemCellsStandFortyTwoPixelsAboveTheirTile) {
  const PointF corners[] = {IsoPoint(0, 0), IsoPoint(1, 0), IsoPoint(1, 1), IsoPoint(0, 1)};
  const PointF expected[] = {{31, 42}, {68, 54}, {37, 69}, {0, 57}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_DOUBLE_EQ(corners[i].x, expected[i].x);
    EXPECT_DOUBLE_EQ(corners[i].y, expected[i].y);
  }
  EXPECT_DOUBLE_EQ(IsoPoint(0, 0, 10).y, 32);  // lifting moves straight up
}

TEST(Projection, FacePixelsMapBackToTheirPlaceOnTheTile) {
  for (double u : {0.0, 0.25, 0.8, 1.0})
    for (double v : {0.0, 0.5, 1.0}) {
      const PointF p = IsoPoint(u, v, 7, 3);
      double bu, bv;
      IsoUv(p.x, p.y, 7, 3, &bu, &bv);
      EXPECT_NEAR(bu, u, 1e-9);
      EXPECT_NEAR(bv, v, 1e-9);
    }
}

TEST(Projection, NeighbouringFloorTilesMeetWithoutGaps) {
  // Three by three tiles placed as the game places them (+x: 37 right, 12 down; +y: 31 left,
  // 15 down) in its painter's order must cover their joint top face completely.
  for (int area = 0; area < kAreas; ++area) {
    Canvas tile(67, 42);
    DrawFloor(tile, area, false);
    Canvas map(240, 140);
    const int ox = 100, oy = 10;
    for (int x = 0; x < 3; ++x)
      for (int y = 0; y < 3; ++y) map.Paste(tile, ox + 37 * x - 31 * y, oy + 12 * x + 15 * y);
    Mask face(240, 140);
    face.Polygon({{ox + 31.0, oy + 0.0},
                  {ox + 74.0 + 68, oy + 24.0 + 12},
                  {ox + 74.0 - 62 + 37, oy + 54.0 + 27},
                  {ox - 62.0, oy + 30.0 + 15}});
    int holes = 0;
    for (int y = 0; y < 140; ++y)
      for (int x = 0; x < 240; ++x)
        if (face.At(x, y) && !face.Edge(x, y) && map.Get(x, y) == kKey) ++holes;
    EXPECT_EQ(holes, 0) << "area " << area;
  }
}

TEST(Shapes, PolygonsFillThePixelsWhoseCentresTheyCover) {
  Mask m(10, 10);
  m.Polygon({{2, 2}, {6, 2}, {6, 6}, {2, 6}});
  int n = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) n += m.At(x, y);
  EXPECT_EQ(n, 16);
  EXPECT_TRUE(m.At(2, 2));
  EXPECT_TRUE(m.At(5, 5));
  EXPECT_FALSE(m.At(6, 6));
  EXPECT_TRUE(m.Edge(2, 3));
  EXPECT_FALSE(m.Edge(3, 3));
}

TEST(Shapes, EllipsesAreMirrorSymmetricAboutTheirCentre) {
  Mask m(40, 30);
  m.Ellipse(20, 15, 11, 7);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) EXPECT_EQ(m.At(x, y), m.At(39 - x, 29 - y)) << x << "," << y;
  EXPECT_TRUE(m.At(20, 15));
  EXPECT_FALSE(m.At(20, 4));
}

TEST(Canvas, CopiesLeaveTheKeyColourOut) {
  Canvas src(2, 1);
  src.Set(1, 0, MakeRgb(200, 10, 10));
  Canvas dst(2, 1, MakeRgb(5, 90, 5));
  dst.Paste(src, 0, 0);
  EXPECT_EQ(dst.Get(0, 0), MakeRgb(5, 90, 5));
  EXPECT_EQ(dst.Get(1, 0), MakeRgb(200, 10, 10));
  dst.Paste(src, 0, 0, false);
  EXPECT_EQ(dst.Get(0, 0), kKey);
}

TEST(Canvas, EnlargedCopiesRepeatEachPixelAndCanMirror) {
  Canvas src(2, 1);
  src.Set(0, 0, MakeRgb(10, 200, 10));
  src.Set(1, 0, MakeRgb(10, 10, 200));
  Canvas dst(6, 3);
  dst.PasteScaled(src, 0, 0, 3);
  EXPECT_EQ(dst.Get(2, 2), MakeRgb(10, 200, 10));
  EXPECT_EQ(dst.Get(3, 0), MakeRgb(10, 10, 200));
  dst.PasteScaled(src, 0, 0, 3, true);
  EXPECT_EQ(dst.Get(0, 0), MakeRgb(10, 10, 200));
  EXPECT_EQ(dst.Get(5, 1), MakeRgb(10, 200, 10));
}

TEST(Canvas, OutlinesRingEveryShapeOnItsFourSides) {
  Canvas c(5, 5);
  c.Set(2, 2, MakeRgb(250, 250, 250));
  c.OutlineOpaque(kInk);
  EXPECT_EQ(CountOf(c, kInk), 4);
  EXPECT_EQ(c.Get(2, 1), kInk);
  EXPECT_EQ(c.Get(1, 1), kKey);  // corners stay open: a round, pixel-art outline
}

TEST(Canvas, GradientsRunFromTheTopColourToTheBottomColour) {
  Canvas c(8, 20);
  c.VerticalGradient(0, 0, 8, 20, MakeRgb(200, 0, 40), MakeRgb(0, 100, 240), 5);
  for (int x = 0; x < 8; ++x) {
    EXPECT_EQ(c.Get(x, 0), MakeRgb(200, 0, 40));
    EXPECT_EQ(c.Get(x, 19), MakeRgb(0, 100, 240));
  }
}

TEST(Noise, SameSeedDrawsTheSameTextureAndStaysInRange) {
  Prng a(12345), b(12345), c(54321);
  bool differs = false;
  for (int i = 0; i < 100; ++i) {
    const int v = a.Range(3, 9);
    EXPECT_EQ(v, b.Range(3, 9));
    EXPECT_GE(v, 3);
    EXPECT_LE(v, 9);
    differs |= v != c.Range(3, 9);
  }
  EXPECT_TRUE(differs);
}

TEST(Lettering, WidthFollowsTheGamesFixedCells) {
  TextStyle s;
  s.cellWidth = 12;
  EXPECT_EQ(TextWidth("おねーさんをたすけた！", s), 264);
  s.cellWidth = 10;
  EXPECT_EQ(TextWidth("kobako", s), 60);
  EXPECT_EQ(TextWidth("kobako チーム", s), 7 * 10 + 3 * 20);
}

TEST(Lettering, StaysInsideItsCellsAndTheOutlineGrowsItEvenly) {
  TextStyle s;
  s.cellHeight = 34, s.cellWidth = 17, s.fill = MakeRgb(250, 250, 200);
  Canvas plain(200, 60);
  DrawText(plain, 10, 10, "はじめる", s);
  int x0, y0, x1, y1;
  InkBounds(plain, &x0, &y0, &x1, &y1);
  ASSERT_GE(x1, x0) << "no lettering drawn: is a Japanese font installed?";
  EXPECT_GE(x0, 10);
  EXPECT_GE(y0, 10);
  EXPECT_LT(x1, 10 + 4 * 34);
  EXPECT_LT(y1, 10 + 34);
  s.outline = MakeRgb(60, 20, 20), s.outlineWidth = 2;
  Canvas outlined(200, 60);
  DrawText(outlined, 10, 10, "はじめる", s);
  int ox0, oy0, ox1, oy1;
  InkBounds(outlined, &ox0, &oy0, &ox1, &oy1);
  EXPECT_NEAR(x0 - ox0, 2, 1);
  EXPECT_NEAR(ox1 - x1, 2, 1);
  EXPECT_NEAR(y0 - oy0, 2, 1);
  EXPECT_NEAR(oy1 - y1, 2, 1);
  EXPECT_GT(CountOf(outlined, Opaque(s.outline)), 100);
}

TEST(Panels, RoundedCornersStayTransparentAndTheMiddleIsFilled) {
  Canvas c(100, 60);
  PanelStyle s;
  s.fillTop = s.fillBottom = MakeRgb(240, 230, 200);
  DrawPanel(c, 0, 0, 100, 60, s);
  EXPECT_EQ(c.Get(0, 0), kKey);
  EXPECT_EQ(c.Get(99, 59), kKey);
  EXPECT_EQ(c.Get(50, 30), MakeRgb(240, 230, 200));
  EXPECT_NE(c.Get(50, 1), kKey);  // the frame runs along the straight edges
}

}  // namespace
}  // namespace assetgen
