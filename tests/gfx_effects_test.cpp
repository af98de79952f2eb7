// Darkening (kind 9) and tinting (kind 11) of a slot in place.
#include "tests/gfx_fixture.h"

using namespace gfxtest;

namespace {

class EffectsTest : public GfxTest {
 protected:
  BlitRequest Darken(SurfaceId dst, Rect rect, int x, int y, uint8_t level) {
    BlitRequest r = Request(BLIT_DARKEN, dst, rect, x, y);
    r.Dst = dst;
    r.Level = level;
    return r;
  }
  BlitRequest Tint(uint8_t variant, SurfaceId dst, SurfaceId src, Rect rect, int x, int y,
                   uint8_t level) {
    BlitRequest r = Request(BLIT_TINT | variant, src, rect, x, y);
    r.Dst = dst;
    r.Level = level;
    return r;
  }
};

TEST_F(EffectsTest, DarkenAtHalfDropsTheFraction) {
  const SurfaceId dst = MakeFilled(16, 16, Rgb(31, 63, 31));
  BlitRequest r = Darken(dst, Rect{0, 0, 4, 2}, 3, 5, 128);
  EXPECT_EQ(draw->Blit(r), 1);
  EXPECT_EQ(At(dst, 3, 5), Rgb(15, 31, 15));
  EXPECT_EQ(At(dst, 6, 6), Rgb(15, 31, 15));
  EXPECT_EQ(At(dst, 7, 6), Rgb(31, 63, 31));
  EXPECT_EQ(At(dst, 3, 7), Rgb(31, 63, 31));
  EXPECT_EQ(At(dst, 2, 5), Rgb(31, 63, 31));
}

TEST_F(EffectsTest, DarkenFullTurnsBlackAndNoneStillLosesAStep) {
  const SurfaceId dst = MakeFilled(8, 8, Rgb(31, 63, 31));
  BlitRequest full = Darken(dst, Rect{0, 0, 4, 8}, 0, 0, 255);
  draw->Blit(full);
  BlitRequest none = Darken(dst, Rect{0, 0, 4, 8}, 4, 0, 0);
  draw->Blit(none);
  EXPECT_EQ(At(dst, 0, 0), 0);
  EXPECT_EQ(At(dst, 7, 7), Rgb(30, 62, 30));
}

TEST_F(EffectsTest, DarkenUsesOnlyTheSizeOfTheRectangle) {
  const SurfaceId dst = MakeFilled(32, 32, Rgb(31, 63, 31));
  BlitRequest r = Darken(dst, Rect{20, 20, 22, 21}, 1, 1, 255);
  draw->Blit(r);
  EXPECT_EQ(At(dst, 1, 1), 0);
  EXPECT_EQ(At(dst, 2, 1), 0);
  EXPECT_EQ(At(dst, 3, 1), Rgb(31, 63, 31));
  EXPECT_EQ(At(dst, 20, 20), Rgb(31, 63, 31));
  EXPECT_EQ(r.SrcRect.left, 20);
}

TEST_F(EffectsTest, DarkenReachingOutsideItsSlotStaysInside) {
  const SurfaceId dst = MakeCanvas(20, 10);
  std::fill(SlotPixels(dst), SlotPixels(dst) + 200, 0xFFFF);
  // Canary pixels are bright: darkening one would change it.
  for (const Rect& area : {Rect{0, 0, 50, 50}, Rect{0, 0, 5, 5}}) {
    for (int x : {-10, 0, 15, 19, 20, 30}) {
      for (int y : {-10, 0, 8, 10, 12}) {
        BlitRequest r = Darken(dst, area, x, y, 128);
        draw->Blit(r);
      }
    }
  }
  EXPECT_EQ(CanaryDamage(dst), 0);
  EXPECT_NE(InSlot(dst, 19, 9), 0xFFFF);
}

TEST_F(EffectsTest, RedTintClampsRedAndLowersTheOthers) {
  const SurfaceId src = MakeFilled(4, 4, 0xFFFF);
  const SurfaceId dst = MakeFilled(8, 8, Rgb(5, 20, 10));
  BlitRequest r = Tint(TINT_RED, dst, src, Rect{0, 0, 4, 4}, 2, 2, 40);
  EXPECT_EQ(draw->Blit(r), 1);
  EXPECT_EQ(At(dst, 2, 2), Rgb(31, 19, 9));
  EXPECT_EQ(At(dst, 5, 5), Rgb(31, 19, 9));
  EXPECT_EQ(At(dst, 6, 6), Rgb(5, 20, 10));
}

TEST_F(EffectsTest, NamedChannelGainsLevelLessOne) {
  const SurfaceId src = MakeFilled(2, 2, 0xFFFF);
  const SurfaceId dst = MakeFilled(2, 2, Rgb(3, 3, 3));
  BlitRequest green = Tint(TINT_GREEN, dst, src, Rect{0, 0, 1, 1}, 0, 0, 10);
  draw->Blit(green);
  BlitRequest blue = Tint(TINT_BLUE, dst, src, Rect{0, 0, 1, 1}, 1, 1, 7);
  draw->Blit(blue);
  BlitRequest none = Tint(0x00, dst, src, Rect{0, 0, 1, 1}, 1, 0, 90);
  draw->Blit(none);
  EXPECT_EQ(At(dst, 0, 0), Rgb(2, 12, 2));
  EXPECT_EQ(At(dst, 1, 1), Rgb(2, 2, 9));
  EXPECT_EQ(At(dst, 1, 0), Rgb(2, 2, 2));
}

TEST_F(EffectsTest, TintSkipsBlackSourceAndDrawsBlueOne) {
  const SurfaceId src = Make(2, 1);
  Load(src, 2, 1, {0x0000, 0x0001});
  const SurfaceId dst = MakeFilled(2, 1, Rgb(5, 20, 10));
  BlitRequest r = Tint(TINT_RED, dst, src, Rect{0, 0, 2, 1}, 0, 0, 0);
  draw->Blit(r);
  EXPECT_EQ(At(dst, 0, 0), Rgb(5, 20, 10));
  EXPECT_EQ(At(dst, 1, 0), 0);
}

TEST_F(EffectsTest, TintLevelAbove127ActsAs127) {
  const SurfaceId src = MakeFilled(1, 1, Rgb(0, 0, 1));
  const SurfaceId dst = MakeFilled(1, 1, 0);
  BlitRequest r = Tint(TINT_GREEN, dst, src, Rect{0, 0, 1, 1}, 0, 0, 255);
  draw->Blit(r);
  EXPECT_EQ(At(dst, 0, 0), Rgb(0, 63, 0));
}

TEST_F(EffectsTest, TintClipsTheRequestInPlace) {
  const SurfaceId src = MakeFilled(10, 10, 0xFFFF);
  const SurfaceId dst = MakeFilled(20, 20, Rgb(5, 20, 10));
  BlitRequest r = Tint(TINT_RED, dst, src, Rect{0, 0, 10, 10}, -4, 15, 40);
  EXPECT_EQ(draw->Blit(r), 1);
  EXPECT_EQ(r.x, 0);
  EXPECT_EQ(r.SrcRect.left, 4);
  EXPECT_EQ(r.SrcRect.bottom, 5);
  EXPECT_EQ(At(dst, 5, 19), Rgb(31, 19, 9));
  EXPECT_EQ(At(dst, 6, 19), Rgb(5, 20, 10));
  EXPECT_EQ(At(dst, 0, 14), Rgb(5, 20, 10));
}

TEST_F(EffectsTest, TintReachingOutsideItsSlotStaysInside) {
  const SurfaceId src = MakeFilled(40, 40, 0xFFFF);
  const SurfaceId dst = MakeCanvas(20, 10);
  for (int x : {-30, -5, 0, 10, 19, 20}) {
    for (int y : {-30, -5, 0, 5, 9, 10}) {
      BlitRequest r = Tint(TINT_BLUE, dst, src, Rect{-10, -10, 60, 60}, x, y, 100);
      draw->Blit(r);
    }
  }
  EXPECT_EQ(CanaryDamage(dst), 0);
  EXPECT_NE(InSlot(dst, 19, 9), 0);
}

}  // namespace
