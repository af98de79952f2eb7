// Bitmap files: every picture of the game is read through these, from any BMP variant.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "platform/file_lookup.h"
#include "tests/support/bmp_writer.h"

namespace {

// (255, 128, 64) truncates to 31, 32, 8; (7, 3, 7) truncates to black, (8, 4, 8) to 1, 1, 1.
constexpr uint32_t kOrange = 0xFF8040;
constexpr uint16_t kOrange565 = 0xFC08;
constexpr uint32_t kAlmostBlack = 0x070307;
constexpr uint32_t kDarkGrey = 0x080408;
constexpr uint16_t kDarkGrey565 = 0x0821;
constexpr uint32_t kWhite = 0xFFFFFF;

using Loaded = std::unique_ptr<Bitmap>;

Loaded Load(const std::vector<uint8_t>& bytes) {
  return LoadBitmapFromMemory(bytes.data(), bytes.size());
}

// A 3 x 2 picture: orange, almost black, dark grey / white, orange, dark grey.
const std::vector<uint32_t> kColors = {kOrange, kAlmostBlack, kDarkGrey,
                                       kWhite,  kOrange,      kDarkGrey};
const std::vector<uint16_t> kExpected = {kOrange565, 0,          kDarkGrey565,
                                         0xFFFF,     kOrange565, kDarkGrey565};
const std::vector<uint32_t> kPalette = {kOrange, kAlmostBlack, kDarkGrey, kWhite};
const std::vector<uint32_t> kIndices = {0, 1, 2, 3, 0, 2};

TEST(BitmapDepths, TrueColourFilesTruncateToRgb565) {
  for (int bits : {24, 32}) {
    Loaded b = Load(MakeBmp(3, 2, bits, kColors));
    ASSERT_NE(b, nullptr) << bits;
    EXPECT_EQ(b->width, 3);
    EXPECT_EQ(b->height, 2);
    EXPECT_EQ(b->pixels, kExpected) << bits << " bits";
    EXPECT_EQ(b->colorTable[0], 0u) << "no palette, no colour table";
  }
}

TEST(BitmapDepths, PalettedFilesTruncateAndKeepTheirColourTable) {
  for (int bits : {4, 8}) {
    Loaded b = Load(MakeBmp(3, 2, bits, kIndices, kPalette));
    ASSERT_NE(b, nullptr) << bits;
    EXPECT_EQ(b->pixels, kExpected) << bits << " bits";
    EXPECT_EQ(b->colorTable[0], 0xFF8040u);  // blue, green, red bytes in that order
    EXPECT_EQ(b->colorTable[3], 0xFFFFFFu);
  }
}

TEST(BitmapDepths, OneBitFileUsesItsTwoColours) {
  const std::vector<uint32_t> bits = {1, 0, 0, 1, 1, 1, 1, 1, 1, 0};  // 10 wide: row padding too
  Loaded b = Load(MakeBmp(10, 1, 1, bits, {kOrange, kDarkGrey}));
  ASSERT_NE(b, nullptr);
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(b->pixels[x], bits[x] ? kDarkGrey565 : kOrange565) << x;
  }
}

TEST(BitmapDepths, RunLengthEncodedFileDecodes) {
  // Bottom row: 3 x index 1, then 1 x index 0; end of line; top row: 4 x index 0; end of bitmap.
  const std::vector<uint8_t> rle = {3, 1, 1, 0, 0, 0, 4, 0, 0, 1};
  Loaded b = Load(MakeRle8Bmp(4, 2, rle, {kOrange, kWhite}));
  ASSERT_NE(b, nullptr);
  const std::vector<uint16_t> want = {kOrange565, kOrange565, kOrange565, kOrange565,
                                      0xFFFF,     0xFFFF,     0xFFFF,     kOrange565};
  EXPECT_EQ(b->pixels, want);
}

TEST(BitmapDepths, FourBitRunLengthFileDecodesRunsAndLiterals) {
  // Bottom row: a run of four alternating 1 and 2; end of line; top row: four literal indices
  // 0, 1, 2, 3 packed in two bytes; end of bitmap.
  const std::vector<uint8_t> rle = {4, 0x12, 0, 0, 0, 4, 0x01, 0x23, 0, 1};
  Loaded b = Load(MakeRle4Bmp(4, 2, rle, kPalette));
  ASSERT_NE(b, nullptr);
  const std::vector<uint16_t> want = {kOrange565,   0, kDarkGrey565, 0xFFFF, 0,
                                      kDarkGrey565, 0, kDarkGrey565};
  EXPECT_EQ(b->pixels, want);
}

