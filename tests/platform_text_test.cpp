// Text and lines on surfaces: the message windows, the pause menu and the map lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "platform/language.h"
#include "platform/sjis.h"
#include "platform/text.h"

namespace {

constexpr Pixel kInk = 0;
constexpr Pixel kBackground = 0x1234;
const std::string kRescueUtf8 = "おねーさんをたすけた！";
const std::u32string kRescue = U"おねーさんをたすけた！";

// The game's font: cells 20 high, 12 wide for half-width characters and 24 for the others.
const Font& GameFont() {
  static const Font font(20, 12);
  return font;
}

// A surface filled with one colour, for text in kInk.
class Canvas {
 public:
  Canvas(int w, int h) : surface_(w, h) { surface_.Fill(kBackground); }
  Surface& surface() { return surface_; }
  Pixel At(int x, int y) const { return surface_.Pixels()[y * surface_.Width() + x]; }
  std::vector<Pixel> Pixels() const {
    return std::vector<Pixel>(surface_.Pixels(),
                              surface_.Pixels() + surface_.Width() * surface_.Height());
  }
  // The smallest rectangle holding every pixel of the colour; empty (0,0,0,0) when none.
  Rect BoundsOf(Pixel colour) const {
    Rect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int y = 0; y < surface_.Height(); ++y) {
      for (int x = 0; x < surface_.Width(); ++x) {
        if (At(x, y) != colour) continue;
        r = Rect{std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                 std::max(r.bottom, y + 1)};
      }
    }
    return r.left == INT32_MAX ? Rect{0, 0, 0, 0} : r;
  }
  int CountOf(Pixel colour) const {
    int n = 0;
    for (int i = 0; i < surface_.Width() * surface_.Height(); ++i)
      n += surface_.Pixels()[i] == colour;
    return n;
  }

 private:
  Surface surface_;
};

// The same text drawn a piece at a time, each piece where the layout should put it.
using Pieces = std::vector<std::pair<std::u32string, Point>>;
Canvas DrawnInPieces(int w, int h, const Pieces& pieces, const Font& font = GameFont()) {
  Canvas c(w, h);
  for (const auto& piece : pieces) DrawText(c.surface(), font, piece.first, piece.second, kInk);
  return c;
}

