// Surfaces: the copies, fills and stretches every picture of the game goes through.
#include <gtest/gtest.h>

#include "platform/ddraw.h"
#include "tests/support/headless.h"

namespace {

constexpr uint16_t kRed = 0xF800;
constexpr uint16_t kGreen = 0x07E0;
constexpr uint16_t kBlue = 0x001F;
constexpr uint16_t kGuard = 0x1234;

uint16_t At(const DirectDrawSurface& s, int x, int y) {
  return s.Pixels()[y * s.Width() + x];
}

void Fill(DirectDrawSurface& s, uint16_t color) {
  s.Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, color);
}

// Each pixel a different value, so a copy shows where every pixel came from.
void Number(DirectDrawSurface& s) {
  for (int i = 0; i < s.Width() * s.Height(); ++i) s.Pixels()[i] = static_cast<uint16_t>(i + 1);
}

int CountOf(const DirectDrawSurface& s, uint16_t value) {
  int n = 0;
  for (int i = 0; i < s.Width() * s.Height(); ++i) n += s.Pixels()[i] == value;
  return n;
}

void SetKey(DirectDrawSurface& s, uint16_t key) {
  DDCOLORKEY ck{key, key};
  s.SetColorKey(DDCKEY_SRCBLT, &ck);
}

TEST(SurfaceCopy, PlainCopyLandsAtTargetPosition) {
  DirectDrawSurface src(8, 8, false), dst(16, 16, false);
  Number(src);
  Fill(dst, kGuard);
  RECT r{2, 3, 6, 5};
  ASSERT_EQ(dst.BltFast(5, 7, &src, &r, DDBLTFAST_WAIT), DD_OK);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      bool inside = x >= 5 && x < 9 && y >= 7 && y < 9;
      uint16_t want = inside ? At(src, x - 5 + 2, y - 7 + 3) : kGuard;
      ASSERT_EQ(At(dst, x, y), want) << x << "," << y;
    }
  }
}

TEST(SurfaceCopy, KeyedCopySkipsKeyPixelsOnlyWhenAsked) {
  DirectDrawSurface src(4, 1, false), dst(4, 1, false);
  src.Pixels()[0] = 0;
  src.Pixels()[1] = kRed;
  src.Pixels()[2] = 0;
  src.Pixels()[3] = kBlue;
  SetKey(src, 0);
  Fill(dst, kGreen);
  dst.BltFast(0, 0, &src, nullptr, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT);
  EXPECT_EQ(At(dst, 0, 0), kGreen);
  EXPECT_EQ(At(dst, 1, 0), kRed);
  EXPECT_EQ(At(dst, 2, 0), kGreen);
  EXPECT_EQ(At(dst, 3, 0), kBlue);
  dst.BltFast(0, 0, &src, nullptr, DDBLTFAST_NOCOLORKEY);
  EXPECT_EQ(At(dst, 0, 0), 0);
  EXPECT_EQ(At(dst, 2, 0), 0);
}

TEST(SurfaceCopy, RemovedKeyCopiesEverything) {
  DirectDrawSurface src(2, 1, false), dst(2, 1, false);
  SetKey(src, 0);
  EXPECT_TRUE(src.HasColorKey());
  src.SetColorKey(DDCKEY_SRCBLT, nullptr);
  EXPECT_FALSE(src.HasColorKey());
  Fill(dst, kGreen);
  dst.BltFast(0, 0, &src, nullptr, DDBLTFAST_SRCCOLORKEY);
  EXPECT_EQ(CountOf(dst, 0), 2);
}

TEST(SurfaceCopy, RectanglesOutsideEitherSurfaceAreClippedNeverWritten) {
  DirectDrawSurface src(10, 10, false);
  Number(src);
  struct Case {
    int x, y;
    RECT r;
  };
  const Case cases[] = {
      {-5, -5, {0, 0, 10, 10}},
      {6, 6, {0, 0, 10, 10}},
      {0, 0, {-4, -4, 20, 20}},
      {-100, 0, {0, 0, 10, 10}},
      {0, 100, {0, 0, 10, 10}},
      {2, 2, {5, 5, 3, 3}},
      {0, 0, {12, 12, 20, 20}},
      {3, -2, {8, 0, 14, 10}},
      {INT32_MAX - 2, 0, {0, 0, 10, 10}},
      {INT32_MIN, INT32_MIN, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}},
  };
  for (const Case& c : cases) {
    DirectDrawSurface dst(8, 8, false);
    Fill(dst, kGuard);
    dst.BltFast(c.x, c.y, &src, &c.r, 0);
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        uint16_t v = At(dst, x, y);
        if (v == kGuard) continue;
        // Any pixel written must be the one the unclipped copy would have put there.
        int64_t sx = int64_t{x} - c.x + c.r.left, sy = int64_t{y} - c.y + c.r.top;
        ASSERT_TRUE(sx >= 0 && sx < 10 && sy >= 0 && sy < 10) << c.x << "," << c.y;
        ASSERT_EQ(v, At(src, static_cast<int>(sx), static_cast<int>(sy)));
      }
    }
  }
}

