// Surfaces and the screen: the copies, fills and stretches every picture of the game goes through,
// and the frames it shows.
#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "platform/screen.h"
#include "platform/surface.h"
#include "tests/support/headless.h"

namespace {

constexpr Pixel kRed = 0xF800;
constexpr Pixel kGreen = 0x07E0;
constexpr Pixel kBlue = 0x001F;
constexpr Pixel kGuard = 0x1234;

Pixel At(const Surface& s, int x, int y) {
  return s.Pixels()[y * s.Width() + x];
}

Rect Whole(const Surface& s) {
  return Rect{0, 0, s.Width(), s.Height()};
}

// Each pixel a different value, so a copy shows where every pixel came from.
void Number(Surface& s) {
  for (int i = 0; i < s.Width() * s.Height(); ++i) s.Pixels()[i] = static_cast<Pixel>(i + 1);
}

int CountOf(const Surface& s, Pixel value) {
  int n = 0;
  for (int i = 0; i < s.Width() * s.Height(); ++i) n += s.Pixels()[i] == value;
  return n;
}

TEST(SurfaceMaking, NewSurfacesAreBlackAndBadSizesMakeNoPicture) {
  Surface s(100, 30);
  ASSERT_TRUE(s);
  EXPECT_EQ(s.Width(), 100);
  EXPECT_EQ(s.Height(), 30);
  EXPECT_EQ(CountOf(s, 0), 3000);
  EXPECT_FALSE(s.HasKey());
  for (const auto& size : {std::pair{-1, 30}, std::pair{30, 0}, std::pair{INT_MAX, INT_MAX}}) {
    Surface bad(size.first, size.second);
    EXPECT_FALSE(bad);
    EXPECT_EQ(bad.Width(), 0);
    EXPECT_EQ(bad.Height(), 0);
  }
  // Copies onto or from no picture draw nothing.
  Surface none;
  none.CopyFrom({0, 0}, s, Whole(s));
  none.Fill(kRed);
  s.Fill(kGuard);
  s.CopyFrom({0, 0}, none, Rect{0, 0, 10, 10});
  s.StretchFrom(Whole(s), none, Rect{0, 0, 10, 10});
  EXPECT_EQ(CountOf(s, kGuard), 3000);
}

TEST(SurfaceCopy, PlainCopyLandsAtTargetPosition) {
  Surface src(8, 8), dst(16, 16);
  Number(src);
  dst.Fill(kGuard);
  dst.CopyFrom({5, 7}, src, Rect{2, 3, 6, 5});
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      bool inside = x >= 5 && x < 9 && y >= 7 && y < 9;
      Pixel want = inside ? At(src, x - 5 + 2, y - 7 + 3) : kGuard;
      ASSERT_EQ(At(dst, x, y), want) << x << "," << y;
    }
  }
}

TEST(SurfaceCopy, KeyedCopySkipsKeyPixelsOnlyWhenAsked) {
  Surface src(4, 1), dst(4, 1);
  src.Pixels()[1] = kRed;
  src.Pixels()[3] = kBlue;
  src.SetKey(0);
  EXPECT_TRUE(src.HasKey());
  EXPECT_EQ(src.Key(), 0);
  dst.Fill(kGreen);
  dst.CopyFrom({0, 0}, src, Whole(src), kKeyed);
  const Pixel keyed[] = {kGreen, kRed, kGreen, kBlue};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(At(dst, x, 0), keyed[x]);
  dst.CopyFrom({0, 0}, src, Whole(src));
  EXPECT_EQ(At(dst, 0, 0), 0);
  EXPECT_EQ(At(dst, 2, 0), 0);
}

TEST(SurfaceCopy, SurfaceWithoutAKeyCopiesEverythingEvenKeyed) {
  Surface src(2, 1), dst(2, 1);
  dst.Fill(kGreen);
  dst.CopyFrom({0, 0}, src, Whole(src), kKeyed);
  dst.StretchFrom(Whole(dst), src, Whole(src), kKeyed);
  EXPECT_EQ(CountOf(dst, 0), 2);
}

TEST(SurfaceCopy, RectanglesOutsideEitherSurfaceAreClippedNeverWritten) {
  Surface src(10, 10);
  Number(src);
  struct Case {
    Point at;
    Rect r;
  };
  const Case cases[] = {
      {{-5, -5}, {0, 0, 10, 10}},
      {{6, 6}, {0, 0, 10, 10}},
      {{0, 0}, {-4, -4, 20, 20}},
      {{-100, 0}, {0, 0, 10, 10}},
      {{0, 100}, {0, 0, 10, 10}},
      {{2, 2}, {5, 5, 3, 3}},
      {{0, 0}, {12, 12, 20, 20}},
      {{3, -2}, {8, 0, 14, 10}},
      {{INT32_MAX - 2, 0}, {0, 0, 10, 10}},
      {{INT32_MIN, INT32_MIN}, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}},
  };
  for (const Case& c : cases) {
    Surface dst(8, 8);
    dst.Fill(kGuard);
    dst.CopyFrom(c.at, src, c.r);
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        Pixel v = At(dst, x, y);
        if (v == kGuard) continue;
        // Any pixel written must be the one the unclipped copy would have put there.
        int64_t sx = int64_t{x} - c.at.x + c.r.left, sy = int64_t{y} - c.at.y + c.r.top;
        ASSERT_TRUE(sx >= 0 && sx < 10 && sy >= 0 && sy < 10) << c.at.x << "," << c.at.y;
        ASSERT_EQ(v, At(src, static_cast<int>(sx), static_cast<int>(sy)));
      }
    }
  }
}

