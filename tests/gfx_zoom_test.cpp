// Zoom (kind 2), zoom with blend (kind 3) and rotation (kind 4).
#include <random>
#include <set>

#include "tests/gfx_fixture.h"

using namespace gfxtest;

namespace {

class ZoomTest : public GfxTest {
 protected:
  // A picture whose pixel (x, y) is y * width + x + 1: every pixel tells where it came from.
  SurfaceId MakeNumbered(int width, int height) {
    const SurfaceId id = Make(width, height);
    std::vector<uint16_t> pixels(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint16_t>(i + 1);
    Load(id, width, height, pixels);
    return id;
  }
  BlitRequest Zoom(uint8_t mode, SurfaceId dst, SurfaceId src, Rect rect, int x, int y,
                   uint8_t scale) {
    BlitRequest r = Request(mode, src, rect, x, y);
    r.Dst = dst;
    r.Scale = scale;
    return r;
  }
  BlitRequest Rotate(SurfaceId dst, SurfaceId src, Rect rect, int px, int py, int x, int y,
                     uint8_t angle) {
    BlitRequest r = Request(BLIT_ROTATE, src, rect, x, y);
    r.Dst = dst;
    r.PivotX = px;
    r.PivotY = py;
    r.Angle = angle;
    return r;
  }
  // Source columns shown along row y of the slot, from column 0 while pixels are drawn.
  std::vector<int> ColumnsShown(SurfaceId dst, int y, int width) {
    std::vector<int> shown;
    for (int x = 0; x < draw->Slot(dst).width && InSlot(dst, x, y) != 0; ++x) {
      shown.push_back((InSlot(dst, x, y) - 1) % width);
    }
    return shown;
  }
};

TEST_F(ZoomTest, OneToOneSkipsTheLastTwoColumns) {
  const SurfaceId src = MakeNumbered(100, 2);
  const SurfaceId dst = Make(300, 10);
  BlitRequest r = Zoom(BLIT_ZOOM, dst, src, Rect{0, 0, 100, 1}, 0, 0, 128);
  EXPECT_EQ(draw->Blit(r), 0);
  const std::vector<int> shown = ColumnsShown(dst, 0, 100);
  ASSERT_EQ(shown.size(), 100u);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(shown[i], (i * 1013) >> 10);
  EXPECT_EQ(shown.back(), 97);
  EXPECT_EQ(std::set<int>(shown.begin(), shown.end()).size(), 98u);
  EXPECT_EQ(InSlot(dst, 0, 1), 0);
}

TEST_F(ZoomTest, HalfScaleDrawsFiftyColumns) {
  // A one-row rectangle would shrink to no rows at half size.
  const SurfaceId src = MakeNumbered(100, 4);
  const SurfaceId dst = Make(300, 10);
  BlitRequest r = Zoom(BLIT_ZOOM, dst, src, Rect{0, 0, 100, 4}, 0, 0, 64);
  draw->Blit(r);
  EXPECT_FALSE(ColumnsShown(dst, 1, 100).empty());
  EXPECT_TRUE(ColumnsShown(dst, 2, 100).empty());
  const std::vector<int> shown = ColumnsShown(dst, 0, 100);
  ASSERT_EQ(shown.size(), 50u);
  EXPECT_EQ(shown[0], 0);
  EXPECT_EQ(shown[1], 1);
  EXPECT_EQ(shown[2], 3);
  EXPECT_EQ(shown[3], 5);
  EXPECT_EQ(shown[49], 96);
}

TEST_F(ZoomTest, NearDoubleShowsColumnsTwice) {
  const SurfaceId src = MakeNumbered(100, 1);
  const SurfaceId dst = Make(300, 10);
  BlitRequest r = Zoom(BLIT_ZOOM, dst, src, Rect{0, 0, 100, 1}, 0, 0, 255);
  draw->Blit(r);
  const std::vector<int> shown = ColumnsShown(dst, 0, 100);
  ASSERT_EQ(shown.size(), 199u);
  for (int i = 0; i < 199; ++i) EXPECT_EQ(shown[i], i / 2);
}

TEST_F(ZoomTest, ZeroScaleDrawsNothing) {
  const SurfaceId src = MakeNumbered(100, 1);
  const SurfaceId dst = Make(300, 10);
  BlitRequest inside = Zoom(BLIT_ZOOM, dst, src, Rect{0, 0, 100, 1}, 5, 5, 0);
  EXPECT_EQ(draw->Blit(inside), 0);
  BlitRequest left = Zoom(BLIT_ZOOM, dst, src, Rect{0, 0, 100, 1}, -5, 5, 0);
  EXPECT_EQ(draw->Blit(left), 1);
  EXPECT_TRUE(ColumnsShown(dst, 5, 100).empty());
}

TEST_F(ZoomTest, ZoomPushedLeftKeepsItsLeftPart) {
  const SurfaceId src = MakeNumbered(100, 1);
  const SurfaceId dst = Make(300, 10);
  BlitRequest r = Zoom(BLIT_ZOOM, dst, src, Rect{0, 0, 100, 1}, -40, 0, 128);
  EXPECT_EQ(draw->Blit(r), 0);
  EXPECT_EQ(r.x, 0);
  EXPECT_EQ(r.SrcRect.left, 0);
  EXPECT_EQ(r.SrcRect.right, 100);
  const std::vector<int> shown = ColumnsShown(dst, 0, 100);
  ASSERT_EQ(shown.size(), 60u);
  EXPECT_EQ(shown[0], 0);
  EXPECT_EQ(shown[59], (59 * 1013) >> 10);
}

TEST_F(ZoomTest, ZoomBlendPushedLeftMovesItsOriginByHalfTheOverhang) {
  const SurfaceId src = MakeNumbered(200, 1);
  const SurfaceId dst = Make(300, 10);
  BlitRequest r = Zoom(BLIT_ZOOM_BLEND | BLEND_ADD, dst, src, Rect{0, 0, 200, 1}, -100, 0, 128);
  r.Level = 255;
  EXPECT_EQ(draw->Blit(r), 0);
  EXPECT_EQ(r.x, 0);
  EXPECT_EQ(r.SrcRect.left, 25);
  // Adding onto black at full level: (c * 255) >> 8 of each channel of source pixel 25.
  const uint16_t s = 26;
  EXPECT_EQ(InSlot(dst, 0, 0), Rgb(0, (Green(s) * 255) >> 8, (Blue(s) * 255) >> 8));
  EXPECT_NE(InSlot(dst, 99, 0), 0);
  EXPECT_EQ(InSlot(dst, 100, 0), 0);
}

TEST_F(ZoomTest, ZoomBlendMixesLikeTheBlend) {
  const SurfaceId src = MakeFilled(10, 10, Rgb(31, 63, 31));
  const SurfaceId dst = MakeFilled(20, 20, Rgb(31, 63, 31));
  BlitRequest r = Zoom(BLIT_ZOOM_BLEND | BLEND_ALPHA, dst, src, Rect{0, 0, 10, 10}, 2, 2, 128);
  r.Level = 0;
  EXPECT_EQ(draw->Blit(r), 0);
  EXPECT_EQ(InSlot(dst, 2, 2), Rgb(30, 62, 30));
  EXPECT_EQ(InSlot(dst, 11, 11), Rgb(30, 62, 30));
  EXPECT_EQ(InSlot(dst, 12, 12), Rgb(31, 63, 31));
  BlitRequest odd = Zoom(BLIT_ZOOM_BLEND | 0x40, dst, src, Rect{0, 0, 10, 10}, 12, 12, 128);
  EXPECT_EQ(draw->Blit(odd), 0);
  EXPECT_EQ(InSlot(dst, 12, 12), Rgb(31, 63, 31));
}

TEST_F(ZoomTest, UprightTurnDrawsFortyTwoPixels) {
  const SurfaceId src = MakeNumbered(10, 10);
  const SurfaceId dst = Make(100, 100);
  BlitRequest r = Rotate(dst, src, Rect{0, 0, 10, 10}, 0, 0, 20, 20, 0);
  EXPECT_EQ(draw->Blit(r), 0);
  int drawn = 0;
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) {
      const uint16_t p = InSlot(dst, x, y);
      if (p == 0) continue;
      ++drawn;
      EXPECT_TRUE(x >= 21 && x <= 27 && y >= 22 && y <= 27) << x << "," << y;
      EXPECT_EQ((p - 1) % 10, x - 20) << x << "," << y;
    }
  }
  EXPECT_EQ(drawn, 42);
  EXPECT_EQ(InSlot(dst, 21, 22), 1 * 10 + 1 + 1);
  EXPECT_EQ(InSlot(dst, 27, 27), 6 * 10 + 7 + 1);
}

