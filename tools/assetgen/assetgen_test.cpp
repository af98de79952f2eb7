// The generated pictures as the game will see them: read back through the platform's bitmap
// reader, in RGB565, with black as the transparent key.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/bitmap.h"
#include "tools/assetgen/bmp_writer.h"
#include "tools/assetgen/pictures.h"

namespace assetgen {
namespace {

uint16_t To565(Rgb c) {
  return static_cast<uint16_t>(((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3));
}

double Luma(Rgb c) {
  return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

bool Opaque565(const Canvas& c, int x, int y) {
  return To565(c.Get(x, y)) != 0;
}

// Lowest opaque row and mean x of the opaque pixels in the rows from 46 down, in a 64 cell.
void Feet(const Canvas& c, int left, int top, int* lowest, double* centre) {
  *lowest = -1;
  double sum = 0;
  int count = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      if (Opaque565(c, left + x, top + y)) {
        *lowest = std::max(*lowest, y);
        if (y >= 46) sum += x, ++count;
      }
  *centre = count ? sum / count : -1;
}

TEST(BmpWriter, RoundTripsThroughTheGamesBitmapReader) {
  Canvas c(5, 3);  // odd width: every row carries padding
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) c.Set(x, y, MakeRgb(x * 50 + 7, y * 90 + 3, (x + y) * 30 + 5));
  const std::vector<uint8_t> bytes = EncodeBmp(c);
  const std::unique_ptr<Bitmap> bmp = LoadBitmapFromMemory(bytes.data(), bytes.size());
  ASSERT_NE(bmp, nullptr);
  ASSERT_EQ(bmp->width, 5);
  ASSERT_EQ(bmp->height, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(bmp->pixels[y * 5 + x], To565(c.Get(x, y))) << x << "," << y;
}

TEST(BmpWriter, WritesUncompressed24BitBottomUpFiles) {
  Canvas c(3, 2, MakeRgb(1, 2, 3));
  c.Set(0, 0, MakeRgb(200, 100, 50));
  const std::vector<uint8_t> b = EncodeBmp(c);
  auto u32 = [&](size_t at) { return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | b[at + 3] << 24; };
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(u32(2), b.size());
  EXPECT_EQ(u32(22), 2u);             // positive height: the last row comes first
  EXPECT_EQ(b[28] | b[29] << 8, 24);  // bits per pixel
  EXPECT_EQ(u32(30), 0u);             // no compression
  // The top-left pixel is the first pixel of the second stored row (rows padded to 12 bytes).
  EXPECT_EQ(b[54 + 12], 50);
  EXPECT_EQ(b[54 + 12 + 2], 200);
}

TEST(Colours, DarkOpaqueColoursSurviveTheTransparentKey) {
  for (int r = 0; r < 16; ++r)
    for (int g = 0; g < 16; ++g)
      for (int b = 0; b < 16; ++b) EXPECT_NE(To565(Opaque(MakeRgb(r, g, b))), 0);
}

struct Picture {
  const char* name;
  Canvas (*draw)();
  int width, height;
};

Canvas Back0() {
  return DrawAreaBack(0);
}
Canvas Back9() {
  return DrawAreaBack(9);
}
Canvas Icon64() {
  return DrawIcon(64);
}

const Picture kPictures[] = {
    {"trap", DrawTrapSheet, 700, 1100},
    {"hero", DrawHeroSheet, 640, 480},
    {"vill", DrawVillagerSheet, 576, 1000},
    {"frame", DrawFrameSheet, 640, 1000},
    {"Back", DrawWipeShade, 640, 480},
    {"back0", Back0, 640, 480},
    {"back9", Back9, 640, 480},
    {"clear", DrawClearPicture, 640, 480},
    {"kelball", DrawKelball, 480, 600},
    {"OP_back", DrawOpeningBack, 640, 480},
    {"OP_pic", DrawOpeningPages, 552, 1000},
    {"select", DrawSelectSheet, 640, 620},
    {"end", DrawEnding, 640, 2000},
    {"icon", Icon64, 64, 64},
};

TEST(Pictures, HaveTheSizesTheGameLoadsThemInto) {
  for (const Picture& p : kPictures) {
    const Canvas c = p.draw();
    EXPECT_EQ(c.Width(), p.width) << p.name;
    EXPECT_EQ(c.Height(), p.height) << p.name;
  }
}

TEST(Pictures, NoVisiblePixelTurnsTransparentInRgb565) {
  // A colour that is not black but truncates to 0 would vanish under the colour key.
  for (const Picture& p : kPictures) {
    const Canvas c = p.draw();
    int vanishing = 0;
    for (int y = 0; y < c.Height(); ++y)
      for (int x = 0; x < c.Width(); ++x)
        if (c.Get(x, y) != kKey && To565(c.Get(x, y)) == 0) ++vanishing;
    EXPECT_EQ(vanishing, 0) << p.name;
  }
}

TEST(Pictures, AreTheSameOnEveryRun) {
  EXPECT_EQ(EncodeBmp(DrawTrapSheet()), EncodeBmp(DrawTrapSheet()));
  EXPECT_EQ(EncodeBmp(DrawKelball()), EncodeBmp(DrawKelball()));
}

TEST(Sprites, HeroStandsOnTheFloorLineInEveryFacingAndStep) {
  const Canvas sheet = DrawHeroSheet();
  for (int facing = 0; facing < 4; ++facing)
    for (int frame = 0; frame < 3; ++frame) {
      int lowest;
      double centre;
      Feet(sheet, 64 * frame, 64 * facing, &lowest, &centre);
      // Drawn 40 above the floor cell and cut 20 below its top: the feet end by row 59.
      EXPECT_GE(lowest, 50) << facing << "/" << frame;
      EXPECT_LE(lowest, 59) << facing << "/" << frame;
      EXPECT_NEAR(centre, 34, 5) << facing << "/" << frame;
    }
}

TEST(Sprites, EveryVillagerHasThreeStandingFrames) {
  const Canvas sheet = DrawVillagerSheet();
  for (int s = 0; s < 9; ++s)
    for (int frame = 0; frame < 3; ++frame) {
      int lowest;
      double centre;
      Feet(sheet, 192 * (s % 3) + 64 * frame, 64 * (s / 3), &lowest, &centre);
      EXPECT_GE(lowest, 50) << s << "/" << frame;
      EXPECT_LE(lowest, 59) << s << "/" << frame;
      EXPECT_NEAR(centre, 34, 5) << s << "/" << frame;
    }
}

TEST(TrapSheet, FloorTilesCoverTheirTopFaceAndLeaveTheCornersClear) {
  const Canvas sheet = DrawTrapSheet();
  for (int area = 0; area < kAreas; ++area)
    for (int row = 0; row < 2; ++row) {
      const int left = 67 * area, top = 42 * row;
      EXPECT_TRUE(Opaque565(sheet, left + 34, top + 13)) << area;  // middle of the top face
      EXPECT_TRUE(Opaque565(sheet, left + 31, top + 1)) << area;   // its back corner
      EXPECT_FALSE(Opaque565(sheet, left + 2, top + 2)) << area;   // outside the face
      EXPECT_FALSE(Opaque565(sheet, left + 64, top + 2)) << area;
    }
}

TEST(TrapSheet, TheTileUnderTheHeroStandsOutFromThePlainOne) {
  const Canvas sheet = DrawTrapSheet();
  for (int area = 0; area < kAreas; ++area) {
    double diff = 0;
    int n = 0;
    for (int y = 8; y < 20; ++y)
      for (int x = 24; x < 44; ++x, ++n) {
        const Rgb a = sheet.Get(67 * area + x, y), b = sheet.Get(67 * area + x, 42 + y);
        diff += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
      }
    EXPECT_GT(diff / n, 40) << area;
  }
}

TEST(TrapSheet, EveryItemStandsOnItsTile) {
  const Canvas sheet = DrawTrapSheet();
  for (int area = 0; area < kAreas; ++area)
    for (int kind = 0; kind < 12; ++kind) {
      const int left = 67 * area, top = 84 + 84 * kind;
      int onFace = 0;
      for (int y = 42; y < 70; ++y)
        for (int x = 10; x < 58; ++x) onFace += Opaque565(sheet, left + x, top + y);
      EXPECT_GT(onFace, 60) << "area " << area << " kind " << kind;
    }
}

TEST(FrameSheet, WindowsAreLightAndOpaqueWhereTheBlackTextGoes) {
  const Canvas sheet = DrawFrameSheet();
  // Rescue window text (80, 50)-(550, 140) at (40, 10); message text (80, 50)-(450, 140).
  for (int y = 40; y < 130; y += 3) {
    for (int x = 40; x < 500; x += 5) {
      ASSERT_TRUE(Opaque565(sheet, x, y));
      EXPECT_GT(Luma(sheet.Get(x, y)), 170) << x << "," << y;
    }
    for (int x = 40; x < 410; x += 5) EXPECT_GT(Luma(sheet.Get(x, 140 + y)), 170) << x << "," << y;
  }
}

// The screen as the pause scene leaves it: the panel blended in at level 200 of 256 per 565
// channel (a black panel pixel leaves the screen alone), widened back to 8 bits per channel.
Rgb PausedScreen(Rgb stage, Rgb panel) {
  const uint16_t s = To565(panel), d = To565(stage);
  const auto channel = [&](int shift, int top) {
    const int dv = (d >> shift) & top, sv = (s >> shift) & top;
    return (s == 0 ? dv : ((dv * 55) >> 8) + ((sv * 200) >> 8)) * 255 / top;
  };
  return MakeRgb(channel(11, 31), channel(5, 63), channel(0, 31));
}

double Contrast(Rgb a, Rgb b) {
  const auto luminance = [](Rgb c) {
    const auto linear = [](int v) {
      const double u = v / 255.0;
      return u <= 0.04045 ? u / 12.92 : std::pow((u + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(FrameSheet, PauseEntriesReadOverEveryStage) {
  // scenes/pause.cpp: the panel (0, 560)-(280, 700) at (170, 30); entry i at y 50 + 20 i, its
  // star's cell from x 190 and its letters (12 x 20 cells, two per letter) from x 220.
  const int letters[5] = {9, 6, 9, 9, 7};
  const Rgb normal = PausedScreen(MakeRgb(240, 240, 240), kKey);
  const Rgb chosen = PausedScreen(MakeRgb(120, 100, 80), kKey);
  const Rgb noLight = MakeRgb(8, 4, 8);  // the darkest panel pixel the blend still draws
  const Canvas sheet = DrawFrameSheet();
  const int stageAreas[11] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9};
  for (int stage = 0; stage < 11; ++stage) {
    const Canvas back = DrawAreaBack(stageAreas[stage]);
    double worstNormal = 99, worstChosen = 99, shortOfReach = 0;
    for (int i = 0; i < 5; ++i)
      for (int y = 50 + 20 * i; y < 70 + 20 * i; ++y)
        for (int x = 190; x < 220 + 24 * letters[i]; ++x) {
          const Rgb screen = PausedScreen(back.Get(x, y), sheet.Get(x - 170, y - 30 + 560));
          const double c = Contrast(chosen, screen);
          worstNormal = std::min(worstNormal, Contrast(normal, screen));
          worstChosen = std::min(worstChosen, c);
          // 3 : 1 wherever the stage lets it be reached; where a bright stage shows through too
          // much, the panel may take away none of the contrast left.
          const double reach = Contrast(chosen, PausedScreen(back.Get(x, y), noLight));
          shortOfReach = std::max(shortOfReach, std::min(3.0, reach) - c);
        }
    EXPECT_GE(worstNormal, 7.0) << "stage " << stage;
    EXPECT_LE(shortOfReach, 1e-9) << "stage " << stage << ", chosen entry at " << worstChosen;
  }
}

TEST(FrameSheet, PortraitsAreWhollyOpaque) {
  const Canvas sheet = DrawFrameSheet();
  for (int y = 280; y < 560; ++y)
    for (int x = 0; x < 600; ++x) ASSERT_TRUE(Opaque565(sheet, x, y)) << x << "," << y;
}

TEST(WipeShade, DarkensTheScreenWithoutBlackeningIt) {
  const Canvas c = DrawWipeShade();
  for (int y = 0; y < 480; y += 2)
    for (int x = 0; x < 640; x += 2) {
      const Rgb s = c.Get(x, y);
      for (int v : {s.r, s.g, s.b}) {
        EXPECT_GT(v * 200 / 256, 20);   // it does darken
        EXPECT_LT(v * 200 / 256, 128);  // a mid-tone keeps some light
      }
    }
}

TEST(TitlePictures, LogoPiecesAndEntriesCarryLettering) {
  const Canvas c = DrawKelball();
  auto inked = [&](int left, int top, int w, int h) {
    int n = 0;
    for (int y = top; y < top + h; ++y)
      for (int x = left; x < left + w; ++x) n += Opaque565(c, x, y);
    return n;
  };
  for (int i = 0; i < 10; ++i)
    EXPECT_GT(inked(80 * (i % 6), 240 + 100 * (i / 6), 80, 100), 800) << i;
  for (int row = 0; row < 3; ++row) {
    EXPECT_GT(inked(0, 440 + 50 * row, 184, 50), 600) << row;
    EXPECT_GT(inked(200, 440 + 50 * row, 140, 50), 400) << row;
  }
  // The entries stay inside their own rectangles.
  EXPECT_EQ(inked(184, 440, 16, 150), 0);
  EXPECT_EQ(inked(340, 440, 140, 150), 0);
}

TEST(SelectSheet, ClearedLabelOverlapKeepsTheNodePictureClean) {
  const Canvas c = DrawSelectSheet();
  for (int y = 578; y < 580; ++y)
    for (int x = 0; x < 100; ++x) EXPECT_FALSE(Opaque565(c, x, y)) << x << "," << y;
  int label = 0;
  for (int y = 580; y < 600; ++y)
    for (int x = 0; x < 100; ++x) label += Opaque565(c, x, y);
  EXPECT_GT(label, 1000);
}

TEST(SelectSheet, ShoreAroundTheCompassRoseIsOnlySandSeaAndGrass) {
  // Nothing red stands between the island's south-east shore and the rose below it.
  const Canvas c = DrawSelectSheet();
  for (int y = 360; y < 452; ++y)
    for (int x = 540; x < 620; ++x) {
      const Rgb p = c.Get(x, y);
      EXPECT_FALSE(p.r > 150 && p.g < 120 && p.b < 120) << x << "," << y;
    }
}

TEST(SelectSheet, CursorLeavesTheClearedLabelUncovered) {
  // scenes/select.cpp: the label (0, 578)-(100, 600) at the node's corner + (0, 20), the cursor
  // cells (64 x 64 from (512, 480)) at + (20, 10); the cursor is drawn last.
  const Canvas c = DrawSelectSheet();
  for (int frame = 0; frame < 4; ++frame) {
    const int left = 512 + 64 * (frame % 2), top = 480 + 64 * (frame / 2);
    int shown = 0, onLabel = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        if (!Opaque565(c, left + x, top + y)) continue;
        ++shown;
        const int lx = 20 + x, ly = 10 + y - 20;
        onLabel += lx >= 0 && lx < 100 && ly >= 0 && ly < 22;
      }
    EXPECT_GT(shown, 150) << frame;
    EXPECT_EQ(onLabel, 0) << frame;
  }
}

TEST(ClearPicture, FiveLetteredPiecesAndNothingElse) {
  const Canvas c = DrawClearPicture();
  for (int i = 0; i < 5; ++i) {
    int n = 0;
    for (int y = 0; y < 80; ++y)
      for (int x = 60 * i; x < 60 * i + 60; ++x) n += Opaque565(c, x, y);
    EXPECT_GT(n, 300) << i;
  }
  for (int y = 80; y < 480; y += 7)
    for (int x = 0; x < 640; x += 7) ASSERT_FALSE(Opaque565(c, x, y));
}

}  // namespace
}  // namespace assetgen