TEST(SurfaceCopy, PartlyOffscreenCopyKeepsTheVisiblePart) {
  Surface src(10, 10), dst(8, 8);
  Number(src);
  dst.CopyFrom({-3, 5}, src, Whole(src));
  EXPECT_EQ(At(dst, 0, 5), At(src, 3, 0));
  EXPECT_EQ(At(dst, 6, 7), At(src, 9, 2));
  EXPECT_EQ(At(dst, 7, 7), 0);
}

TEST(SurfaceCopy, OverlappingCopyWithinOneSurfaceReadsTheOldPixels) {
  Surface s(6, 1);
  Number(s);  // 1 2 3 4 5 6
  s.CopyFrom({2, 0}, s, Rect{0, 0, 4, 1});
  const Pixel want[] = {1, 2, 1, 2, 3, 4};
  for (int x = 0; x < 6; ++x) EXPECT_EQ(At(s, x, 0), want[x]);
}

TEST(SurfaceFill, FillsRectangleAndClipsIt) {
  Surface s(10, 10);
  s.Fill(Rect{-5, 8, 3, 20}, kRed);
  EXPECT_EQ(CountOf(s, kRed), 3 * 2);
  EXPECT_EQ(At(s, 0, 8), kRed);
  EXPECT_EQ(At(s, 2, 9), kRed);
  EXPECT_EQ(At(s, 3, 9), 0);
  s.Fill(Rect{6, 6, 2, 2}, kBlue);
  s.Fill(Rect{INT32_MIN, INT32_MIN, INT32_MIN + 5, INT32_MAX}, kBlue);
  EXPECT_EQ(CountOf(s, kBlue), 0);
  s.Fill(kBlue);
  EXPECT_EQ(CountOf(s, kBlue), 100);
}

TEST(SurfaceStretch, PopInSizesKeepBottomAndSkipKey) {
  // A 100 x 100 node picture: a keyed border of 10 pixels round a red body, as the map uses.
  Surface src(100, 100);
  src.Fill(Rect{10, 10, 90, 90}, kRed);
  src.SetKey(0);
  const int sizes[][2] = {{20, 60}, {60, 80}, {110, 95}, {130, 85}, {106, 97}, {100, 100}};
  for (const auto& size : sizes) {
    const int w = size[0], h = size[1];
    Surface dst(200, 200);
    dst.Fill(kGuard);
    const int cx = 100, cy = 100;
    const Rect to{cx - w / 2, cy - (h - 50), cx + w / 2, cy + 50};
    dst.StretchFrom(to, src, Whole(src), kKeyed);
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
  Surface src(10, 10), dst(10, 10);
  Number(src);
  dst.StretchFrom(Whole(dst), src, Whole(src));
  for (int i = 0; i < 100; ++i) ASSERT_EQ(dst.Pixels()[i], src.Pixels()[i]);
}

TEST(SurfaceStretch, DoublingRepeatsEachPixel) {
  Surface src(2, 1), dst(4, 2);
  src.Pixels()[0] = kRed;
  src.Pixels()[1] = kBlue;
  dst.StretchFrom(Whole(dst), src, Whole(src));
  const Pixel want[] = {kRed, kRed, kBlue, kBlue};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(At(dst, x, y), want[x]);
  }
}

TEST(SurfaceStretch, ZeroOrNegativeSizesAndOffscreenTargetsDrawNothing) {
  Surface src(10, 10), dst(20, 20);
  src.Fill(kRed);
  dst.Fill(kGuard);
  const Rect targets[] = {
      {5, 5, 5, 15}, {5, 5, 15, 5}, {15, 5, 5, 15}, {30, 30, 40, 40}, {-20, 0, -1, 10}};
  for (const Rect& to : targets) dst.StretchFrom(to, src, Whole(src), kKeyed);
  dst.StretchFrom(Rect{0, 0, 10, 10}, src, Rect{3, 3, 3, 3});
  EXPECT_EQ(CountOf(dst, kGuard), 400);
}

TEST(SurfaceStretch, TargetHangingOverTheEdgeIsClipped) {
  Surface src(10, 10), dst(20, 20);
  Number(src);
  dst.StretchFrom(Rect{-10, 15, 10, 35}, src, Whole(src));  // 20 x 20: each source pixel twice
  EXPECT_EQ(At(dst, 0, 15), At(src, 5, 0));
  EXPECT_EQ(At(dst, 9, 19), At(src, 9, 2));
  EXPECT_EQ(At(dst, 10, 15), 0);
}

