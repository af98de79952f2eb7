// Text and lines on a drawing context: the message windows, the pause menu and the map lines.
#include <gtest/gtest.h>

#include <string>

#include "platform/gdi.h"

namespace {

constexpr uint16_t kPaper = 0xFFFF;
constexpr uint16_t kBackground = 0x1234;
const std::string kRescue = "おねーさんをたすけた！";

HFONT GameFont() {
  return CreateFontA(20, 12, 0, 0, 0, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, PROOF_QUALITY,
                     FIXED_PITCH | FF_MODERN, "HGP創英角ﾎﾟｯﾌﾟ体");
}

// A surface with a context on it, filled with one colour, with the game's font selected.
class Canvas {
 public:
  Canvas(int w, int h, HFONT font = nullptr) : surface_(w, h, false) {
    surface_.Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, kBackground);
    surface_.GetDC(&dc_);
    font_ = font ? font : GameFont();
    SelectObject(dc_, font_);
  }
  ~Canvas() {
    surface_.ReleaseDC(dc_);
    DeleteObject(font_);
  }
  HDC dc() { return dc_; }
  uint16_t At(int x, int y) const { return surface_.Pixels()[y * surface_.Width() + x]; }
  // The smallest rectangle holding every pixel of the colour; empty (0,0,0,0) when none.
  RECT BoundsOf(uint16_t color) const {
    RECT r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int y = 0; y < surface_.Height(); ++y) {
      for (int x = 0; x < surface_.Width(); ++x) {
        if (At(x, y) != color) continue;
        r = RECT{std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                 std::max(r.bottom, y + 1)};
      }
    }
    return r.left == INT32_MAX ? RECT{0, 0, 0, 0} : r;
  }
  int CountOf(uint16_t color) const {
    int n = 0;
    for (int i = 0; i < surface_.Width() * surface_.Height(); ++i)
      n += surface_.Pixels()[i] == color;
    return n;
  }

 private:
  DirectDrawSurface surface_;
  HDC dc_ = nullptr;
  HFONT font_ = nullptr;
};

