// Walking, pushing, and what the tile the hero arrives on does to him.
#include <gtest/gtest.h>

#include <vector>

#include "tests/play_driver.h"

using namespace playdriver;

namespace {

TEST(BlockedSteps, MapEdgeVillagerAndBlockingItemTurnTheHeroForOneFrameOfMove) {
  Stage stage(StageText(0, 0, {"0,1,0,101,-1,1"}, {"0,0,1,200,1"}));
  const struct {
    PlayKeys keys;
    int turn;
  } blocked[] = {{kUp, 0}, {kDown, 1}, {kLeft, 2}, {kRight, 3}};
  for (const auto& attempt : blocked) {
    stage.Press(attempt.keys);
    EXPECT_EQ(Chara.Turn, attempt.turn);
    EXPECT_TRUE(HeroOn(0, 0));
    EXPECT_EQ(Chara.Move, 1);
    stage.Frame();
    EXPECT_EQ(Chara.Move, 0);
    EXPECT_EQ(TileMark[0][0], 1);
    EXPECT_EQ(MarkCount(), 1);
    EXPECT_TRUE(AtRestOn(Chara.Pos, 0, 0));
  }
}

TEST(Steps, StepSlidesAThirdEveryOtherFrameAndArrivesOnTheSixth) {
  Stage stage(StageText(0, 0, {}));
  stage.Frame(kRight);
  EXPECT_TRUE(HeroOn(1, 0));
  EXPECT_EQ(Chara.OldPt.x, 0);
  EXPECT_EQ(Chara.Move, 1);
  EXPECT_EQ(TileMark[0][0], 0);
  const double xs[] = {37 / 3.0, 37 / 3.0, 74 / 3.0, 74 / 3.0, 37};
  const double ys[] = {4, 4, 8, 8, 12};
  for (int frame = 0; frame < 5; frame++) {
    stage.Frame();
    EXPECT_DOUBLE_EQ(Chara.Pos.x, xs[frame]) << frame;
    EXPECT_DOUBLE_EQ(Chara.Pos.y, ys[frame]) << frame;
    EXPECT_EQ(Chara.Move, 2);
  }
  stage.Frame();
  EXPECT_EQ(Chara.Move, 0);
  EXPECT_EQ(TileMark[1][0], 1);
  EXPECT_EQ(MarkCount(), 1);
  EXPECT_EQ(Chara.OldPt.x, 1);
  EXPECT_EQ(Movement.StepTick, 0);
  EXPECT_EQ(Movement.StepCount, 0);
}

TEST(Steps, StageLeftAsAStepLandsRestartsWithItsStepsAtRest) {
  Stage stage(StageText(0, 4, {}));
  stage.Press(kRight);
  for (int frame = 0; frame < 6 && Movement.StepCount < 3; frame++) stage.Frame();
  ASSERT_EQ(Movement.StepCount, 3);
  SetupStagePlay(2);  // the pause menu's restart, in the frame the step lands
  stage.Step(kUp);
  EXPECT_EQ(Chara.Move, 0);
  EXPECT_TRUE(AtRestOn(Chara.Pos, 0, 3));
}

TEST(Steps, HeldArrowWalksExactlyOneTilePerSixFrames) {
  Stage stage(StageText(0, 4, {}));
  std::vector<int> stepFrames;
  for (int frame = 0; frame < 60; frame++) {
    const int before = Chara.TilePt.x;
    stage.Frame(kRight);
    if (Chara.TilePt.x != before) stepFrames.push_back(frame);
  }
  ASSERT_EQ(stepFrames.size(), 8u);  // to the edge of the map
  for (size_t i = 0; i < stepFrames.size(); i++) EXPECT_EQ(stepFrames[i], static_cast<int>(6 * i));
}

TEST(Steps, TwoHeldArrowsShareOneRepeatCounterAndActInTurn) {
  Stage stage(StageText(4, 0, {}));
  const PlayKeys downRight = {false, true, false, true, false, false, false};
  std::vector<int> turns;
  for (int frame = 0; frame < 12; frame++) {
    stage.Frame(downRight);
    turns.push_back(Chara.Turn);
  }
  // Down comes first in every frame, so it starts each step; right only turns him meanwhile.
  EXPECT_TRUE(HeroOn(4, 2));
  const std::vector<int> expected = {1, 3, 3, 1, 3, 3, 1, 3, 3, 1, 3, 3};
  EXPECT_EQ(turns, expected);
}

TEST(Steps, TurningWhileSlidingFinishesTheStepUnderWay) {
  Stage stage(StageText(4, 4, {}));
  stage.Frame(kRight);
  stage.Frames(3, kUp);  // the shared repeat counter acts on the third
  EXPECT_EQ(Chara.Turn, 0);
  stage.Frames(6);
  EXPECT_TRUE(HeroOn(5, 4));
  EXPECT_TRUE(AtRestOn(Chara.Pos, 5, 4));
}

TEST(Pushing, MovableBlockAndHeroSlideTogetherAndArriveInTheSameFrame) {
  Stage stage(StageText(1, 0, {"0,2,0,110,-1,1"}));
  stage.Frame(kRight);
  EXPECT_TRUE(HeroOn(2, 0));
  EXPECT_TRUE(ItemOn(0, 3, 0));
  EXPECT_EQ(Items[0].OldPt.x, 2);
  EXPECT_EQ(Items[0].Move, 1);
  stage.Frames(5);
  EXPECT_EQ(Chara.Move, 2);
  EXPECT_EQ(Items[0].Move, 2);
  stage.Frame();
  EXPECT_EQ(Chara.Move, 0);
  EXPECT_EQ(Items[0].Move, 0);
  EXPECT_TRUE(AtRestOn(Chara.Pos, 2, 0));
  EXPECT_TRUE(AtRestOn(Items[0].Pos, 3, 0));
  EXPECT_EQ(Items[0].OldPt.x, 3);
}

TEST(Pushing, BlockAgainstABlockerAVillagerOrTheEdgeStopsTheHero) {
  const std::string stages[] = {
      StageText(1, 0, {"0,2,0,110,-1,1", "1,3,0,101,-1,1"}),
      StageText(1, 0, {"0,2,0,110,-1,1"}, {"0,3,0,200,1"}),
      StageText(6, 0, {"0,7,0,110,-1,1", "1,8,0,110,-1,1"}),
      StageText(7, 0, {"0,8,0,110,-1,1"}),
  };
  for (const std::string& text : stages) {
    Stage stage(text);
    const TilePoint hero = Chara.TilePt;
    const TilePoint block = Items[0].TilePt;
    stage.Step(kRight);
    EXPECT_TRUE(HeroOn(hero.x, hero.y)) << text;
    EXPECT_TRUE(ItemOn(0, block.x, block.y)) << text;
    EXPECT_EQ(Chara.Turn, 3);
  }
}

TEST(Pushing, ItemsThatDoNotBlockLetABlockOverThem) {
  Stage stage(StageText(1, 0, {"0,2,0,110,-1,1", "1,3,0,3,-1,1"}));
  stage.Step(kRight);
  EXPECT_TRUE(HeroOn(2, 0));
  EXPECT_TRUE(ItemOn(0, 3, 0));
}

// Items: the block, the switch naming the gate, the gate.
const std::vector<std::string> kSwitchRoom = {"0,2,0,110,-1,1", "1,3,0,8,2,1", "2,6,6,101,-1,1"};

TEST(Switches, PushOntoSwitchOpensGateUntilNextArrival) {
  Stage stage(StageText(1, 0, kSwitchRoom));
  stage.Frame(kRight);
  EXPECT_EQ(Items[1].Item, 8);
  stage.Frame();  // the block's first slide frame
  EXPECT_EQ(Items[1].Item, 9);
  EXPECT_EQ(Items[2].Item, 1);
  EXPECT_EQ(Items[2].F, 0);
  EXPECT_EQ(Chara.Trap, 10);
  stage.Frames(5);

  // Pushing the block on leaves the hero on the switch: it stays down.
  stage.Step(kRight);
  EXPECT_TRUE(ItemOn(0, 4, 0));
  EXPECT_TRUE(HeroOn(3, 0));
  EXPECT_EQ(Items[1].Item, 9);
  EXPECT_EQ(Items[2].Item, 1);

  // Stepping off: released at the arrival on the next tile, not before.
  stage.Press(kDown);
  stage.Frames(5);
  EXPECT_EQ(Items[1].Item, 9);
  stage.Frame();
  EXPECT_TRUE(HeroOn(3, 1));
  EXPECT_EQ(Items[1].Item, 8);
  EXPECT_EQ(Items[2].Item, 101);
  EXPECT_EQ(Items[2].F, 1);
}

TEST(Switches, SteppingOnASwitchOpensTheGateAndSteppingOffClosesIt) {
  Stage stage(StageText(0, 0, {"0,1,0,8,1,1", "1,2,0,101,-1,1"}));
  stage.Step(kRight);
  EXPECT_EQ(Items[0].Item, 9);
  EXPECT_EQ(Items[1].Item, 1);
  EXPECT_EQ(Items[1].F, 0);
  // The open gate lets the hero through; it closes behind the switch he left.
  stage.Step(kRight);
  EXPECT_TRUE(HeroOn(2, 0));
  EXPECT_EQ(Items[0].Item, 8);
  EXPECT_EQ(Items[1].Item, 101);
  EXPECT_EQ(Items[1].F, 1);
}

TEST(Snares, HiddenSnareShowsAndHoldsTheHeroFor98Frames) {
  Stage stage(StageText(0, 0, {"0,1,0,6,-1,0"}));
  stage.Frame(kRight);
  stage.Frames(5);
  EXPECT_EQ(Items[0].F, 0);
  stage.Frame();  // arrival: counted down by the arrival and by the frame's own pass
  EXPECT_EQ(Items[0].F, 1);
  EXPECT_EQ(Chara.Trap, 2);
  EXPECT_EQ(Chara.TCnt, 98);
  stage.Frames(97);
  EXPECT_EQ(Chara.Trap, 2);
  stage.Frame();
  EXPECT_EQ(Chara.Trap, 10);
  EXPECT_EQ(Chara.TCnt, 0);
  stage.Step(kRight);
  EXPECT_TRUE(HeroOn(2, 0));
}

TEST(Snares, HoldingAnArrowShortensTheHoldToAboutThreeQuarters) {
  Stage stage(StageText(0, 0, {"0,1,0,6,-1,0"}));
  stage.Frame(kRight);
  stage.Frames(6);
  ASSERT_EQ(Chara.Trap, 2);
  int frames = 0;
  while (HeroOn(1, 0) && frames < 200) {
    stage.Frame(kRight);
    frames++;
  }
  EXPECT_GE(frames, 70);
  EXPECT_LE(frames, 78);
}

TEST(Pits, PitDropsTheHeroToItsLinkedPitWhereHeStays) {
  Stage stage(StageText(0, 0, {"0,1,0,7,1,0", "1,5,5,7,0,0"}));
  stage.Step(kRight);
  ASSERT_EQ(Items[0].F, 1);
  double deepest = 0;
  int frames = 0;
  while (HeroOn(1, 0) && frames < 40) {
    deepest = std::max(deepest, Chara.Pos.y - TilePosition(1, 0).y);
    stage.Frame();
    frames++;
  }
  EXPECT_EQ(deepest, 45);
  ASSERT_TRUE(HeroOn(5, 5));
  double previous = Chara.Pos.y - TilePosition(5, 5).y;
  EXPECT_LE(previous, 45);
  while (Chara.Trap != 10 && frames < 80) {
    stage.Frame();
    frames++;
    const double depth = Chara.Pos.y - TilePosition(5, 5).y;
    EXPECT_LT(depth, previous);
    previous = depth;
  }
  EXPECT_EQ(Chara.Trap, 10);
  EXPECT_TRUE(AtRestOn(Chara.Pos, 5, 5));
  EXPECT_EQ(Chara.OldPt.x, 5);
  EXPECT_EQ(Items[1].F, 1);
  EXPECT_EQ(TileMark[5][5], 1);
  EXPECT_EQ(MarkCount(), 1);
  stage.Frames(40);
  EXPECT_TRUE(HeroOn(5, 5));
  EXPECT_TRUE(AtRestOn(Chara.Pos, 5, 5));
}

TEST(Pits, PitWhoseLinkedPitIsCoveredDoesNothingAndStaysHidden) {
  Stage stage(StageText(0, 0, {"0,1,0,7,1,0", "1,5,5,7,0,0", "2,5,5,101,-1,1"}));
  stage.Step(kRight);
  stage.Frames(20);
  EXPECT_TRUE(HeroOn(1, 0));
  EXPECT_EQ(Chara.Trap, 10);
  EXPECT_EQ(Items[0].F, 0);
  EXPECT_EQ(Items[1].F, 0);
  EXPECT_TRUE(AtRestOn(Chara.Pos, 1, 0));
}

TEST(Pits, PitLeadingOutsideTheListDoesNothing) {
  Stage stage(StageText(0, 0, {"0,1,0,7,9,0"}));
  stage.Step(kRight);
  stage.Frames(20);
  EXPECT_TRUE(HeroOn(1, 0));
  EXPECT_EQ(Chara.Trap, 10);
}

TEST(TileEffects, ItemCodedZeroSetsNoTrap) {
  Stage stage(StageText(0, 0, {"0,1,0,0,-1,1"}));
  stage.Step(kRight);
  EXPECT_TRUE(HeroOn(1, 0));
  EXPECT_EQ(Chara.Trap, 0);
}

TEST(TileEffects, PlainItemUnderfootEndsAtOnce) {
  Stage stage(StageText(0, 0, {"0,1,0,3,-1,1"}));
  stage.Step(kRight);
  EXPECT_EQ(Chara.Trap, 10);
  stage.Step(kRight);
  EXPECT_TRUE(HeroOn(2, 0));
  EXPECT_EQ(Chara.Trap, 0);
}

}  // namespace
