// The rescue and message windows: the character reveal, the texts and portraits by stage, and
// Space acting once per press across the windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "play/windows.h"
#include "tests/play_stage_fixture.h"
#include "world/datafile.h"

namespace {

using namespace stagefix;

constexpr int kTextTop = 50;
constexpr int kTextBottom = 140;

class Windows : public StageTest {
 protected:
  // Keeps the text rows of every presented frame; Space starts released and is pressed after
  // frame closeAfter, so the window under test always ends.
  void RecordFrames(int closeAfter) {
    frames_.clear();
    TestBackend().ReleaseAllKeys();
    SpaceHeld = 0;
    TestBackend().SetPresentHook([this, closeAfter](int) {
      frames_.push_back(Rows(TestBackend().PrimaryPixels(), kTextTop, kTextBottom));
      int n = static_cast<int>(frames_.size());
      if (n == closeAfter) TestBackend().SetKeyDown(VK_SPACE, true);
    });
  }

  // The text rows of a frame with the given Shift-JIS text drawn as the window draws it.
  static std::vector<uint16_t> WithText(const std::vector<uint16_t>& background,
                                        const std::string& sjis, RECT rect) {
    LPDIRECTDRAWSURFACE scratch = CreateOffscreen(640, 480);
    std::copy(background.begin(), background.end(), scratch->Pixels() + kTextTop * 640);
    HDC dc = nullptr;
    scratch->GetDC(&dc);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, hFont);
    DrawTextA(dc, sjis.data(), static_cast<int>(sjis.size()), &rect, DT_CENTER);
    scratch->ReleaseDC(dc);
    std::vector<uint16_t> rows(scratch->Pixels() + kTextTop * 640,
                               scratch->Pixels() + kTextBottom * 640);
    ReleaseSurface(scratch);
    return rows;
  }

  static void SetMessage(int slot, const char* utf8) {
    std::string sjis = ShiftJisFromUtf8(utf8);
    ASSERT_LT(sjis.size(), static_cast<size_t>(MES_SIZE));
    std::memcpy(MesText[slot], sjis.c_str(), sjis.size() + 1);
  }

  // Frame k of the window, counted from 1 as a player would.
  const std::vector<uint16_t>& Frame(int k) const { return frames_.at(k - 1); }

  std::vector<std::vector<uint16_t>> frames_;
};

TEST_F(Windows, RescueTextIsCompleteInThe74thFrame) {
  RecordFrames(90);
  ShowRescue();
  ASSERT_EQ(frames_.size(), 90u);
  // Background fades in first: the level stops rising on frame 20, the first character appears
  // on frame 24, and the eleventh on frame 74.
  EXPECT_NE(Frame(19), Frame(20));
  EXPECT_EQ(Frame(20), Frame(23));
  EXPECT_NE(Frame(23), Frame(24));
  EXPECT_NE(Frame(73), Frame(74));
  for (int k = 75; k <= 90; k++) ASSERT_EQ(Frame(k), Frame(74)) << "frame " << k;
}

struct RescueCase {
  int stage;
  const char* text;
};

void PrintTo(const RescueCase& c, std::ostream* os) {
  *os << "stage " << c.stage;
}

class RescueLine : public Windows, public ::testing::WithParamInterface<RescueCase> {};

TEST_P(RescueLine, NamesWhoWasSaved) {
  StageNo = GetParam().stage;
  RecordFrames(80);
  ShowRescue();
  ASSERT_EQ(frames_.size(), 80u);
  EXPECT_EQ(Frame(80), WithText(Frame(20), ShiftJisFromUtf8(GetParam().text), {80, 50, 550, 140}));
}

INSTANTIATE_TEST_SUITE_P(ByStage, RescueLine,
                         ::testing::Values(RescueCase{0, "おねーさんをたすけた！"},
                                           RescueCase{6, "おねーさんをたすけた！"},
                                           RescueCase{7, "おじーさんをたすけた！"},
                                           RescueCase{9, "てんしさまをたすけた！"},
                                           RescueCase{4, "おんなのこをたすけた！"},
                                           RescueCase{10, "まおうをほかくした！"}));