void ExpectRect(const RECT& got, const RECT& want) {
  EXPECT_EQ(got.left, want.left);
  EXPECT_EQ(got.top, want.top);
  EXPECT_EQ(got.right, want.right);
  EXPECT_EQ(got.bottom, want.bottom);
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST(ShiftJisText, RescueLineIsElevenTwoByteCharacters) {
  const std::string sjis = ShiftJisFromUtf8(kRescue);
  EXPECT_EQ(sjis.size(), 22u);
  EXPECT_EQ(static_cast<uint8_t>(sjis[0]), 0x82);  // お
  EXPECT_EQ(static_cast<uint8_t>(sjis[1]), 0xA8);
  EXPECT_EQ(Utf8FromShiftJis(sjis), kRescue);
}

TEST(ShiftJisText, AsciiAndHalfWidthKanaAreOneByteEach) {
  const std::string sjis = ShiftJisFromUtf8("AZ09 ｱｲｳ★");
  EXPECT_EQ(sjis.size(), 8u + 2u);
  EXPECT_EQ(Utf8FromShiftJis(sjis), "AZ09 ｱｲｳ★");
}

TEST(ShiftJisText, RejectedBytesAreSkipped) {
  const std::string bad = std::string("A\xFF") + ShiftJisFromUtf8("あ") + "\x80" + "B\x82";
  EXPECT_EQ(Utf8FromShiftJis(bad), "AあB");
  EXPECT_EQ(ShiftJisFromUtf8("A\xC3"), "A");  // a cut UTF-8 sequence
}

TEST(TextLayout, RescueLineIsTwoHundredSixtyFourPixelsWide) {
  Canvas c(400, 60);
  const std::string sjis = ShiftJisFromUtf8(kRescue);
  SetBkMode(c.dc(), OPAQUE);
  c.dc()->bkColor = RGB(255, 255, 255);
  SetTextColor(c.dc(), RGB(0, 0, 0));
  ASSERT_TRUE(TextOutA(c.dc(), 30, 20, sjis.c_str(), static_cast<int>(sjis.size())));
  // Opaque cells cover exactly the text's extent; the glyphs lie inside it.
  const RECT cells{30, 20, 294, 40};
  EXPECT_EQ(c.CountOf(kPaper) + c.CountOf(0), 264 * 20);
  ExpectRect(c.BoundsOf(kPaper), cells);
  EXPECT_TRUE(Inside(c.BoundsOf(0), cells));
  EXPECT_GT(c.CountOf(0), 11 * 20) << "every character leaves ink";
}

TEST(TextLayout, HalfWidthCharactersTakeTwelvePixels) {
  Canvas c(200, 40);
  SetBkMode(c.dc(), OPAQUE);
  const std::string text = ShiftJisFromUtf8("Aｱあ");
  TextOutA(c.dc(), 0, 0, text.c_str(), static_cast<int>(text.size()));
  ExpectRect(c.BoundsOf(kPaper), RECT{0, 0, 48, 20});
}

TEST(TextLayout, EachGlyphStaysInItsCell) {
  const char* samples[] = {"A", "g", "W", "ｱ", "あ", "！", "★", "国", "ー"};
  for (const char* sample : samples) {
    Canvas c(100, 60);
    SetBkMode(c.dc(), TRANSPARENT);
    const std::string text = ShiftJisFromUtf8(sample);
    TextOutA(c.dc(), 40, 20, text.c_str(), static_cast<int>(text.size()));
    const int cellW = text.size() == 2 ? 24 : 12;
    const RECT ink = c.BoundsOf(0);
    EXPECT_GT(c.CountOf(0), 0) << sample;
    EXPECT_TRUE(Inside(ink, RECT{40, 20, 40 + cellW, 40})) << sample;
  }
}

TEST(TextLayout, FullWidthGlyphsFillMostOfTheCellHeight) {
  Canvas c(100, 60);
  SetBkMode(c.dc(), TRANSPARENT);
  const std::string text = ShiftJisFromUtf8("国");
  TextOutA(c.dc(), 0, 0, text.c_str(), static_cast<int>(text.size()));
  const RECT ink = c.BoundsOf(0);
  EXPECT_GE(ink.bottom - ink.top, 16);
  EXPECT_GE(ink.right - ink.left, 14);
}

TEST(TextLayout, BiggerFontsHonourTheirCellSize) {
  HFONT big = CreateFontA(48, 24, 0, 0, 0, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, PROOF_QUALITY,
                          FIXED_PITCH | FF_MODERN, "HGP創英角ﾎﾟｯﾌﾟ体");
  Canvas c(300, 100, big);
  SetBkMode(c.dc(), OPAQUE);
  const std::string text = ShiftJisFromUtf8("国A");
  TextOutA(c.dc(), 10, 10, text.c_str(), static_cast<int>(text.size()));
  ExpectRect(c.BoundsOf(kPaper), RECT{10, 10, 10 + 48 + 24, 58});
  const RECT ink = c.BoundsOf(0);
  EXPECT_GE(ink.bottom - ink.top, 40);
}

TEST(TextLayout, HeavyWeightDrawsThickerStrokes) {
  auto inkOf = [](int weight) {
    HFONT font = CreateFontA(40, 20, 0, 0, weight, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, PROOF_QUALITY,
                             FIXED_PITCH | FF_MODERN, "HGP創英角ﾎﾟｯﾌﾟ体");
    Canvas c(200, 60, font);
    SetBkMode(c.dc(), TRANSPARENT);
    const std::string text = ShiftJisFromUtf8("国あ");
    TextOutA(c.dc(), 0, 0, text.c_str(), static_cast<int>(text.size()));
    return c.CountOf(0);
  };
  EXPECT_GT(inkOf(700), inkOf(0) * 11 / 10);
}

TEST(TextLayout, TextColourIsTruncatedToRgb565) {
  Canvas c(100, 40);
  SetBkMode(c.dc(), TRANSPARENT);
  EXPECT_EQ(SetTextColor(c.dc(), RGB(120, 100, 80)), RGB(0, 0, 0));
  const std::string text = ShiftJisFromUtf8("★");
  TextOutA(c.dc(), 0, 0, text.c_str(), static_cast<int>(text.size()));
  EXPECT_GT(c.CountOf(0x7B2A), 20);  // 120 >> 3, 100 >> 2, 80 >> 3
}

TEST(TextLayout, TransparentModeLeavesTheBackground) {
  Canvas c(320, 40);
  EXPECT_EQ(SetBkMode(c.dc(), TRANSPARENT), OPAQUE);
  const std::string text = ShiftJisFromUtf8(kRescue);
  TextOutA(c.dc(), 5, 5, text.c_str(), static_cast<int>(text.size()));
  const int ink = c.CountOf(0);
  EXPECT_GT(ink, 100);
  EXPECT_EQ(ink + c.CountOf(kBackground), 320 * 40);
}

TEST(TextLayout, UnknownBytesKeepTheirCellAndDrawNothing) {
  Canvas c(200, 40);
  SetBkMode(c.dc(), TRANSPARENT);
  const std::string text = std::string("\xFF\xFD") + ShiftJisFromUtf8("国");
  TextOutA(c.dc(), 0, 0, text.c_str(), static_cast<int>(text.size()));
  const RECT ink = c.BoundsOf(0);
  EXPECT_GE(ink.left, 24);
  EXPECT_LE(ink.right, 48);
}

TEST(TextLayout, TextOffTheSurfaceIsClipped) {
  Canvas c(50, 30);
  SetBkMode(c.dc(), OPAQUE);
  const std::string text = ShiftJisFromUtf8(kRescue);
  TextOutA(c.dc(), -30, -10, text.c_str(), static_cast<int>(text.size()));
  ExpectRect(c.BoundsOf(kPaper), RECT{0, 0, 50, 10});
  TextOutA(c.dc(), INT32_MAX - 5, INT32_MIN, text.c_str(), static_cast<int>(text.size()));
  TextOutA(c.dc(), INT32_MIN, 5, text.c_str(), static_cast<int>(text.size()));
}

TEST(DrawTextBox, LineIsCentredInTheRectangle) {
  Canvas c(640, 200);
  SetBkMode(c.dc(), OPAQUE);
  const std::string text = ShiftJisFromUtf8(kRescue);
  RECT r{80, 50, 550, 140};
  DrawTextA(c.dc(), text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER);
  ExpectRect(c.BoundsOf(kPaper), RECT{183, 50, 447, 70});  // (80 + 550 - 264) / 2 = 183
}

TEST(DrawTextBox, LineBreaksStartLinesTwentyPixelsApart) {
  Canvas c(640, 200);
  SetBkMode(c.dc(), OPAQUE);
  c.dc()->bkColor = RGB(255, 0, 0);
  // CR LF, a lone LF and a lone CR each start a new line; the empty line takes its place too.
  const std::string text = ShiftJisFromUtf8("あいう\r\nABCD\nえ\r\r\nお");
  RECT r{0, 10, 400, 190};
  const int height = DrawTextA(c.dc(), text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER);
  EXPECT_EQ(height, 5 * 20);
  const uint16_t red = 0xF800;
  ExpectRect(c.BoundsOf(red), RECT{164, 10, 236, 110});
  EXPECT_EQ(c.At(164, 15), red);  // あいう: 72 wide at (400 - 72) / 2
  EXPECT_EQ(c.At(163, 15), kBackground);
  EXPECT_EQ(c.At(176, 35), red);  // ABCD: 48 wide at 176
  EXPECT_EQ(c.At(175, 35), kBackground);
  EXPECT_EQ(c.At(188, 55), red);          // え: 24 wide at 188
  EXPECT_EQ(c.At(200, 75), kBackground);  // the empty line
  EXPECT_EQ(c.At(188, 95), red);          // お
  EXPECT_EQ(c.CountOf(red) + c.CountOf(0), (72 + 48 + 24 + 24) * 20);
}

TEST(DrawTextBox, EverythingIsClippedToTheRectangle) {
  Canvas c(640, 200);
  SetBkMode(c.dc(), OPAQUE);
  const std::string text = ShiftJisFromUtf8("あいうえおかきくけこ\r\nさしすせそ\r\nたちつてと");
  RECT r{100, 20, 200, 50};
  DrawTextA(c.dc(), text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER);
  ExpectRect(c.BoundsOf(kPaper), r);
  EXPECT_EQ(c.CountOf(kPaper) + c.CountOf(0), 100 * 30);
}

TEST(DrawTextBox, RevealedPrefixCutMidLineBreakStillDraws) {
  Canvas c(200, 60);
  SetBkMode(c.dc(), OPAQUE);
  const std::string text = ShiftJisFromUtf8("あ\r\nい");
  RECT r{0, 0, 200, 60};
  DrawTextA(c.dc(), text.c_str(), 3, &r, DT_CENTER);  // "あ" and the CR alone
  ExpectRect(c.BoundsOf(kPaper), RECT{88, 0, 112, 20});
  DrawTextA(c.dc(), text.c_str(), 0, &r, DT_CENTER);
}

TEST(Lines, LastPointIsLeftOut) {
  Canvas c(20, 20);
  POINT old{-1, -1};
  ASSERT_TRUE(MoveToEx(c.dc(), 2, 3, &old));
  EXPECT_EQ(old.x, 0);
  ASSERT_TRUE(LineTo(c.dc(), 8, 3));
  ExpectRect(c.BoundsOf(0), RECT{2, 3, 8, 4});
  EXPECT_EQ(c.CountOf(0), 6);
  // The pen stays at the end, so the next line continues from there.
  LineTo(c.dc(), 8, 10);
  EXPECT_EQ(c.At(8, 3), 0);
  EXPECT_EQ(c.At(8, 9), 0);
  EXPECT_EQ(c.At(8, 10), kBackground);
  EXPECT_EQ(c.CountOf(0), 13);
}

TEST(Lines, DiagonalsAndSteepLinesStepOnePixelAtATime) {
  Canvas c(20, 20);
  MoveToEx(c.dc(), 10, 10, nullptr);
  LineTo(c.dc(), 6, 6);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(c.At(10 - i, 10 - i), 0);
  EXPECT_EQ(c.At(6, 6), kBackground);
  Canvas s(20, 20);
  MoveToEx(s.dc(), 0, 0, nullptr);
  LineTo(s.dc(), 3, 12);
  EXPECT_EQ(s.CountOf(0), 12);  // one pixel per row
  for (int y = 0; y < 12; ++y) {
    int inRow = 0;
    for (int x = 0; x < 20; ++x) inRow += s.At(x, y) == 0;
    EXPECT_EQ(inRow, 1) << y;
  }
  EXPECT_EQ(s.At(0, 0), 0);
}

TEST(Lines, LinesLeavingTheSurfaceAreClipped) {
  Canvas c(20, 20);
  MoveToEx(c.dc(), -10, 5, nullptr);
  LineTo(c.dc(), 40, 5);
  EXPECT_EQ(c.CountOf(0), 20);
  MoveToEx(c.dc(), 30, 30, nullptr);
  LineTo(c.dc(), 50, 40);
  MoveToEx(c.dc(), INT32_MIN, INT32_MIN, nullptr);
  LineTo(c.dc(), INT32_MAX, INT32_MAX);
  EXPECT_EQ(c.CountOf(0), 20);
  // A line from far off that crosses the surface keeps its slope.
  Canvas d(20, 20);
  MoveToEx(d.dc(), -100, -100, nullptr);
  LineTo(d.dc(), 100, 100);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(d.At(i, i), 0);
  EXPECT_EQ(d.CountOf(0), 20);
}

}  // namespace