TEST(BitmapRows, TopDownAndBottomUpGiveTheSamePicture) {
  for (int bits : {8, 24}) {
    const auto& content = bits == 8 ? kIndices : kColors;
    Loaded up = Load(MakeBmp(3, 2, bits, content, bits == 8 ? kPalette : std::vector<uint32_t>{}));
    Loaded down =
        Load(MakeBmp(3, 2, bits, content, bits == 8 ? kPalette : std::vector<uint32_t>{}, true));
    ASSERT_NE(up, nullptr);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(down->height, 2);
    EXPECT_EQ(up->pixels, kExpected);
    EXPECT_EQ(down->pixels, kExpected);
  }
}

// Checked writes: a field past the end of a test file is a mistake in the test.
void PutLe32(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes.at(at + i) = static_cast<uint8_t>(v >> (8 * i));
}

TEST(BitmapDamage, BadHeadersAndSizesAreRejected) {
  const std::vector<uint8_t> good = MakeBmp(3, 2, 24, kColors);
  ASSERT_NE(Load(good), nullptr);
  struct Damage {
    size_t at;
    uint32_t value;
  };
  const Damage damages[] = {
      {0, 0x4D41},       // signature "AM"
      {14, 7},           // info header size
      {18, 0},           // width 0
      {18, 0xFFFFFFFD},  // width -3
      {22, 0},           // height 0
      {18, 100000},      // width far too large
      {22, 0x80000000},  // height INT_MIN
      {10, 0x7FFFFFFF},  // pixel data beyond the file
      {28, 7},           // 7 bits per pixel
      {30, 9},           // unknown compression
      {30, 1},           // RLE8 on a 24-bit file
  };
  for (const Damage& d : damages) {
    std::vector<uint8_t> bad = good;
    PutLe32(bad, d.at, d.value);
    EXPECT_EQ(Load(bad), nullptr) << "offset " << d.at;
  }
  // Sides within bounds whose product is too many pixels.
  std::vector<uint8_t> huge = good;
  PutLe32(huge, 18, 16384);
  PutLe32(huge, 22, 16384);
  EXPECT_EQ(Load(huge), nullptr);
  // A few bytes of run-length data may claim any size: the claim alone is refused.
  std::vector<uint8_t> claim = MakeRle8Bmp(4, 2, {3, 1, 1, 0, 0, 0, 4, 0, 0, 1}, {kOrange, kWhite});
  PutLe32(claim, 18, 16384);
  PutLe32(claim, 22, 4096);
  EXPECT_EQ(Load(claim), nullptr);
  EXPECT_EQ(LoadBitmapFromMemory(nullptr, 100), nullptr);
}

TEST(BitmapDamage, EveryTruncationIsRefused) {
  const std::vector<std::vector<uint8_t>> files = {
      MakeBmp(5, 3, 8, {0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2}, kPalette),
      MakeBmp(5, 3, 24, std::vector<uint32_t>(15, kOrange)),
      MakeRle8Bmp(4, 2, {3, 1, 1, 0, 0, 0, 4, 0, 0, 1}, {kOrange, kWhite}),
  };
  for (const auto& file : files) {
    for (size_t len = 0; len < file.size(); ++len) {
      std::vector<uint8_t> cut(file.begin(), file.begin() + len);
      EXPECT_EQ(Load(cut), nullptr) << len << " of " << file.size();
    }
  }
}

TEST(BitmapDamage, RunsPastTheEdgeDoNotWriteOutside) {
  // A run of 200 pixels in a 4-wide picture, then deltas far beyond the bottom.
  const std::vector<uint8_t> rle = {200, 1, 0, 2, 100, 100, 255, 1, 0, 1};
  Loaded b = Load(MakeRle8Bmp(4, 2, rle, {kOrange, kWhite}));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->pixels.size(), 8u);
}

