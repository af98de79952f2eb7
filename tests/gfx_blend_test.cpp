// Copies and blends onto the back buffer (kinds 0 and 1): clipping, the three mixes, transparency,
// and the row kernels held to the lookup tables over every channel value.
#include <string>

#include "gfx/pixel_mix.h"
#include "tests/gfx_fixture.h"

using namespace gfxtest;

namespace {

class BlendTest : public GfxTest {
 protected:
  void SetUp() override {
    GfxTest::SetUp();
    frame = Make(640, 1000);  // slot 0 bounds every request, as FrameId does in the game
  }
  // A source whose column x holds a pixel telling x (never zero).
  SurfaceId MakeColumns(int width, int height) {
    const SurfaceId id = Make(width, height);
    std::vector<uint16_t> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) pixels[static_cast<size_t>(y) * width + x] = ColumnPixel(x);
    }
    Load(id, width, height, pixels);
    return id;
  }
  static uint16_t ColumnPixel(int x) { return static_cast<uint16_t>(x + 1); }
  SurfaceId frame = -1;
};

TEST_F(BlendTest, RescueWindowPushedLeftShowsItsRightPart) {
  const SurfaceId src = MakeColumns(540, 140);
  BlitRequest r = Request(BLIT_BLEND | BLEND_ADD, src, Rect{0, 0, 540, 140}, -100, 10);
  r.Level = 255;
  EXPECT_EQ(draw->Blit(r), 0);
  EXPECT_EQ(r.x, 0);
  EXPECT_EQ(r.SrcRect.left, 100);
  EXPECT_EQ(r.SrcRect.right, 540);
  // Adding onto black at full level: (s * 255) >> 8 of each channel.
  auto added = [&](uint16_t s) {
    return Rgb(draw->MulTable[Red(s)][255], draw->MulTable[Green(s)][255],
               draw->MulTable[Blue(s)][255]);
  };
  EXPECT_EQ(Back(0, 10), added(ColumnPixel(100)));
  EXPECT_EQ(Back(439, 149), added(ColumnPixel(539)));
  EXPECT_EQ(Back(440, 10), 0);
  EXPECT_EQ(Back(0, 150), 0);
}

TEST_F(BlendTest, RequestJustPastTheLeftEdgeDrawsNothing) {
  const SurfaceId src = MakeFilled(540, 140, 0xFFFF);
  BlitRequest r = Request(BLIT_BLEND, src, Rect{0, 0, 540, 140}, -540, 0);
  r.Level = 255;
  EXPECT_EQ(draw->Blit(r), 1);
  EXPECT_EQ(r.x, -540);
  EXPECT_EQ(r.SrcRect.left, 0);
  int lit = 0;
  for (int y = 0; y < 480; ++y) lit += Back(0, y) != 0;
  EXPECT_EQ(lit, 0);
}

TEST_F(BlendTest, RequestOneColumnInsideDrawsOneColumn) {
  const SurfaceId src = MakeColumns(540, 140);
  BlitRequest r = Request(BLIT_COPY | 0x10, src, Rect{0, 0, 540, 140}, -539, 0);
  EXPECT_EQ(draw->Blit(r), 0);
  EXPECT_EQ(r.SrcRect.left, 539);
  EXPECT_EQ(Back(0, 0), ColumnPixel(539));
  EXPECT_EQ(Back(0, 139), ColumnPixel(539));
  EXPECT_EQ(Back(1, 0), 0);
}