void ExpectRect(const Rect& got, const Rect& want) {
  EXPECT_EQ(got.left, want.left);
  EXPECT_EQ(got.top, want.top);
  EXPECT_EQ(got.right, want.right);
  EXPECT_EQ(got.bottom, want.bottom);
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST(ShiftJisText, RescueLineIsElevenTwoByteCharacters) {
  const std::string sjis = ShiftJisFromUtf8(kRescueUtf8);
  EXPECT_EQ(sjis.size(), 22u);
  EXPECT_EQ(static_cast<uint8_t>(sjis[0]), 0x82);  // お
  EXPECT_EQ(static_cast<uint8_t>(sjis[1]), 0xA8);
  EXPECT_EQ(Utf8FromShiftJis(sjis), kRescueUtf8);
  EXPECT_EQ(TextFromShiftJis(sjis), kRescue);
}

TEST(ShiftJisText, AsciiAndHalfWidthKanaAreOneByteEach) {
  const std::string sjis = ShiftJisFromUtf8("AZ09 ｱｲｳ★");
  EXPECT_EQ(sjis.size(), 8u + 2u);
  EXPECT_EQ(Utf8FromShiftJis(sjis), "AZ09 ｱｲｳ★");
  EXPECT_EQ(TextFromShiftJis(sjis), U"AZ09 ｱｲｳ★");
}

TEST(ShiftJisText, RejectedBytesAreSkipped) {
  const std::string bad = std::string("A\xFF") + ShiftJisFromUtf8("あ") + "\x80" + "B\x82";
  EXPECT_EQ(Utf8FromShiftJis(bad), "AあB");
  EXPECT_EQ(ShiftJisFromUtf8("A\xC3"), "A");  // a cut UTF-8 sequence
}

TEST(ShiftJisText, UnknownCharactersBecomeBlanksOfTheirWidth) {
  // 0xFF and 0xFD are no characters; 0x85 0x40 is an empty place of the two-byte table; a lead
  // byte at the very end has lost its second byte.
  const std::string text = std::string("\xFF\xFD") + "\x85\x40" + ShiftJisFromUtf8("国") + "\x82";
  EXPECT_EQ(TextFromShiftJis(text), U"  \u3000国 ");
}

TEST(CodePointText, Utf8RoundTripsAndBrokenBytesBecomeReplacements) {
  EXPECT_EQ(CodePoints("Aｱあ\U0001F600"), U"Aｱあ\U0001F600");
  EXPECT_EQ(Utf8(U"Aｱあ\U0001F600\u00E9"), "Aｱあ\U0001F600\u00E9");
  EXPECT_EQ(CodePoints("A\xFF"
                       "B\xE3\x81"),
            U"A\uFFFDB\uFFFD\uFFFD");
  EXPECT_EQ(CodePoints(""), U"");
}

TEST(CodePointText, AsciiAndHalfWidthKanaTakeOneCellAndTheRestTwo) {
  for (char32_t c : {U'A', U'~', U'\r', U'ｱ', U'\uFF61', U'\uFF9F'}) EXPECT_EQ(CellsOf(c), 1);
  for (char32_t c : {U'あ', U'国', U'\u3000', U'\uFF60', U'\uFFA0', U'\u00E9'}) {
    EXPECT_EQ(CellsOf(c), 2);
  }
}

TEST(TextLayout, RescueLineIsTwoHundredSixtyFourPixelsWide) {
  Canvas c(400, 60);
  DrawText(c.surface(), GameFont(), kRescue, {30, 20}, kInk);
  EXPECT_TRUE(Inside(c.BoundsOf(kInk), Rect{30, 20, 294, 40}));
  EXPECT_GT(c.CountOf(kInk), 11 * 20) << "every character leaves ink";
  Pieces pieces;
  for (size_t i = 0; i < kRescue.size(); ++i) {
    pieces.push_back({kRescue.substr(i, 1), Point{30 + 24 * static_cast<int>(i), 20}});
  }
  EXPECT_EQ(c.Pixels(), DrawnInPieces(400, 60, pieces).Pixels());
}

TEST(TextLayout, HalfWidthCharactersTakeTwelvePixels) {
  Canvas c(200, 40);
  DrawText(c.surface(), GameFont(), U"Aｱあ", {0, 0}, kInk);
  EXPECT_TRUE(Inside(c.BoundsOf(kInk), Rect{0, 0, 48, 20}));
  EXPECT_EQ(c.Pixels(),
            DrawnInPieces(200, 40, {{U"A", {0, 0}}, {U"ｱ", {12, 0}}, {U"あ", {24, 0}}}).Pixels());
}

TEST(TextLayout, EachGlyphStaysInItsCell) {
  const char32_t samples[] = {U'A', U'g', U'W', U'ｱ', U'あ', U'！', U'★', U'国', U'ー'};
  for (char32_t sample : samples) {
    Canvas c(100, 60);
    DrawText(c.surface(), GameFont(), std::u32string(1, sample), {40, 20}, kInk);
    const int cellW = CellsOf(sample) * 12;
    EXPECT_GT(c.CountOf(kInk), 0) << Utf8(std::u32string(1, sample));
    EXPECT_TRUE(Inside(c.BoundsOf(kInk), Rect{40, 20, 40 + cellW, 40}))
        << Utf8(std::u32string(1, sample));
  }
}

TEST(TextLayout, FullWidthGlyphsFillMostOfTheCellHeight) {
  Canvas c(100, 60);
  DrawText(c.surface(), GameFont(), U"国", {0, 0}, kInk);
  const Rect ink = c.BoundsOf(kInk);
  EXPECT_GE(ink.bottom - ink.top, 16);
  EXPECT_GE(ink.right - ink.left, 14);
}

TEST(TextLayout, BiggerFontsHonourTheirCellSize) {
  const Font big(48, 24);
  Canvas c(300, 100);
  DrawText(c.surface(), big, U"国A", {10, 10}, kInk);
  EXPECT_TRUE(Inside(c.BoundsOf(kInk), Rect{10, 10, 10 + 48 + 24, 58}));
  EXPECT_EQ(c.Pixels(),
            DrawnInPieces(300, 100, {{U"国", {10, 10}}, {U"A", {58, 10}}}, big).Pixels());
  Canvas alone(300, 100);
  DrawText(alone.surface(), big, U"国", {10, 10}, kInk);
  const Rect ink = alone.BoundsOf(kInk);
  EXPECT_GE(ink.bottom - ink.top, 40);
}

// The rows of a descender that reach the cell's foot are cut there, so a "g" inked in the cell's
// last row has lost its tail: Japanese sets letters as it always has, another language keeps
// the whole "g" within the cell, a row to spare, and "l" and "A" whole on top too.
TEST(TextLayout, LatinTextOfAnotherLanguageKeepsItsDescenders) {
  auto inkOf = [](const char32_t* text) {
    const Font font(20, 12);
    Canvas c(100, 60);
    DrawText(c.surface(), font, text, {10, 20}, kInk);
    return c.BoundsOf(kInk);
  };
  ASSERT_TRUE(UseLanguage("en", KOBAKO_BINARY_DIR "/game/locale")) << "the catalogue is built";
  const Rect english = inkOf(U"gypjq");
  const Rect tall = inkOf(U"lAd");
  ASSERT_TRUE(UseLanguage(GAME_LANGUAGE, ""));
  const Rect japanese = inkOf(U"gypjq");
  EXPECT_EQ(japanese.bottom, 40) << "a Japanese cell cuts the descenders";
  EXPECT_LE(english.bottom, 39);
  EXPECT_GT(english.bottom - tall.top, 14) << "the letters stay large enough to read";
  EXPECT_GE(tall.top, 20);
}

TEST(TextLayout, BoldDrawsThickerStrokes) {
  auto inkOf = [](bool bold) {
    const Font font(40, 20, bold);
    Canvas c(200, 60);
    DrawText(c.surface(), font, U"国あ", {0, 0}, kInk);
    return c.CountOf(kInk);
  };
  EXPECT_GT(inkOf(true), inkOf(false) * 11 / 10);
}

TEST(TextLayout, OnlyTheInkIsDrawnInExactlyItsColour) {
  EXPECT_EQ(Rgb565(120, 100, 80), 0x7B2A);  // 120 >> 3, 100 >> 2, 80 >> 3
  Canvas c(320, 40);
  DrawText(c.surface(), GameFont(), kRescue, {5, 5}, 0x7B2A);
  const int ink = c.CountOf(0x7B2A);
  EXPECT_GT(ink, 100);
  EXPECT_EQ(ink + c.CountOf(kBackground), 320 * 40);
}

TEST(TextLayout, TextWithoutAFontComesOutInPlainCells) {
  const Font none;
  EXPECT_FALSE(none);
  Canvas c(100, 40);
  DrawText(c.surface(), none, U"Aあ", {4, 4}, kInk);
  EXPECT_TRUE(Inside(c.BoundsOf(kInk), Rect{4, 4, 4 + 8 + 16, 20}));
  EXPECT_EQ(c.Pixels(), DrawnInPieces(100, 40, {{U"A", {4, 4}}, {U"あ", {12, 4}}}, none).Pixels());
}

TEST(TextLayout, UnknownBytesKeepTheirCellAndDrawNothing) {
  Canvas c(200, 40);
  DrawText(c.surface(), GameFont(), TextFromShiftJis("\xFF\xFD" + ShiftJisFromUtf8("国")), {0, 0},
           kInk);
  const Rect ink = c.BoundsOf(kInk);
  EXPECT_GE(ink.left, 24);
  EXPECT_LE(ink.right, 48);
}

TEST(TextLayout, TextOffTheSurfaceIsClipped) {
  Canvas small(50, 30), big(100, 60);
  DrawText(small.surface(), GameFont(), kRescue, {-30, -10}, kInk);
  DrawText(big.surface(), GameFont(), kRescue, {0, 0}, kInk);
  EXPECT_GT(small.CountOf(kInk), 0);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 50; ++x) ASSERT_EQ(small.At(x, y), big.At(x + 30, y + 10)) << x << "," << y;
  }
  const int before = small.CountOf(kInk);
  DrawText(small.surface(), GameFont(), kRescue, {INT32_MAX - 5, INT32_MIN}, kInk);
  DrawText(small.surface(), GameFont(), kRescue, {INT32_MIN, 5}, kInk);
  EXPECT_EQ(small.CountOf(kInk), before);
}