// A picture that loaded from damaged data is still whole: one pixel per cell, each either a
// colour of its palette or black.
void ExpectWholePicture(const Loaded& b, int width, int height, const std::string& what) {
  ASSERT_NE(b, nullptr) << what;
  ASSERT_EQ(b->width, width) << what;
  ASSERT_EQ(b->height, height) << what;
  ASSERT_EQ(b->pixels.size(), size_t(width) * height) << what;
  for (uint16_t p : b->pixels) {
    ASSERT_TRUE(p == 0 || p == kOrange565 || p == 0xFFFF) << what << ": " << p;
  }
}

TEST(BitmapDamage, HostileRunLengthStreamsAreRefused) {
  const std::vector<std::vector<uint8_t>> streams = {
      {},                                // no data at all
      {0},                               // cut inside an escape
      {0, 255, 1, 1, 1},                 // an absolute run far longer than the data left
      {0, 2, 255, 255, 5, 1},            // a delta far beyond the picture, then a run
      {0, 0, 0, 0, 0, 0, 0, 0, 9, 1},    // more line ends than lines, then a run
      {255, 1, 255, 1, 255, 1, 255, 1},  // runs and no end marker
      {0, 7, 1, 0, 1, 0, 1, 0, 1},       // an odd absolute run, padding byte missing at the end
  };
  for (bool rle4 : {false, true}) {
    for (size_t i = 0; i < streams.size(); ++i) {
      std::vector<uint8_t> file = MakeRle8Bmp(4, 2, streams[i], {kOrange, kWhite});
      if (rle4) {
        file[28] = 4;  // 4 bits per pixel
        file[30] = 2;  // RLE4
      }
      const std::string what = std::string(rle4 ? "RLE4" : "RLE8") + " stream " + std::to_string(i);
      EXPECT_EQ(Load(file), nullptr) << what;
    }
  }
}

TEST(BitmapDamage, PaletteAndLayoutFieldsCannotReachOutside) {
  const std::vector<uint8_t> paletted = MakeBmp(3, 2, 8, {0, 1, 0, 1, 200, 255}, {kOrange, kWhite});
  // Indices past a two-colour palette are refused; a palette said to hold four thousand million
  // colours reads as a full one, which those indices stay inside.
  EXPECT_EQ(Load(paletted), nullptr);
  std::vector<uint8_t> countless = paletted;
  PutLe32(countless, 46, 0xFFFFFFFF);
  ExpectWholePicture(Load(countless), 3, 2, "palette count");
  // Pixel data said to start inside the file header.
  std::vector<uint8_t> early = paletted;
  PutLe32(early, 10, 0);
  EXPECT_EQ(Load(early), nullptr);
  // Bit fields whose masks (read from the pixel data here) are all zero.
  std::vector<uint8_t> masks = MakeBmp(4, 4, 16, std::vector<uint32_t>(16, 0));
  PutLe32(masks, 30, 3);
  Loaded noMasks = Load(masks);
  ASSERT_NE(noMasks, nullptr);
  EXPECT_EQ(noMasks->pixels.size(), 16u);
}

TEST(BitmapDamage, CoreHeaderWithAbsurdSidesIsRejected) {
  // The 12-byte core header: 16-bit width and height, planes, bits.
  for (uint32_t side : {0u, 65535u}) {
    std::vector<uint8_t> file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 12, 0, 0, 0};
    for (uint32_t v : {side, side, 1u, 24u}) {
      file.push_back(static_cast<uint8_t>(v));
      file.push_back(static_cast<uint8_t>(v >> 8));
    }
    file.resize(file.size() + 64, 0x5A);
    EXPECT_EQ(Load(file), nullptr) << side;
  }
}

class BitmapFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char templ[] = "/tmp/kobako_bitmap_XXXXXX";
    ASSERT_NE(mkdtemp(templ), nullptr);
    dir_ = templ;
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    oldCwd_ = cwd;
    ASSERT_EQ(chdir(dir_.c_str()), 0);
  }
  void TearDown() override {
    ASSERT_EQ(chdir(oldCwd_.c_str()), 0);
    std::string cmd = "rm -rf '" + dir_ + "'";
    ASSERT_EQ(system(cmd.c_str()), 0);
  }
  std::string dir_, oldCwd_;
};

