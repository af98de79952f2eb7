// Stage rendering: what covers what on the oblique map, and where the clipped copies cut.
#include <gtest/gtest.h>

#include <string>

#include "play/render.h"
#include "tests/play_stage_fixture.h"

namespace {

using namespace stagefix;

// Screen corner of a floor tile.
Point FloorCorner(int x, int y) {
  int i = x * TMAX + y;
  return {67 * x - TileOffX[i] + 260, 42 * y + TileOffY[i] + 210};
}

int FloorLine(int x, int y) {
  return 42 * y + TileOffY[x * TMAX + y] + 230;
}

class StageRendering : public StageTest {};

// Halfway from (4, 4) to a smaller x or y: the floor of (4, 4) comes after the cell he enters in
// the painter's order, so drawing him in the turn of that cell would let the floor of (4, 4)
// paint over his feet.
class HeroSteppingBack : public StageRendering, public ::testing::WithParamInterface<TilePoint> {};

TEST_P(HeroSteppingBack, IsDrawnInTheTurnOfTheCellHeLeaves) {
  TilePoint to = GetParam();
  PlaceHero(to.x, to.y);
  Chara.OldPt = {4, 4};
  DPoint a = TilePosition(4, 4), b = TilePosition(to.x, to.y);
  Chara.Pos = {(a.x + b.x) / 2, (a.y + b.y) / 2};
  RenderStage();
  Point old = FloorCorner(4, 4);
  EXPECT_EQ(PixelAt(Backbuffer(), old.x + 20, old.y + 5), kHeroColour);
}

INSTANTIATE_TEST_SUITE_P(LeftAndUp, HeroSteppingBack,
                         ::testing::Values(TilePoint{3, 4}, TilePoint{4, 3}),
                         [](const ::testing::TestParamInfo<TilePoint>& info) {
                           return std::string(info.param.x < 4 ? "Left" : "Up");
                         });

TEST_F(StageRendering, NearerFloorCoversTheFeetOfAHeroSteppingRight) {
  // Stepping right he belongs to his new cell already; the floor of (4, 5), drawn after it,
  // covers the bottom rows of his picture.
  PlaceHero(4, 4);
  Chara.OldPt = {3, 4};
  Chara.Pos = TilePosition(4, 4);
  RenderStage();
  Point hero = {static_cast<int>(Chara.Pos.x) + 260, static_cast<int>(Chara.Pos.y) + 170};
  EXPECT_EQ(PixelAt(Backbuffer(), hero.x + 1, hero.y + 1), kHeroColour);
  Point nearer = FloorCorner(4, 5);
  ASSERT_GT(nearer.x + 40, hero.x);
  EXPECT_EQ(PixelAt(Backbuffer(), nearer.x + 40, nearer.y + 2), kFloorColour);
}

TEST_F(StageRendering, FloorUnderTheHeroComesFromTheMarkedRow) {
  TileMark[2][2] = 1;
  RenderStage();
  Point marked = FloorCorner(2, 2), plain = FloorCorner(6, 6);
  EXPECT_EQ(PixelAt(Backbuffer(), marked.x + 5, marked.y + 3), kMarkedFloorColour);
  EXPECT_EQ(PixelAt(Backbuffer(), plain.x + 5, plain.y + 3), kFloorColour);
}

TEST_F(StageRendering, AreaPicksItsOwnColumnOfFloorPictures) {
  FillRect(TheDisplay().item, 67, 0, 134, 42, 0x1234);
  Area = 1;
  RenderStage();
  Point corner = FloorCorner(6, 6);
  EXPECT_EQ(PixelAt(Backbuffer(), corner.x + 5, corner.y + 3), 0x1234);
}

TEST_F(StageRendering, HiddenItemsAndAbsentVillagersAreLeftOut) {
  BMAX = 2;
  Items[0] = ItemRec{};
  Items[0].F = 0;
  Items[0].TilePt = Items[0].OldPt = {2, 6};
  Items[0].Pos = TilePosition(2, 6);
  Items[1] = Items[0];
  Items[1].F = 1;
  Items[1].TilePt = Items[1].OldPt = {6, 2};
  Items[1].Pos = TilePosition(6, 2);
  VMAX = 2;
  Vills[0] = VillRec{};
  Vills[0].State = 2;
  Vills[0].TilePt = {1, 1};
  Vills[0].Pos = TilePosition(1, 1);
  Vills[1] = Vills[0];
  Vills[1].State = 1;
  Vills[1].TilePt = {7, 7};
  Vills[1].Pos = TilePosition(7, 7);
  RenderStage();

  auto sprite = [](DPoint pos, int dy) {
    return PixelAt(Backbuffer(), static_cast<int>(pos.x) + 262, static_cast<int>(pos.y) + dy + 2);
  };
  EXPECT_NE(sprite(Items[0].Pos, 168), kItemColour);
  EXPECT_EQ(sprite(Items[1].Pos, 168), kItemColour);
  EXPECT_NE(sprite(Vills[0].Pos, 170), kVillColour);
  EXPECT_EQ(sprite(Vills[1].Pos, 170), kVillColour);
}

TEST_F(StageRendering, BackgroundShowsWhereNothingStands) {
  RenderStage();
  EXPECT_EQ(PixelAt(Backbuffer(), 2, 2), kBackColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 637, 477), kBackColour);
}

