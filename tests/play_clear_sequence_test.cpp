// The stage-clear sequence: falling pieces, flying rows, figures coming to rest, and the marks it
// leaves on the stage map.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/progress_file.h"
#include "play/animation.h"
#include "play/clear_sequence.h"
#include "play/render.h"
#include "play/stage_state.h"
#include "tests/play_stage_fixture.h"

namespace {

using namespace stagefix;

class ClearSequenceTest : public StageTest {
 protected:
  void SetUp() override {
    StageTest::SetUp();
    ResetClearSequence();
    StageClear = 1;
    // Each window that opens is closed: Space is released, then pressed again.
    TestBackend().SetPresentHook([this](int) {
      windowFrames_++;
      TestBackend().SetKeyDown(Key::Space, SpaceHeld == 0);
    });
  }

  // One play frame of the sequence, drawn and animated as the play scene does it.
  ClearResult Frame() {
    RenderStage();
    StepAnimation();
    return ClearSequence();
  }

  ClearResult RunFrames(int n) {
    ClearResult result = CLEAR_RUNNING;
    for (int i = 0; i < n; i++) result = Frame();
    return result;
  }

  static std::array<int, CLEAR_PIECES> Drops() {
    std::array<int, CLEAR_PIECES> d;
    for (int i = 0; i < CLEAR_PIECES; i++) d[i] = Clear.ClearDrop[i];
    return d;
  }

  int windowFrames_ = 0;
};

TEST_F(ClearSequenceTest, RescueWindowOpensOnTheFirstFrameOnly) {
  Frame();
  EXPECT_GT(windowFrames_, 0);
  int afterRescue = windowFrames_;
  RunFrames(98);
  EXPECT_EQ(windowFrames_, afterRescue);
  EXPECT_EQ(Clear.ClearCnt, 99);
}

TEST_F(ClearSequenceTest, PiecesStandAtTheirStepsOnFrame20) {
  RunFrames(19);
  std::array<int, CLEAR_PIECES> start = {0, -20, -40, -60, -80};
  EXPECT_EQ(Drops(), start);
  Frame();
  std::array<int, CLEAR_PIECES> want = {20, -1, -22, -43, -64};
  EXPECT_EQ(Drops(), want);
  // Piece 0 spans rows 20 to 99, piece 1 is cut by the top of the screen and ends on row 78.
  EXPECT_EQ(PixelAt(Backbuffer(), 165, 20), kClearColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 165, 99), kClearColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 165, 100), kBackColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 225, 0), kClearColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 225, 78), kClearColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 225, 79), kBackColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 405, 15), kClearColour);  // piece 4, rows 0 to 15
  EXPECT_EQ(PixelAt(Backbuffer(), 405, 16), kBackColour);
}

TEST_F(ClearSequenceTest, AllPiecesRestAt200FromFrame37) {
  RunFrames(36);
  EXPECT_LT(Clear.ClearDrop[CLEAR_PIECES - 1], 200);
  for (int frame = 37; frame <= 59; frame++) {
    Frame();
    std::array<int, CLEAR_PIECES> rest = {200, 200, 200, 200, 200};
    ASSERT_EQ(Drops(), rest) << "frame " << frame;
  }
  EXPECT_EQ(PixelAt(Backbuffer(), 160, 200), kClearColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 459, 279), kClearColour);
}

TEST_F(ClearSequenceTest, RowsFlyApartAfterTheWholePictureOnFrame60) {
  RunFrames(60);
  EXPECT_EQ(PixelAt(Backbuffer(), 160, 200), kClearColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 159, 200), kBackColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 459, 279), kClearColour);
  EXPECT_NE(PixelAt(Backbuffer(), 460, 279), kClearColour);
  Frame();
  // Row 0 moves 20 pixels left, row 79 moves 35 right.
  EXPECT_EQ(PixelAt(Backbuffer(), 140, 200), kClearColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 139, 200), kBackColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 195, 279), kClearColour);
  EXPECT_NE(PixelAt(Backbuffer(), 194, 279), kClearColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 494, 279), kClearColour);
}

