// The action key, the actor lists, the walking cycle and the keys of a play frame.
#include <gtest/gtest.h>

#include "play/actors.h"
#include "play/animation.h"
#include "tests/play_driver.h"

using namespace playdriver;

namespace {

int FindItemOn(int x, int y) {
  for (int i = 0; i < BMAX; i++) {
    if (ItemOn(i, x, y)) return i;
  }
  return -1;
}

TEST(Containers, EmptyContainerVanishesAndPlayGoesOn) {
  Stage stage(StageText(1, 1, {"0,1,0,104,-1,1", "1,7,7,3,-1,1"}));
  stage.Press(kUp);  // refused: turns him towards it
  stage.Frame();
  stage.Frame(kSpace);
  EXPECT_EQ(BMAX, 1);
  EXPECT_EQ(FindItemOn(1, 0), -1);
  EXPECT_EQ(StageClear, 0);
  EXPECT_EQ(Items[0].No, 0);
}

TEST(Containers, ContainerWithAVillagerCodeShowsThatVillagerAndWinsTheStage) {
  Stage stage(StageText(0, 0, {"0,1,0,104,201,1"}, {"0,8,8,200,1"}));
  Chara.Turn = 3;
  UseFacing();
  EXPECT_EQ(BMAX, 0);
  ASSERT_EQ(VMAX, 2);
  EXPECT_EQ(Vills[1].Kind, 201);
  EXPECT_EQ(Vills[1].No, 1);
  EXPECT_EQ(Vills[1].State, 1);
  EXPECT_EQ(Vills[1].TilePt.x, 1);
  EXPECT_EQ(Vills[1].TilePt.y, 0);
  EXPECT_TRUE(AtRestOn(Vills[1].Pos, 1, 0));
  EXPECT_GE(Vills[1].AnimeCnt, 0);
  EXPECT_LE(Vills[1].AnimeCnt, 23);
  EXPECT_EQ(StageClear, 1);
}

TEST(Containers, ContainerWithAnItemCodeLeavesThatItemOnItsTile) {
  Stage stage(StageText(2, 2, {"0,2,1,104,12,1", "1,6,6,101,-1,1"}));
  Chara.Turn = 0;
  UseFacing();
  ASSERT_EQ(BMAX, 2);
  const int content = FindItemOn(2, 1);
  ASSERT_NE(content, -1);
  EXPECT_EQ(Items[content].Item, 12);
  EXPECT_EQ(Items[content].F, 1);
  EXPECT_EQ(Items[content].Act, -1);
  EXPECT_EQ(Items[content].No, content);
  EXPECT_EQ(StageClear, 1);
}

TEST(Containers, FrontOnlyContainerOpensOnlyFromBelowFacingUp) {
  Stage stage(StageText(3, 4, {"0,4,4,105,201,1"}));
  const struct { int x, y, turn; } sides[] = {{3, 4, 3}, {5, 4, 2}, {4, 3, 1}};
  for (const auto& side : sides) {
    Chara.TilePt = TilePoint{side.x, side.y};
    Chara.Turn = side.turn;
    UseFacing();
    EXPECT_EQ(BMAX, 1);
    EXPECT_EQ(StageClear, 0);
  }
  Chara.TilePt = TilePoint{4, 5};
  Chara.Turn = 0;
  UseFacing();
  EXPECT_EQ(BMAX, 0);
  EXPECT_EQ(StageClear, 1);
}

TEST(Containers, SpaceWithNothingInFrontDoesNothing) {
  Stage stage(StageText(4, 4, {"0,6,6,104,201,1"}));
  for (int turn = 0; turn < 4; turn++) {
    Chara.Turn = turn;
    UseFacing();
  }
  EXPECT_EQ(BMAX, 1);
  EXPECT_EQ(VMAX, 0);
  EXPECT_EQ(StageClear, 0);
}

TEST(LastStage, FigureIsCaughtOnlyFromBelow) {
  Stage stage(StageText(4, 5, {"0,3,5,104,201,1"}, {"0,4,4,205,1"}), 10);
  Chara.Turn = 2;  // a container beside him stays shut on this stage
  UseFacing();
  EXPECT_EQ(BMAX, 1);
  EXPECT_EQ(StageClear, 0);
  const struct { int x, y, turn; } sides[] = {{3, 4, 3}, {5, 4, 2}, {4, 3, 1}};
  for (const auto& side : sides) {
    Chara.TilePt = TilePoint{side.x, side.y};
    Chara.Turn = side.turn;
    UseFacing();
    EXPECT_EQ(StageClear, 0);
  }
  Chara.TilePt = TilePoint{4, 5};
  Chara.Turn = 0;
  UseFacing();
  EXPECT_EQ(StageClear, 1);
  EXPECT_EQ(VMAX, 1);
}

TEST(Lists, PitsStillLeadToTheSamePitsAfterARemoval) {
  Stage stage(StageText(0, 0, {"0,2,2,104,-1,1", "1,5,5,7,2,0", "2,6,6,7,1,0"}));
  Chara.TilePt = TilePoint{2, 3};
  Chara.Turn = 0;
  UseFacing();
  ASSERT_EQ(BMAX, 2);
  const int first = FindItemOn(5, 5);
  const int second = FindItemOn(6, 6);
  ASSERT_NE(first, -1);
  ASSERT_NE(second, -1);
  EXPECT_EQ(Items[first].Act, second);
  EXPECT_EQ(Items[second].Act, first);
}

TEST(Lists, SwitchStillOpensItsOwnGateAfterAReSort) {
  // The file lists the switch, its gate, then a container: opening it adds a kind-3 item, and the
  // re-sorts and the removal move the gate from index 1 to 2.
  Stage stage(StageText(2, 2, {"0,7,7,8,1,1", "1,0,0,112,-1,1", "2,2,1,104,3,1"}));
  Chara.Turn = 0;
  UseFacing();
  ASSERT_EQ(BMAX, 3);
  const int gate = FindItemOn(0, 0);
  const int sw = FindItemOn(7, 7);
  ASSERT_EQ(gate, 2);
  ASSERT_EQ(Items[sw].Item, 8);
  EXPECT_EQ(Items[sw].Act, gate);

  Chara.TilePt = TilePoint{7, 7};
  Chara.Trap = 1;
  RunTileEffect(sw);
  EXPECT_EQ(Items[gate].Item, 12);
  EXPECT_EQ(Items[gate].F, 0);
  EXPECT_EQ(Items[FindItemOn(2, 1)].Item, 3);
  Chara.TilePt = TilePoint{6, 7};
  ReleaseSwitches(sw);
  EXPECT_EQ(Items[gate].Item, 112);
  EXPECT_EQ(Items[gate].F, 1);
}

TEST(Lists, SortIsStableByKindAndRenumbers) {
  Stage stage(StageText(
      0, 0, {"0,1,1,110,-1,1", "1,2,2,4,-1,1", "2,3,3,104,-1,1", "3,4,4,1,-1,1", "4,5,5,10,-1,1"}));
  SortItems();
  const int order[][2] = {{4, 4}, {2, 2}, {3, 3}, {1, 1}, {5, 5}};
  for (int i = 0; i < BMAX; i++) {
    EXPECT_TRUE(ItemOn(i, order[i][0], order[i][1])) << i;
    EXPECT_EQ(Items[i].No, i);
  }
}

TEST(Lists, FullListsTakeNothingMoreAndBadCodesAreRefused) {
  Stage stage(StageText(0, 0, {}));
  for (int i = 0; i < 60; i++) AddActor(3, i % TMAX, 1, 1);
  EXPECT_EQ(BMAX, ITEM_CAPACITY);
  for (int i = 0; i < 20; i++) AddActor(250, i % TMAX, 2, 1);
  EXPECT_EQ(VMAX, VILL_CAPACITY);
  AddActor(400, 0, 3, 1);
  AddActor(3, 9, 0, 1);
  EXPECT_EQ(BMAX, ITEM_CAPACITY);
  EXPECT_EQ(VMAX, VILL_CAPACITY);
  RemoveItem(100 + ITEM_CAPACITY);
  RemoveItem(99);
  EXPECT_EQ(BMAX, ITEM_CAPACITY);
  RemoveItem(100);
  EXPECT_EQ(BMAX, ITEM_CAPACITY - 1);
}

TEST(Animation, WalkCycleShowsEachPictureForSixFrames) {
  Stage stage(StageText(0, 0, {}, {"0,3,3,200,1", "1,4,4,201,0"}));
  Chara.AnimeCnt = 0;
  Vills[0].AnimeCnt = 18;
  Vills[1].AnimeCnt = 7;
  Vills[1].Anime = 5;
  const int expected[] = {0, 1, 0, 2};
  for (int frame = 0; frame < 48; frame++) {
    StepAnimation();
    EXPECT_EQ(Chara.Anime, expected[(frame % 24) / 6]);
    EXPECT_EQ(Vills[0].Anime, expected[((frame + 18) % 24) / 6]);
  }
  EXPECT_EQ(Chara.AnimeCnt, 0);
  EXPECT_EQ(Vills[1].AnimeCnt, 7);
  EXPECT_EQ(Vills[1].Anime, 5);
}

TEST(PlayFrame, ShiftAsksForThePauseOncePerPress) {
  Stage stage(StageText(0, 0, {}));
  EXPECT_TRUE(stage.Frame(kShift).pauseRequested);
  EXPECT_FALSE(stage.Frame(kShift).pauseRequested);
  EXPECT_FALSE(stage.Frame().pauseRequested);
  EXPECT_TRUE(stage.Frame(kShift).pauseRequested);
}

TEST(PlayFrame, SpaceActsOncePerPress) {
  Stage stage(StageText(0, 0, {"0,1,0,104,-1,1", "1,0,1,104,-1,1"}));
  Chara.Turn = 3;
  stage.Frame(kSpace);
  EXPECT_EQ(BMAX, 1);
  Chara.Turn = 1;
  stage.Frame(kSpace);
  EXPECT_EQ(BMAX, 1);
  stage.Frame();
  stage.Frame(kSpace);
  EXPECT_EQ(BMAX, 0);
}

TEST(PlayFrame, ArrowIsTriedBeforeSpaceInTheSameFrame) {
  Stage stage(StageText(1, 1, {"0,1,0,104,201,1"}));
  ASSERT_EQ(Chara.Turn, 1);
  stage.Frame(PlayKeys{true, false, false, false, true, false, false});
  EXPECT_EQ(Chara.Turn, 0);
  EXPECT_EQ(StageClear, 1);
}

TEST(PlayFrame, NoKeyActsOnceTheStageIsWon) {
  Stage stage(StageText(4, 4, {"0,5,5,104,-1,1"}));
  StageClear = 1;
  const int counter = Chara.AnimeCnt;
  EXPECT_FALSE(stage.Frame(PlayKeys{false, false, false, true, true, true, false}).pauseRequested);
  EXPECT_TRUE(HeroOn(4, 4));
  EXPECT_EQ(Chara.Move, 0);
  EXPECT_EQ(Chara.Turn, 1);
  EXPECT_NE(Chara.AnimeCnt, counter);
}

}  // namespace