TEST_F(Windows, TwelveCharacterMessageIsCompleteInThe61stFrame) {
  StageNo = 3;
  SetMessage(3, "むらのみんなよろこんでる");
  RecordFrames(70);
  ShowMessage();
  ASSERT_EQ(frames_.size(), 70u);
  EXPECT_EQ(Frame(1), Frame(5));
  EXPECT_NE(Frame(5), Frame(6));
  EXPECT_NE(Frame(60), Frame(61));
  for (int k = 62; k <= 70; k++) ASSERT_EQ(Frame(k), Frame(61)) << "frame " << k;
  std::string text = ShiftJisFromUtf8("むらのみんなよろこんでる");
  EXPECT_EQ(Frame(61), WithText(Frame(1), text, {80, 50, 450, 140}));
}

TEST_F(Windows, EmptyMessageShowsOnlyTheFrameAndPortrait) {
  StageNo = 2;
  MesText[2][0] = '\0';
  RecordFrames(12);
  ShowMessage();
  for (int k = 2; k <= 12; k++) ASSERT_EQ(Frame(k), Frame(1));
  EXPECT_EQ(Pixel(lpPrimary, 45, 15), kFrameColour);
  EXPECT_EQ(Pixel(lpPrimary, 485, 15), FrameSheet(205, 285));
}

TEST_F(Windows, LastStageShowsItsOwnMessageBeforeTheCaptureAndTheClosingOneAfter) {
  StageNo = 10;
  SetMessage(10, "まおうのしろ");
  SetMessage(11, "おしまい");
  RecordFrames(40);
  ShowMessage();
  EXPECT_EQ(Pixel(lpPrimary, 485, 15), FrameSheet(505, 285));
  EXPECT_EQ(Frame(39), WithText(Frame(1), ShiftJisFromUtf8("まおうのしろ"), {80, 50, 450, 140}));

  StageNodes[10].Cleared = 1;
  RecordFrames(40);
  ShowMessage();
  EXPECT_EQ(Pixel(lpPrimary, 485, 15), FrameSheet(505, 425));
  EXPECT_EQ(Frame(39), WithText(Frame(1), ShiftJisFromUtf8("おしまい"), {80, 50, 450, 140}));
}

TEST_F(Windows, MessageWindowKeepsTheFiguresWalkingAndRescueHoldsThemStill) {
  Chara.AnimeCnt = 0;
  RecordFrames(10);
  ShowRescue();
  EXPECT_EQ(Chara.AnimeCnt, 0);
  RecordFrames(10);
  ShowMessage();
  // Ten shown frames and the one that closed it.
  EXPECT_EQ(Chara.AnimeCnt, 11);
}

TEST_F(Windows, SpaceHeldFromTheOpeningPressDoesNotCloseTheRescue) {
  SpaceHeld = 1;
  TestBackend().SetKeyDown(VK_SPACE, true);
  int presents = 0;
  TestBackend().SetPresentHook([&presents](int) {
    presents++;
    if (presents == 30) TestBackend().SetKeyDown(VK_SPACE, false);
    if (presents == 40) TestBackend().SetKeyDown(VK_SPACE, true);
  });
  ShowRescue();
  EXPECT_EQ(presents, 40);
  EXPECT_EQ(SpaceHeld, 1);
}

TEST_F(Windows, SpaceThatClosesTheRescueDoesNotCloseTheMessageToo) {
  int presents = 0;
  TestBackend().SetPresentHook([&presents](int) {
    presents++;
    if (presents == 5) TestBackend().SetKeyDown(VK_SPACE, true);  // closes the rescue
    if (presents == 12) TestBackend().SetKeyDown(VK_SPACE, false);
    if (presents == 15) TestBackend().SetKeyDown(VK_SPACE, true);  // closes the message
  });
  ShowRescue();
  EXPECT_EQ(presents, 5);
  ShowMessage();
  EXPECT_EQ(presents, 15);
  EXPECT_EQ(SpaceHeld, 1);
}

TEST_F(Windows, SpaceClosesTheRescueBeforeTheTextIsComplete) {
  int presents = 0;
  TestBackend().SetPresentHook([&presents](int) {
    if (++presents == 2) TestBackend().SetKeyDown(VK_SPACE, true);
  });
  ShowRescue();
  EXPECT_EQ(presents, 2);
}

TEST_F(Windows, CloseRequestEndsBothWindowsAndStaysQueuedForTheMainLoop) {
  int presents = 0;
  TestBackend().SetPresentHook([&presents](int) {
    if (++presents == 3) PostMessageA(WM_CLOSE, 0);
  });
  ShowRescue();
  EXPECT_EQ(presents, 3);
  ShowMessage();
  EXPECT_EQ(presents, 3);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg));
  EXPECT_EQ(msg.message, WM_CLOSE);
  GetMessageA(&msg);
}

}  // namespace