TEST_F(BitmapFiles, NamesAreFoundWhateverTheirCaseAndSeparator) {
  ASSERT_EQ(mkdir("IMG", 0755), 0);
  ASSERT_EQ(mkdir("img2", 0755), 0);
  ASSERT_TRUE(WriteFile("IMG/KelBall.BMP", MakeBmp(3, 2, 24, kColors)));
  ASSERT_TRUE(WriteFile("img2/select.BMP", MakeBmp(3, 2, 24, kColors)));
  EXPECT_EQ(FindFileNoCase("IMG\\kelball.bmp"), "IMG/KelBall.BMP");
  EXPECT_EQ(FindFileNoCase("img/kelball.bmp"), "IMG/KelBall.BMP");
  EXPECT_EQ(FindFileNoCase("Img2\\SELECT.bmp"), "img2/select.BMP");
  EXPECT_EQ(FindFileNoCase((dir_ + "/img/KELBALL.bmp").c_str()), dir_ + "/IMG/KelBall.BMP");
  EXPECT_EQ(FindFileNoCase("img/missing.bmp"), "");
  EXPECT_EQ(FindFileNoCase("nodir/kelball.bmp"), "");
  EXPECT_EQ(FindFileNoCase(""), "");
  Loaded b = LoadBitmapFile("img\\KELBALL.bmp");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->pixels, kExpected);
  EXPECT_EQ(LoadBitmapFile("img\\none.bmp"), nullptr);
}

TEST_F(BitmapFiles, ExactSpellingIsPreferred) {
  ASSERT_TRUE(WriteFile("a.bmp", {1}));
  ASSERT_TRUE(WriteFile("A.bmp", {2}));
  EXPECT_EQ(FindFileNoCase("A.bmp"), "A.bmp");
  EXPECT_EQ(FindFileNoCase("a.bmp"), "a.bmp");
  EXPECT_NE(FindFileNoCase("a.BMP"), "");
}

TEST_F(BitmapFiles, EmptyOrGarbageFileIsNotABitmap) {
  ASSERT_TRUE(WriteFile("empty.bmp", {}));
  ASSERT_TRUE(WriteFile("text.bmp", {'h', 'e', 'l', 'l', 'o'}));
  EXPECT_EQ(LoadBitmapFile("empty.bmp"), nullptr);
  EXPECT_EQ(LoadBitmapFile("text.bmp"), nullptr);
}

TEST(BitmapCopy, LargerBitmapIsClippedToTheSurface) {
  std::vector<uint32_t> colors(20 * 12, kWhite);
  colors[0] = kOrange;
  colors[20 * 12 - 1] = kOrange;
  Loaded b = Load(MakeBmp(20, 12, 24, colors));
  ASSERT_NE(b, nullptr);
  Surface s(8, 6);
  DrawBitmap(s, *b, {0, 0});
  EXPECT_EQ(s.Pixels()[0], kOrange565);
  for (int i = 1; i < 48; ++i) ASSERT_EQ(s.Pixels()[i], 0xFFFF) << i;
}

TEST(BitmapCopy, OffsetCopyLandsInPlaceAndLeavesTheRest) {
  Loaded b = Load(MakeBmp(3, 2, 24, kColors));
  ASSERT_NE(b, nullptr);
  Surface s(4, 4);
  s.Fill(0x1234);
  DrawBitmap(s, *b, {2, 3});
  DrawBitmap(s, *b, {-2, -1});
  EXPECT_EQ(s.Pixels()[3 * 4 + 2], kOrange565);
  EXPECT_EQ(s.Pixels()[3 * 4 + 3], 0);
  EXPECT_EQ(s.Pixels()[0], kDarkGrey565);
  EXPECT_EQ(s.Pixels()[1], 0x1234);
  EXPECT_EQ(s.Pixels()[4], 0x1234);
  // Wholly off the surface, or far beyond it: nothing is drawn.
  for (Point at : {Point{4, 0}, Point{0, 4}, Point{-3, 0}, Point{INT32_MAX, INT32_MAX},
                   Point{INT32_MIN, INT32_MIN}}) {
    DrawBitmap(s, *b, at);
  }
  EXPECT_EQ(s.Pixels()[1], 0x1234);
  EXPECT_EQ(s.Pixels()[4 * 4 - 1], 0);
}

}  // namespace