class ClippedCopies : public StageTest {};

TEST_F(ClippedCopies, RestingHeroLosesHisBottomFourRowsAtTheFloorLine) {
  Rect r = {0, 0, 64, 64};
  DPoint pos = TilePosition(4, 4);
  int x = static_cast<int>(pos.x) + 260, y = static_cast<int>(pos.y) + 170;
  FillRect(Backbuffer(), 0, 0, 640, 480, 0);
  CopyAboveFloor(Backbuffer(), 4, 4, {x, y}, TheDisplay().chara, r, kKeyed);
  int f = FloorLine(4, 4);
  EXPECT_EQ(f, y + 60);
  EXPECT_EQ(PixelAt(Backbuffer(), x + 10, f - 1), kHeroColour);
  EXPECT_EQ(PixelAt(Backbuffer(), x + 10, f), 0);
}

TEST_F(ClippedCopies, HeroSunkIntoAPitShowsOnlyFifteenRows) {
  Rect r = {0, 0, 64, 64};
  int f = FloorLine(3, 5);
  int y = f - 60 + 45;
  FillRect(Backbuffer(), 0, 0, 640, 480, 0);
  CopyAboveFloor(Backbuffer(), 3, 5, {200, y}, TheDisplay().chara, r, kKeyed);
  int shown = 0;
  for (int row = 0; row < 480; row++) shown += PixelAt(Backbuffer(), 210, row) == kHeroColour;
  EXPECT_EQ(shown, 15);
  EXPECT_EQ(PixelAt(Backbuffer(), 210, f - 1), kHeroColour);
}

TEST_F(ClippedCopies, ScreenClipShiftsThePictureAtTheLeftAndTopEdges) {
  // A source whose columns differ: after the cut, column 0 on screen must be source column 10.
  for (int x = 0; x < 64; x++)
    FillRect(TheDisplay().menu, x, 0, x + 1, 64, static_cast<uint16_t>(x + 1));
  Rect r = {0, 0, 64, 64};
  Backbuffer().CopyFrom({-10, -20}, TheDisplay().menu, r);
  EXPECT_EQ(PixelAt(Backbuffer(), 0, 0), 11);
  EXPECT_EQ(PixelAt(Backbuffer(), 53, 43), 64);
  EXPECT_NE(PixelAt(Backbuffer(), 0, 44), 11);
}

TEST_F(ClippedCopies, ScreenClipCutsAtTheRightAndBottomEdges) {
  FillRect(Backbuffer(), 0, 0, 640, 480, 0);
  Rect r = {0, 0, 300, 80};
  Backbuffer().CopyFrom({600, 450}, TheDisplay().clea, r, kKeyed);
  EXPECT_EQ(PixelAt(Backbuffer(), 639, 479), kClearColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 600, 450), kClearColour);
  EXPECT_EQ(PixelAt(Backbuffer(), 599, 479), 0);
}

TEST_F(ClippedCopies, PictureEntirelyOffScreenDrawsNothing) {
  FillRect(Backbuffer(), 0, 0, 640, 480, 0);
  Rect r = {0, 0, 300, 1};
  Backbuffer().CopyFrom({-1200, 250}, TheDisplay().clea, r, kKeyed);
  Backbuffer().CopyFrom({1500, 251}, TheDisplay().clea, r, kKeyed);
  for (int x = 0; x < 640; x++) {
    ASSERT_EQ(PixelAt(Backbuffer(), x, 250), 0);
    ASSERT_EQ(PixelAt(Backbuffer(), x, 251), 0);
  }
}

}  // namespace