TEST(CentredText, LineIsCentredBetweenTheSides) {
  Canvas c(640, 200);
  DrawTextCentred(c.surface(), GameFont(), kRescue, Rect{80, 50, 550, 140}, kInk);
  // (80 + 550 - 264) / 2 = 183
  EXPECT_EQ(c.Pixels(), DrawnInPieces(640, 200, {{kRescue, {183, 50}}}).Pixels());
}

TEST(CentredText, LineBreaksStartLinesOneCellApart) {
  Canvas c(640, 200);
  // CR LF, a lone LF and a lone CR each start a new line; the empty line takes its place too.
  DrawTextCentred(c.surface(), GameFont(), U"あいう\r\nABCD\nえ\r\r\nお", Rect{0, 10, 400, 190},
                  kInk);
  const Pieces lines = {{U"あいう", {164, 10}},  // 72 wide at (400 - 72) / 2
                        {U"ABCD", {176, 30}},
                        {U"え", {188, 50}},
                        {U"お", {188, 90}}};
  EXPECT_EQ(c.Pixels(), DrawnInPieces(640, 200, lines).Pixels());
}

TEST(CentredText, EverythingIsClippedToTheArea) {
  Canvas c(640, 200);
  const Rect area{100, 20, 200, 50};
  DrawTextCentred(c.surface(), GameFont(), U"あいうえおかきくけこ\r\nさしすせそ\r\nたちつてと",
                  area, kInk);
  const Canvas whole = DrawnInPieces(
      640, 200,
      {{U"あいうえおかきくけこ", {30, 20}}, {U"さしすせそ", {90, 40}}, {U"たちつてと", {90, 60}}});
  EXPECT_GT(c.CountOf(kInk), 0);
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 640; ++x) {
      const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
      ASSERT_EQ(c.At(x, y), inside ? whole.At(x, y) : kBackground) << x << "," << y;
    }
  }
}