TEST_F(ClearSequenceTest, FiguresComeToRestOnTheFirstPictureOfTheirCycle) {
  VMAX = 2;
  Vills[0] = VillRec{};
  Vills[0].State = 1;
  Vills[0].TilePt = {1, 7};
  Vills[0].Pos = TilePosition(1, 7);
  Vills[0].AnimeCnt = 9;
  Vills[1] = Vills[0];
  Vills[1].State = 0;
  Vills[1].AnimeCnt = 9;
  Chara.AnimeCnt = 13;
  RunFrames(14);
  EXPECT_NE(Chara.AnimeCnt, 0);
  RunFrames(6);
  EXPECT_EQ(Chara.Anime, 0);
  EXPECT_EQ(Chara.AnimeCnt, 0);
  EXPECT_EQ(Vills[0].Anime, 0);
  EXPECT_EQ(Vills[0].AnimeCnt, 0);
  EXPECT_EQ(Vills[1].AnimeCnt, 9);
  RunFrames(50);
  EXPECT_EQ(Chara.AnimeCnt, 0);
  EXPECT_EQ(Vills[0].AnimeCnt, 0);
}

TEST_F(ClearSequenceTest, EndMarksTheStageOpensItsNeighboursAndGoesToTheSelect) {
  StageNo = 4;
  StageNodes[4].Cleared = 0;
  EXPECT_EQ(RunFrames(99), CLEAR_RUNNING);
  int beforeEnd = windowFrames_;
  EXPECT_EQ(Frame(), CLEAR_TO_SELECT);
  EXPECT_GT(windowFrames_, beforeEnd);  // the message window
  EXPECT_EQ(StageNodes[4].Cleared, 1);
  for (int n : {5, 7, 2}) EXPECT_EQ(StageNodes[n].Open, 1) << n;
  EXPECT_EQ(StageNodes[6].Open, 0);
  EXPECT_EQ(StageClear, 0);
  EXPECT_EQ(Clear.ClearCnt, 0);
  EXPECT_EQ(Clear.ClearSpread, 0);
  std::array<int, CLEAR_PIECES> start = {0, -20, -40, -60, -80};
  EXPECT_EQ(Drops(), start);
  EXPECT_TRUE(TheDisplay().back);
}

TEST_F(ClearSequenceTest, MessageWindowAlreadySeesTheStageCleared) {
  StageNo = 10;
  uint16_t portrait = 0;
  TestBackend().SetPresentHook([&portrait](int) {
    portrait = ShownAt(485, 15);
    TestBackend().SetKeyDown(Key::Space, SpaceHeld == 0);
  });
  RunFrames(100);
  EXPECT_EQ(portrait, FrameSheet(505, 425));  // the portrait after the capture
}

TEST_F(ClearSequenceTest, ClearingTheLastUnclearedStageLeadsToTheEnding) {
  for (StageNode& node : StageNodes) node.Cleared = 1;
  StageNo = 7;
  StageNodes[7].Cleared = 0;
  EXPECT_EQ(RunFrames(100), CLEAR_TO_ENDING);
  EXPECT_FALSE(TheDisplay().back);
}

TEST_F(ClearSequenceTest, ClearingAStageAgainRunsTheSameSequence) {
  StageNo = 0;
  StageNodes[0].Cleared = 1;
  EXPECT_EQ(RunFrames(100), CLEAR_TO_SELECT);
  EXPECT_EQ(StageNodes[1].Open, 1);
  StageClear = 1;
  RunFrames(20);
  std::array<int, CLEAR_PIECES> want = {20, -1, -22, -43, -64};
  EXPECT_EQ(Drops(), want);
}

TEST_F(ClearSequenceTest, EndSavesTheMapWithTheStageClearedAndItsNeighboursOpen) {
  const std::filesystem::path file = std::filesystem::current_path() / "saved" / "progress";
  SetProgressFile(file.string());
  StageNo = 0;
  SelectCursor = 0;
  RunFrames(99);
  EXPECT_FALSE(std::filesystem::exists(file)) << "nothing is saved before the stage is cleared";
  EXPECT_EQ(Frame(), CLEAR_TO_SELECT);
  SetProgressFile("");
  std::ostringstream text;
  text << std::ifstream(file).rdbuf();
  EXPECT_EQ(text.str(), "kobako progress 1\nopen 0 1\ncleared 0\ncursor 0\nend\n");
}

}  // namespace