TEST(SurfaceCopy, PartlyOffscreenCopyKeepsTheVisiblePart) {
  DirectDrawSurface src(10, 10, false), dst(8, 8, false);
  Number(src);
  dst.BltFast(-3, 5, &src, nullptr, 0);
  EXPECT_EQ(At(dst, 0, 5), At(src, 3, 0));
  EXPECT_EQ(At(dst, 6, 7), At(src, 9, 2));
  EXPECT_EQ(At(dst, 7, 7), 0);
}

TEST(SurfaceCopy, OverlappingCopyWithinOneSurfaceReadsTheOldPixels) {
  DirectDrawSurface s(6, 1, false);
  Number(s);  // 1 2 3 4 5 6
  RECT r{0, 0, 4, 1};
  s.BltFast(2, 0, &s, &r, 0);
  const uint16_t want[] = {1, 2, 1, 2, 3, 4};
  for (int x = 0; x < 6; ++x) EXPECT_EQ(At(s, x, 0), want[x]);
}

TEST(SurfaceFill, FillsRectangleAndClipsIt) {
  DirectDrawSurface s(10, 10, false);
  RECT r{-5, 8, 3, 20};
  s.Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, kRed);
  EXPECT_EQ(CountOf(s, kRed), 3 * 2);
  EXPECT_EQ(At(s, 0, 8), kRed);
  EXPECT_EQ(At(s, 2, 9), kRed);
  EXPECT_EQ(At(s, 3, 9), 0);
  RECT inverted{6, 6, 2, 2};
  s.Blt(&inverted, nullptr, nullptr, DDBLT_COLORFILL, kBlue);
  EXPECT_EQ(CountOf(s, kBlue), 0);
  s.Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, kBlue);
  EXPECT_EQ(CountOf(s, kBlue), 100);
}

TEST(SurfaceStretch, PopInSizesKeepBottomAndSkipKey) {
  // A 100 x 100 node picture: a keyed border of 10 pixels round a red body, as the map uses.
  DirectDrawSurface src(100, 100, false);
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) {
      bool body = x >= 10 && x < 90 && y >= 10 && y < 90;
      src.Pixels()[y * 100 + x] = body ? kRed : 0;
    }
  }
  SetKey(src, 0);
  const int sizes[][2] = {{20, 60}, {60, 80}, {110, 95}, {130, 85}, {106, 97}, {100, 100}};
  for (const auto& size : sizes) {
    const int w = size[0], h = size[1];
    DirectDrawSurface dst(200, 200, false);
    Fill(dst, kGuard);
    const int cx = 100, cy = 100;
    RECT to{cx - w / 2, cy - (h - 50), cx + w / 2, cy + 50};
    RECT from{0, 0, 100, 100};
    dst.Blt(&to, &src, &from, DDBLT_KEYSRC | DDBLT_WAIT);
    int red = CountOf(dst, kRed);
    // The body covers 80% of each side, whatever the scale.
    EXPECT_NEAR(red, (w * 8 / 10) * (h * 8 / 10), w + h) << w << "x" << h;
    EXPECT_EQ(red + CountOf(dst, kGuard), 200 * 200) << "key pixels must not be drawn";
    for (int y = 0; y < 200; ++y) {
      for (int x = 0; x < 200; ++x) {
        if (At(dst, x, y) != kRed) continue;
        ASSERT_TRUE(x >= to.left && x < to.right && y >= to.top && y < to.bottom);
      }
    }
  }
}

TEST(SurfaceStretch, SameSizeIsAnExactCopy) {
  DirectDrawSurface src(10, 10, false), dst(10, 10, false);
  Number(src);
  RECT r{0, 0, 10, 10};
  dst.Blt(&r, &src, &r, 0);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(dst.Pixels()[i], src.Pixels()[i]);
}

TEST(SurfaceStretch, DoublingRepeatsEachPixel) {
  DirectDrawSurface src(2, 1, false), dst(4, 2, false);
  src.Pixels()[0] = kRed;
  src.Pixels()[1] = kBlue;
  dst.Blt(nullptr, &src, nullptr, 0);
  const uint16_t want[] = {kRed, kRed, kBlue, kBlue};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(At(dst, x, y), want[x]);
  }
}

TEST(SurfaceStretch, ZeroOrNegativeSizesAndOffscreenTargetsDrawNothing) {
  DirectDrawSurface src(10, 10, false), dst(20, 20, false);
  Fill(src, kRed);
  Fill(dst, kGuard);
  const RECT targets[] = {
      {5, 5, 5, 15}, {5, 5, 15, 5}, {15, 5, 5, 15}, {30, 30, 40, 40}, {-20, 0, -1, 10}};
  for (const RECT& to : targets) dst.Blt(&to, &src, nullptr, DDBLT_KEYSRC);
  RECT empty{3, 3, 3, 3};
  RECT to{0, 0, 10, 10};
  dst.Blt(&to, &src, &empty, 0);
  EXPECT_EQ(CountOf(dst, kGuard), 400);
}

