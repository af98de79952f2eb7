// The rescue and message windows: the character reveal, the texts and portraits by stage, and
// Space acting once per press across the windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/events.h"
#include "platform/sjis.h"
#include "platform/text.h"
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
      if (n == closeAfter) TestBackend().SetKeyDown(Key::Space, true);
    });
  }

  // The text rows of a frame with the given text drawn as the window draws it: centred, in black,
  // with the message font.
  static std::vector<uint16_t> WithText(const std::vector<uint16_t>& background, const char* utf8,
                                        Rect area) {
    Surface scratch(640, 480);
    std::copy(background.begin(), background.end(), scratch.Pixels() + kTextTop * 640);
    DrawTextCentred(scratch, TheDisplay().font, CodePoints(utf8), area, 0);
    return std::vector<uint16_t>(scratch.Pixels() + kTextTop * 640,
                                 scratch.Pixels() + kTextBottom * 640);
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
  EXPECT_EQ(Frame(80), WithText(Frame(20), GetParam().text, {80, 50, 550, 140}));
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
  EXPECT_EQ(Frame(61), WithText(Frame(1), "むらのみんなよろこんでる", {80, 50, 450, 140}));
}

TEST_F(Windows, EmptyMessageShowsOnlyTheFrameAndPortrait) {
  StageNo = 2;
  MesText[2][0] = '\0';
  RecordFrames(12);
  ShowMessage();
  for (int k = 2; k <= 12; k++) ASSERT_EQ(Frame(k), Frame(1));
  EXPECT_EQ(ShownAt(45, 15), kFrameColour);
  EXPECT_EQ(ShownAt(485, 15), FrameSheet(205, 285));
}

TEST_F(Windows, LastStageShowsItsOwnMessageBeforeTheCaptureAndTheClosingOneAfter) {
  StageNo = 10;
  SetMessage(10, "まおうのしろ");
  SetMessage(11, "おしまい");
  RecordFrames(40);
  ShowMessage();
  EXPECT_EQ(ShownAt(485, 15), FrameSheet(505, 285));
  EXPECT_EQ(Frame(39), WithText(Frame(1), "まおうのしろ", {80, 50, 450, 140}));

  StageNodes[10].Cleared = 1;
  RecordFrames(40);
  ShowMessage();
  EXPECT_EQ(ShownAt(485, 15), FrameSheet(505, 425));
  EXPECT_EQ(Frame(39), WithText(Frame(1), "おしまい", {80, 50, 450, 140}));
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
  TestBackend().SetKeyDown(Key::Space, true);
  int presents = 0;
  TestBackend().SetPresentHook([&presents](int) {
    presents++;
    if (presents == 30) TestBackend().SetKeyDown(Key::Space, false);
    if (presents == 40) TestBackend().SetKeyDown(Key::Space, true);
  });
  ShowRescue();
  EXPECT_EQ(presents, 40);
  EXPECT_EQ(SpaceHeld, 1);
}

TEST_F(Windows, SpaceThatClosesTheRescueDoesNotCloseTheMessageToo) {
  int presents = 0;
  TestBackend().SetPresentHook([&presents](int) {
    presents++;
    if (presents == 5) TestBackend().SetKeyDown(Key::Space, true);  // closes the rescue
    if (presents == 12) TestBackend().SetKeyDown(Key::Space, false);
    if (presents == 15) TestBackend().SetKeyDown(Key::Space, true);  // closes the message
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
    if (++presents == 2) TestBackend().SetKeyDown(Key::Space, true);
  });
  ShowRescue();
  EXPECT_EQ(presents, 2);
}

TEST_F(Windows, CloseRequestEndsBothWindowsAndStaysQueuedForTheMainLoop) {
  int presents = 0;
  TestBackend().SetPresentHook([&presents](int) {
    if (++presents == 3) PostEvent(GameEvent::Close);
  });
  ShowRescue();
  EXPECT_EQ(presents, 3);
  ShowMessage();
  EXPECT_EQ(presents, 3);
  ASSERT_TRUE(EventWaiting());
  EXPECT_EQ(TakeEvent(), GameEvent::Close);
}

}  // namespace