TEST(SurfaceStretch, SourceRectangleBeyondTheSourceReadsNothingOutside) {
  Surface src(4, 4), dst(8, 8);
  src.Fill(kRed);
  dst.Fill(kGuard);
  dst.StretchFrom(Whole(dst), src, Rect{-4, -4, 8, 8});
  // Only the middle third of each side maps onto the real source.
  EXPECT_EQ(At(dst, 0, 0), kGuard);
  EXPECT_EQ(At(dst, 4, 4), kRed);
  EXPECT_EQ(At(dst, 7, 7), kGuard);
}

// The headless backend, keeping the part of each frame the screen said had changed.
class ChangeRecorder : public HeadlessBackend {
 public:
  void ShowPrimary(const uint16_t* pixels, int width, int height, bool isPresent,
                   const ScreenRect* changed) override {
    HeadlessBackend::ShowPrimary(pixels, width, height, isPresent, changed);
    known.push_back(changed != nullptr);
    if (changed != nullptr) parts.push_back(*changed);
  }
  std::vector<bool> known;
  std::vector<ScreenRect> parts;
};

class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override { SetBackend(&recorder_); }
  void TearDown() override { SetBackend(&TestBackend()); }
  ChangeRecorder recorder_;
};

TEST_F(ScreenTest, OpeningShowsABlackScreenInTheWindowAndClosingForgetsIt) {
  Screen screen;
  EXPECT_FALSE(screen.IsOpen());
  ASSERT_TRUE(screen.Open());
  EXPECT_TRUE(recorder_.WindowOpen());
  ASSERT_EQ(screen.Shown().Width(), SCREEN_W);
  ASSERT_EQ(screen.Shown().Height(), SCREEN_H);
  EXPECT_EQ(CountOf(screen.Shown(), 0), SCREEN_W * SCREEN_H);
  screen.Close();
  EXPECT_FALSE(screen.IsOpen());
  EXPECT_FALSE(recorder_.WindowOpen());
  EXPECT_FALSE(screen.Shown());
  recorder_.SetDisplayAvailable(false);
  EXPECT_FALSE(screen.Open());
  EXPECT_FALSE(screen.IsOpen());
}

TEST_F(ScreenTest, PresentShowsTheFrameAndNamesThePartThatChanged) {
  Screen screen;
  ASSERT_TRUE(screen.Open());
  Surface frame(SCREEN_W, SCREEN_H);
  frame.Fill(kBlue);
  frame.Pixels()[SCREEN_W * SCREEN_H - 1] = kRed;
  screen.Present(frame);
  EXPECT_EQ(recorder_.PresentCount(), 1);
  ASSERT_EQ(recorder_.PrimaryWidth(), SCREEN_W);
  ASSERT_EQ(recorder_.PrimaryHeight(), SCREEN_H);
  EXPECT_EQ(recorder_.PrimaryPixels()[0], kBlue);
  EXPECT_EQ(recorder_.PrimaryPixels()[SCREEN_W * SCREEN_H - 1], kRed);
  EXPECT_EQ(At(screen.Shown(), SCREEN_W - 1, SCREEN_H - 1), kRed);
  // A few pixels changed, then none.
  frame.Fill(Rect{101, 53, 118, 62}, kGreen);
  screen.Present(frame);
  screen.Present(frame);
  EXPECT_EQ(recorder_.PresentCount(), 3);
  ASSERT_EQ(recorder_.parts.size(), 3u);
  auto xywh = [](const ScreenRect& r) { return std::vector<int>{r.x, r.y, r.w, r.h}; };
  EXPECT_EQ(xywh(recorder_.parts[0]), (std::vector<int>{0, 0, SCREEN_W, SCREEN_H}));
  EXPECT_EQ(xywh(recorder_.parts[1]), (std::vector<int>{101, 53, 17, 9}));
  EXPECT_TRUE(recorder_.parts[2].Empty());
  EXPECT_EQ(At(screen.Shown(), 101, 53), kGreen);
}

TEST_F(ScreenTest, FillShowsAtOnceButIsNoPresent) {
  Screen screen;
  ASSERT_TRUE(screen.Open());
  screen.ShowFill(kGreen);
  EXPECT_EQ(recorder_.PresentCount(), 0);
  EXPECT_EQ(recorder_.PrimaryPixels().at(0), kGreen);
  EXPECT_EQ(CountOf(screen.Shown(), kGreen), SCREEN_W * SCREEN_H);
  EXPECT_EQ(recorder_.known, std::vector<bool>{false});
}

TEST_F(ScreenTest, NothingReachesAClosedScreenNorFromAFrameOfTheWrongSize) {
  Screen screen;
  Surface frame(SCREEN_W, SCREEN_H), small(10, 10);
  frame.Fill(kRed);
  screen.Present(frame);
  screen.ShowFill(kRed);
  ASSERT_TRUE(screen.Open());
  screen.Present(small);
  // Surfaces copied onto each other never reach the screen either.
  frame.CopyFrom({0, 0}, small, Whole(small));
  EXPECT_EQ(recorder_.PresentCount(), 0);
  EXPECT_TRUE(recorder_.PrimaryPixels().empty());
  EXPECT_EQ(CountOf(screen.Shown(), 0), SCREEN_W * SCREEN_H);
}

}  // namespace