TEST_F(BlendTest, RequestsPastRightAndBottomAreCutOrDropped) {
  const SurfaceId src = MakeFilled(100, 100, 0x0841);
  BlitRequest cut = Request(BLIT_COPY, src, Rect{0, 0, 100, 100}, 600, 0);
  EXPECT_EQ(draw->Blit(cut), 0);
  EXPECT_EQ(cut.SrcRect.right, 40);
  BlitRequest atEdge = Request(BLIT_COPY, src, Rect{0, 0, 100, 100}, 640, 0);
  EXPECT_EQ(draw->Blit(atEdge), 0);
  EXPECT_EQ(atEdge.SrcRect.right, 0);
  BlitRequest past = Request(BLIT_COPY, src, Rect{0, 0, 100, 100}, 641, 0);
  EXPECT_EQ(draw->Blit(past), 1);
  BlitRequest below = Request(BLIT_COPY, src, Rect{0, 0, 100, 100}, 0, 1001);
  EXPECT_EQ(draw->Blit(below), 1);
  BlitRequest above = Request(BLIT_COPY, src, Rect{0, 20, 100, 100}, 0, -30);
  EXPECT_EQ(draw->Blit(above), 0);
  EXPECT_EQ(above.y, 0);
  EXPECT_EQ(above.SrcRect.top, 50);
}

TEST_F(BlendTest, KeyedCopySkipsBlackAndUnkeyedCopyDrawsIt) {
  const SurfaceId src = Make(2, 1);
  Load(src, 2, 1, {0x0000, 0x0001});
  FillBack(0xAAAA);
  BlitRequest keyed = Request(BLIT_COPY, src, Rect{0, 0, 2, 1}, 10, 10);
  draw->Blit(keyed);
  EXPECT_EQ(Back(10, 10), 0xAAAA);
  EXPECT_EQ(Back(11, 10), 0x0001);
  BlitRequest plain = Request(BLIT_COPY | 0x80, src, Rect{0, 0, 2, 1}, 20, 10);
  draw->Blit(plain);
  EXPECT_EQ(Back(20, 10), 0x0000);
  EXPECT_EQ(Back(21, 10), 0x0001);
}