TEST(SurfaceStretch, TargetHangingOverTheEdgeIsClipped) {
  DirectDrawSurface src(10, 10, false), dst(20, 20, false);
  Number(src);
  RECT to{-10, 15, 10, 35};  // 20 x 20: each source pixel twice
  dst.Blt(&to, &src, nullptr, 0);
  EXPECT_EQ(At(dst, 0, 15), At(src, 5, 0));
  EXPECT_EQ(At(dst, 9, 19), At(src, 9, 2));
  EXPECT_EQ(At(dst, 10, 15), 0);
}

TEST(SurfaceStretch, SourceRectangleBeyondTheSourceReadsNothingOutside) {
  DirectDrawSurface src(4, 4, false), dst(8, 8, false);
  Fill(src, kRed);
  Fill(dst, kGuard);
  RECT from{-4, -4, 8, 8};
  dst.Blt(nullptr, &src, &from, 0);
  // Only the middle third of each side maps onto the real source.
  EXPECT_EQ(At(dst, 0, 0), kGuard);
  EXPECT_EQ(At(dst, 4, 4), kRed);
  EXPECT_EQ(At(dst, 7, 7), kGuard);
}

TEST(SurfaceLock, GivesFirstPixelAndPitchInBytes) {
  DirectDrawSurface s(37, 5, false);
  void* bits = nullptr;
  int32_t pitch = 0;
  ASSERT_EQ(s.Lock(&bits, &pitch), DD_OK);
  EXPECT_EQ(pitch, 74);
  auto* row2 = reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(bits) + 2 * pitch);
  row2[3] = kGreen;
  s.Unlock();
  EXPECT_EQ(At(s, 3, 2), kGreen);
}

class PrimarySurface : public ::testing::Test {
 protected:
  void SetUp() override { TestBackend().Reset(); }
};

TEST_F(PrimarySurface, WholeFrameCopyIsAPresentAndShowsThePicture) {
  DirectDrawSurface primary(640, 480, true), back(640, 480, false);
  Fill(back, kBlue);
  back.Pixels()[479 * 640 + 639] = kRed;
  RECT all{0, 0, 640, 480};
  primary.BltFast(0, 0, &back, &all, DDBLTFAST_WAIT);
  EXPECT_EQ(TestBackend().PresentCount(), 1);
  ASSERT_EQ(TestBackend().PrimaryWidth(), 640);
  ASSERT_EQ(TestBackend().PrimaryHeight(), 480);
  EXPECT_EQ(TestBackend().PrimaryPixels()[0], kBlue);
  EXPECT_EQ(TestBackend().PrimaryPixels()[479 * 640 + 639], kRed);
}

TEST_F(PrimarySurface, FillAndPartialCopyShowButAreNotPresents) {
  DirectDrawSurface primary(640, 480, true), small(10, 10, false);
  primary.Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, kGreen);
  EXPECT_EQ(TestBackend().PresentCount(), 0);
  EXPECT_EQ(TestBackend().PrimaryPixels().at(0), kGreen);
  primary.BltFast(0, 0, &small, nullptr, 0);
  EXPECT_EQ(TestBackend().PresentCount(), 0);
  EXPECT_EQ(TestBackend().PrimaryPixels().at(0), 0);
}

TEST_F(PrimarySurface, OffscreenSurfacesNeverReachTheScreen) {
  DirectDrawSurface back(640, 480, false), other(640, 480, false);
  back.BltFast(0, 0, &other, nullptr, 0);
  EXPECT_EQ(TestBackend().PresentCount(), 0);
  EXPECT_TRUE(TestBackend().PrimaryPixels().empty());
}

TEST(DirectDrawObject, DisplayOpensTheWindowAndMakesSurfaces) {
  TestBackend().Reset();
  LPDIRECTDRAW dd = nullptr;
  ASSERT_EQ(DirectDrawCreate(&dd), DD_OK);
  ASSERT_EQ(dd->SetDisplayMode(640, 480, 16), DD_OK);
  EXPECT_TRUE(TestBackend().WindowOpen());
  LPDIRECTDRAWSURFACE primary = nullptr, back = nullptr, bad = nullptr;
  dd->CreatePrimarySurface(&primary);
  ASSERT_NE(primary, nullptr);
  EXPECT_TRUE(primary->IsPrimary());
  EXPECT_EQ(primary->Width(), 640);
  ASSERT_EQ(dd->CreateSurface(100, 30, &back), DD_OK);
  EXPECT_FALSE(back->IsPrimary());
  EXPECT_EQ(back->Width(), 100);
  EXPECT_EQ(back->Height(), 30);
  EXPECT_EQ(CountOf(*back, 0), 3000) << "new surfaces start black";
  EXPECT_NE(dd->CreateSurface(-1, 30, &bad), DD_OK);
  EXPECT_EQ(bad, nullptr);
  back->Release();
  dd->RestoreDisplayMode();
  dd->Release();  // also frees the primary, which was never released by hand
  EXPECT_FALSE(TestBackend().WindowOpen());
}

}  // namespace