TEST(CentredText, RevealedPrefixCutAtALineBreakStillDraws) {
  Canvas c(200, 60);
  const std::u32string text = U"あ\r\nい";
  DrawTextCentred(c.surface(), GameFont(), text.substr(0, 2), Rect{0, 0, 200, 60}, kInk);
  EXPECT_EQ(c.Pixels(), DrawnInPieces(200, 60, {{U"あ", {88, 0}}}).Pixels());
  DrawTextCentred(c.surface(), GameFont(), text.substr(0, 0), Rect{0, 0, 200, 60}, kInk);
  EXPECT_EQ(c.Pixels(), DrawnInPieces(200, 60, {{U"あ", {88, 0}}}).Pixels());
}

TEST(Lines, LastPointIsLeftOut) {
  Canvas c(20, 20);
  DrawLine(c.surface(), {2, 3}, {8, 3}, kInk);
  ExpectRect(c.BoundsOf(kInk), Rect{2, 3, 8, 4});
  EXPECT_EQ(c.CountOf(kInk), 6);
  // A line on from where the last one ended fills that point.
  DrawLine(c.surface(), {8, 3}, {8, 10}, kInk);
  EXPECT_EQ(c.At(8, 3), kInk);
  EXPECT_EQ(c.At(8, 9), kInk);
  EXPECT_EQ(c.At(8, 10), kBackground);
  EXPECT_EQ(c.CountOf(kInk), 13);
  DrawLine(c.surface(), {15, 15}, {15, 15}, kInk);
  EXPECT_EQ(c.CountOf(kInk), 13);
}

TEST(Lines, DiagonalsAndSteepLinesStepOnePixelAtATime) {
  Canvas c(20, 20);
  DrawLine(c.surface(), {10, 10}, {6, 6}, kInk);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(c.At(10 - i, 10 - i), kInk);
  EXPECT_EQ(c.At(6, 6), kBackground);
  Canvas s(20, 20);
  DrawLine(s.surface(), {0, 0}, {3, 12}, kInk);
  EXPECT_EQ(s.CountOf(kInk), 12);  // one pixel per row
  for (int y = 0; y < 12; ++y) {
    int inRow = 0;
    for (int x = 0; x < 20; ++x) inRow += s.At(x, y) == kInk;
    EXPECT_EQ(inRow, 1) << y;
  }
  EXPECT_EQ(s.At(0, 0), kInk);
}

TEST(Lines, LinesLeavingTheSurfaceAreClipped) {
  Canvas c(20, 20);
  DrawLine(c.surface(), {-10, 5}, {40, 5}, kInk);
  EXPECT_EQ(c.CountOf(kInk), 20);
  DrawLine(c.surface(), {30, 30}, {50, 40}, kInk);
  DrawLine(c.surface(), {INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX}, kInk);
  EXPECT_EQ(c.CountOf(kInk), 20);
  // A line from far off that crosses the surface keeps its slope.
  Canvas d(20, 20);
  DrawLine(d.surface(), {-100, -100}, {100, 100}, kInk);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(d.At(i, i), kInk);
  EXPECT_EQ(d.CountOf(kInk), 20);
}

}  // namespace