TEST_F(BlendTest, KeyedCopyHonoursTheSlotsOwnKey) {
  SurfaceId keyFive = -1, noKey = -1;
  ASSERT_TRUE(draw->MakeSurface(&keyFive, 37, 2, 5));
  ASSERT_TRUE(draw->MakeSurface(&noKey, 37, 2, -1));
  std::vector<uint16_t> pixels(37 * 2);
  for (int i = 0; i < 74; ++i)
    pixels[i] = static_cast<uint16_t>(i % 3 == 0 ? 5 : i % 3 == 1 ? 0 : 900 + i);
  Load(keyFive, 37, 2, pixels);
  Load(noKey, 37, 2, pixels);
  FillBack(0xAAAA);
  BlitRequest five = Request(BLIT_COPY, keyFive, Rect{0, 0, 37, 2}, 1, 1);
  EXPECT_EQ(draw->Blit(five), 0);
  BlitRequest plain = Request(BLIT_COPY, noKey, Rect{0, 0, 37, 2}, 1, 3);
  EXPECT_EQ(draw->Blit(plain), 0);
  int wrong = 0;
  for (int i = 0; i < 74; ++i) {
    const int x = 1 + i % 37, y = 1 + i / 37;
    wrong += Back(x, y) != (pixels[i] == 5 ? 0xAAAA : pixels[i]);
    wrong += Back(x, y + 2) != pixels[i];
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(Back(0, 1), 0xAAAA);
  EXPECT_EQ(Back(38, 1), 0xAAAA);
}

TEST_F(BlendTest, AlphaAtItsEndsLosesOneStep) {
  const SurfaceId white = MakeFilled(4, 4, Rgb(31, 63, 31));
  FillBack(Rgb(31, 63, 31));
  BlitRequest none = Request(BLIT_BLEND | BLEND_ALPHA, white, Rect{0, 0, 4, 4}, 0, 0);
  none.Level = 0;
  draw->Blit(none);
  EXPECT_EQ(Back(0, 0), Rgb(30, 62, 30));
  FillBack(0);
  BlitRequest full = Request(BLIT_BLEND | BLEND_ALPHA, white, Rect{0, 0, 4, 4}, 0, 0);
  full.Level = 255;
  draw->Blit(full);
  EXPECT_EQ(Back(3, 3), Rgb(30, 62, 30));
}

TEST_F(BlendTest, AddSaturatesAndSubStopsAtBlack) {
  const SurfaceId green = MakeFilled(4, 4, Rgb(0, 63, 0));
  FillBack(Rgb(5, 10, 7));
  BlitRequest add = Request(BLIT_BLEND | BLEND_ADD, green, Rect{0, 0, 4, 4}, 0, 0);
  add.Level = 255;
  draw->Blit(add);
  EXPECT_EQ(Back(0, 0), Rgb(5, 63, 7));
  FillBack(Rgb(5, 10, 7));
  BlitRequest sub = Request(BLIT_BLEND | BLEND_SUB, green, Rect{0, 0, 4, 4}, 0, 0);
  sub.Level = 255;
  draw->Blit(sub);
  EXPECT_EQ(Back(0, 0), Rgb(5, 0, 7));
}

TEST_F(BlendTest, BlackSourceIsTransparentAndBlueOneIsDrawn) {
  const SurfaceId src = Make(2, 1);
  Load(src, 2, 1, {0x0000, 0x0001});
  FillBack(Rgb(10, 20, 10));
  BlitRequest r = Request(BLIT_BLEND | BLEND_ALPHA, src, Rect{0, 0, 2, 1}, 0, 0);
  r.Level = 128;
  draw->Blit(r);
  EXPECT_EQ(Back(0, 0), Rgb(10, 20, 10));
  EXPECT_EQ(Back(1, 0), Rgb(4, 9, 4));
}

TEST_F(BlendTest, UnknownVariantLocksButDrawsNothing) {
  const SurfaceId src = MakeFilled(8, 8, 0xFFFF);
  FillBack(0x1234);
  BlitRequest r = Request(0x31, src, Rect{0, 0, 8, 8}, 0, 0);
  r.Level = 200;
  const int shown = TestBackend().PresentCount();
  EXPECT_EQ(draw->Blit(r), 0);
  EXPECT_EQ(TestBackend().PresentCount(), shown);
  EXPECT_EQ(Back(0, 0), 0x1234);
}

TEST_F(BlendTest, KindsWithoutProcedureReturnOneAtOnce) {
  const SurfaceId src = MakeFilled(8, 8, 0xFFFF);
  for (uint8_t kind : {5, 6, 7, 8, 10, 12, 13, 14, 15}) {
    BlitRequest r = Request(kind, src, Rect{0, 0, 8, 8}, -3, 0);
    EXPECT_EQ(draw->Blit(r), 1) << "kind " << int{kind};
    EXPECT_EQ(r.x, -3);
  }
  EXPECT_EQ(Back(0, 0), 0);
}

TEST_F(BlendTest, RequestsReachingPastTheBackBufferStayInsideIt) {
  // Slot 0 is 1000 rows high, the back buffer 480: the copy and the blend both stop at row 479.
  const SurfaceId src = MakeFilled(100, 100, 0xFFFF);
  BlitRequest copy = Request(BLIT_COPY, src, Rect{0, 0, 100, 100}, 0, 450);
  EXPECT_EQ(draw->Blit(copy), 0);
  BlitRequest blend = Request(BLIT_BLEND | BLEND_ADD, src, Rect{0, 0, 100, 100}, 200, 470);
  blend.Level = 255;
  EXPECT_EQ(draw->Blit(blend), 0);
  EXPECT_EQ(Back(99, 479), 0xFFFF);
  EXPECT_EQ(Back(299, 479), Rgb(30, 62, 30));
}

TEST_F(BlendTest, SourceRectangleOutsideThePictureReadsOnlyThePicture) {
  const SurfaceId src = MakeFilled(10, 10, 0xFFFF);
  BlitRequest r = Request(BLIT_BLEND | BLEND_ADD, src, Rect{-5, -5, 50, 50}, 20, 20);
  r.Level = 255;
  EXPECT_EQ(draw->Blit(r), 0);
  EXPECT_EQ(Back(24, 24), 0);
  EXPECT_EQ(Back(25, 25), Rgb(30, 62, 30));
  EXPECT_EQ(Back(34, 34), Rgb(30, 62, 30));
  EXPECT_EQ(Back(35, 34), 0);
  EXPECT_EQ(Back(34, 35), 0);
  BlitRequest copy = Request(BLIT_COPY, src, Rect{5, 5, 50, 50}, 0, 0);
  EXPECT_EQ(draw->Blit(copy), 0);
  EXPECT_EQ(Back(4, 4), 0xFFFF);
  EXPECT_EQ(Back(5, 5), 0);
}

// The row kernels against the tables, for every level and every pair of channel values, in rows
// of odd length so that the tail of each row is checked too.
TEST_F(BlendTest, RowKernelsMatchTheTablesForEveryChannelValue) {
  std::vector<uint16_t> dst, src;
  for (int d = 0; d < 64; ++d) {
    for (int s = 0; s < 64; ++s) {
      dst.push_back(Rgb(d & 31, d, 31 - (d & 31)));
      src.push_back(Rgb(s & 31, s, (s + 7) & 31));
    }
  }
  dst.push_back(0xFFFF);
  src.push_back(0xFFFF);
  const int64_t n = static_cast<int64_t>(dst.size());  // 4097
  int wrong = 0;
  for (MixKind kind : {MixKind::Alpha, MixKind::Add, MixKind::Sub}) {
    for (unsigned a = 0; a < 256; ++a) {
      std::vector<uint16_t> out = dst;
      MixRow(kind, out.data(), src.data(), n, a);
      for (int64_t i = 0; i < n; ++i) {
        const uint16_t d = dst[i], s = src[i];
        auto mix = [&](int dc, int sc, bool six) {
          const int m = draw->MulTable[sc][a];
          if (kind == MixKind::Alpha) return draw->MulTable[dc][255 - a] + m;
          if (kind == MixKind::Add) return six ? draw->AddTable6[dc][m] : draw->AddTable5[dc][m];
          return six ? draw->SubTable6[dc][m] : draw->SubTable5[dc][m];
        };
        const uint16_t expected =
            s == 0 ? d
                   : Rgb(mix(Red(d), Red(s), false), mix(Green(d), Green(s), true),
                         mix(Blue(d), Blue(s), false));
        wrong += out[i] != expected;
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(BlendTest, DarkenAndTintKernelsMatchTheTables) {
  std::vector<uint16_t> dst, src;
  for (int d = 0; d < 64; ++d) {
    for (int s = 0; s < 64; ++s) {
      dst.push_back(Rgb(d & 31, d, (d * 7) & 31));
      src.push_back(Rgb(s & 31, s, (s * 5) & 31));
    }
  }
  const int64_t n = static_cast<int64_t>(dst.size()) - 3;
  int wrong = 0;
  for (unsigned level = 0; level < 256; ++level) {
    std::vector<uint16_t> out = dst;
    DarkenRow(out.data(), n, level);
    for (int64_t i = 0; i < n; ++i) {
      const int keep = 255 - level;
      wrong += out[i] != Rgb(draw->MulTable[Red(dst[i])][keep], draw->MulTable[Green(dst[i])][keep],
                             draw->MulTable[Blue(dst[i])][keep]);
    }
  }
  for (unsigned k = 0; k < 128; ++k) {
    const unsigned kB = k, kG = (k * 3) & 127, kR = 127 - k;
    std::vector<uint16_t> out = dst;
    TintRow(out.data(), src.data(), n, kB, kG, kR);
    for (int64_t i = 0; i < n; ++i) {
      const uint16_t d = dst[i], s = src[i];
      const uint16_t expected = s == 0 ? d
                                       : Rgb(draw->BiasTable5[Red(d)][Red(s)][kR],
                                             draw->BiasTable6[Green(d)][Green(s)][kG],
                                             draw->BiasTable5[Blue(d)][Blue(s)][kB]);
      wrong += out[i] != expected;
    }
  }
  EXPECT_EQ(wrong, 0);
}

}  // namespace