TEST_F(ZoomTest, QuarterTurnPutsRightOfThePivotAbove) {
  const SurfaceId src = MakeNumbered(20, 20);
  const SurfaceId dst = Make(100, 100);
  BlitRequest r = Rotate(dst, src, Rect{0, 0, 20, 20}, 10, 10, 50, 50, 64);
  draw->Blit(r);
  EXPECT_EQ(InSlot(dst, 50, 45), 10 * 20 + 15 + 1);
}

TEST_F(ZoomTest, TurnNeverWritesOutsideItsSlot) {
  const SurfaceId src = MakeNumbered(64, 64);
  const SurfaceId dst = MakeCanvas(90, 70);
  std::mt19937 random(20261207);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  int wrong = 0, drawnAny = 0;
  for (int round = 0; round < 1500; ++round) {
    std::fill(SlotPixels(dst), SlotPixels(dst) + 90 * 70, 0);
    const int L = pick(-20, 70), T = pick(-20, 70);
    const Rect rect{L, T, L + pick(0, 80), T + pick(0, 80)};
    BlitRequest r = Rotate(dst, src, rect, pick(-80, 150), pick(-80, 150), pick(-100, 200),
                           pick(-100, 200), static_cast<uint8_t>(pick(0, 255)));
    const BlitRequest before = r;
    EXPECT_EQ(draw->Blit(r), 0);
    ASSERT_EQ(CanaryDamage(dst), 0) << "round " << round;
    // Every pixel drawn is the source pixel that the turn maps to its own position.
    const int64_t ca = draw->CosTable[before.Angle], sa = draw->SinTable[before.Angle];
    for (int i = 0; i < 90 * 70; ++i) {
      const uint16_t p = draw->Slot(dst).surface.Pixels()[i];
      if (p == 0) continue;
      ++drawnAny;
      const int64_t c = i % 90 - before.x, rr = i / 90 - before.y;
      const int64_t sy = ((-c * ca + rr * sa) >> 10) + before.PivotY;
      const int64_t sx = before.PivotX - ((-c * sa - rr * ca) >> 10);
      wrong += p != sy * 64 + sx + 1;
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_GT(drawnAny, 0);
}

TEST_F(ZoomTest, ZoomsReachingOutsideTheirSlotStayInside) {
  const SurfaceId src = MakeNumbered(64, 64);
  const SurfaceId dst = MakeCanvas(50, 40);
  for (uint8_t mode : {uint8_t{BLIT_ZOOM}, uint8_t{BLIT_ZOOM_BLEND | BLEND_ADD}}) {
    for (int scale : {0, 1, 64, 128, 200, 255}) {
      for (int x : {-300, -60, -1, 0, 25, 49, 50}) {
        for (int y : {-300, -60, -1, 0, 20, 39, 40}) {
          BlitRequest r =
              Zoom(mode, dst, src, Rect{-10, -10, 90, 90}, x, y, static_cast<uint8_t>(scale));
          r.Level = 200;
          draw->Blit(r);
        }
      }
    }
  }
  EXPECT_EQ(CanaryDamage(dst), 0);
  EXPECT_NE(InSlot(dst, 49, 39), 0);
}

}  // namespace
