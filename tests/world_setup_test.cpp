// Stage files on disk, the stage-1 fallback, and the starting state that set-up gives the world.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "platform/random.h"
#include "tests/world_stage_text.h"
#include "world/datafile.h"
#include "world/setup.h"
#include "world/world.h"

using stagetext::Crlf;
using stagetext::ScratchDir;

namespace {

const std::string kStageOne = Crlf({"@DA,1", "@DH,4,4", "@DB", "0,2,3,104,-1,1", "1,5,5,4,7,1,@",
                                    "@DV", "0,6,6,200,1", "1,0,8,201,1,@", "@E"});

TEST(Projection, CornerTilesLandWhereTheFloorIsDrawn) {
  FillTileTables();
  const struct {
    int x, y;
    double px, py;
  } cases[] = {{0, 0, 0, 0}, {8, 0, 296, 96}, {0, 8, -248, 120}, {8, 8, 48, 216}};
  for (const auto& c : cases) {
    const DPoint p = TilePosition(c.x, c.y);
    EXPECT_EQ(p.x, c.px) << c.x << "," << c.y;
    EXPECT_EQ(p.y, c.py) << c.x << "," << c.y;
  }
}

TEST(Projection, OneTileRightIsDownRightAndOneTileDownIsDownLeft) {
  FillTileTables();
  for (int x = 0; x + 1 < TMAX; x++) {
    for (int y = 0; y + 1 < TMAX; y++) {
      const DPoint p = TilePosition(x, y);
      EXPECT_EQ(TilePosition(x + 1, y).x - p.x, 37);
      EXPECT_EQ(TilePosition(x + 1, y).y - p.y, 12);
      EXPECT_EQ(TilePosition(x, y + 1).x - p.x, -31);
      EXPECT_EQ(TilePosition(x, y + 1).y - p.y, 15);
    }
  }
}

TEST(DataFiles, MissingStageFileLoadsStageOne) {
  ScratchDir dir;
  dir.WriteStage(1, "@DA,11\r\n@E\r\n");
  StageNo = 7;
  ReadDataFile("data/data07.txt");
  EXPECT_EQ(StageNo, 1);
  EXPECT_EQ(std::string(DataBuf.begin(), DataBuf.end()), "@DA,11,,@E,,");
}

TEST(DataFiles, MissingMessageFileAlsoFallsBackToStageOne) {
  ScratchDir dir;
  dir.WriteStage(1, "@DA,11\r\n@E\r\n");
  StageNo = 0;
  ReadDataFile("data/mes.txt");
  EXPECT_EQ(StageNo, 1);
  EXPECT_EQ(DataSize, 12);
}

TEST(DataFiles, NothingToReadGivesEmptyData) {
  ScratchDir dir;
  ReadDataFile("data/data05.txt");
  EXPECT_EQ(DataSize, 0);
  EXPECT_TRUE(DataBuf.empty());
}

TEST(DataFiles, NameIsFoundWhateverItsLetterCase) {
  ScratchDir dir;
  dir.Write("data/DATA03.TXT", "@DA,9\r\n");
  StageNo = 3;
  ReadDataFile("data/data03.txt");
  EXPECT_EQ(StageNo, 3);
  EXPECT_EQ(DataSize, 7);
}

TEST(DataFiles, PictureRecordsAreKeptInFileOrderForTheStageSetUp) {
  // The pictures themselves are loaded by the stage set-up (play_stage_pictures_test).
  stagetext::ParseText(Crlf({"@GB,red.bmp", "@GH,blue.bmp", "@E"}));
  ASSERT_EQ(PictureRecords.size(), 2u);
  EXPECT_FALSE(PictureRecords[0].hero);
  EXPECT_EQ(PictureRecords[0].name, "red.bmp");
  EXPECT_TRUE(PictureRecords[1].hero);
  EXPECT_EQ(PictureRecords[1].name, "blue.bmp");
  stagetext::ParseText(Crlf({"@DA,1", "@E"}));
  EXPECT_TRUE(PictureRecords.empty()) << "each file starts its own list";
}

TEST(DataFiles, WhatIsNoRegularFileOrTooLargeCountsAsMissing) {
  ScratchDir dir;
  dir.WriteStage(1, "@DA,11\r\n@E\r\n");
  namespace fs = std::filesystem;
  const fs::path stage = "data/data07.txt";
  const std::function<void()> makers[] = {
      [&] { fs::create_directory(stage); },
      [&] { ASSERT_EQ(mkfifo(stage.c_str(), 0600), 0); },
      [&] { fs::create_symlink("/dev/zero", stage); },
      [&] { std::ofstream(stage) << std::string(64 * 1024 + 1, ','); },
  };
  for (const auto& make : makers) {
    make();
    StageNo = 7;
    ReadDataFile(stage.c_str());
    EXPECT_EQ(StageNo, 1);
    EXPECT_EQ(DataSize, 12);
    fs::remove(stage);
  }
}

TEST(DataFiles, EveryPictureRecordIsKeptWhateverItNames) {
  // Whether a name may be loaded, and how many, is for the stage set-up to decide.
  const std::string outside = std::filesystem::absolute("red.bmp").string();
  const std::string first = "@GB," + outside;
  stagetext::ParseText(Crlf(
      {first.c_str(), "@GB,data/../red.bmp", "@GB,pipe.bmp", "@GB,none.bmp", "@GB,red.bmp", "@E"}));
  const char* const names[] = {outside.c_str(), "data/../red.bmp", "pipe.bmp", "none.bmp",
                               "red.bmp"};
  ASSERT_EQ(PictureRecords.size(), 5u);
  for (int i = 0; i < 5; i++) {
    EXPECT_FALSE(PictureRecords[i].hero) << i;
    EXPECT_EQ(PictureRecords[i].name, names[i]) << i;
  }
}

TEST(SetupStage, StageNumberAboveTheLastBecomesOne) {
  ScratchDir dir;
  dir.WriteStage(1, kStageOne);
  StageNo = 12;
  SetupStage(StageNo);
  EXPECT_EQ(StageNo, 1);
  EXPECT_EQ(Area, 1);
  EXPECT_EQ(BMAX, 2);
  EXPECT_EQ(VMAX, 2);
}

TEST(SetupStage, HeroStartsFacingDownAndIdleOnTheOnlyMarkedTile) {
  ScratchDir dir;
  dir.WriteStage(4, kStageOne);
  Chara.Trap = 10;
  Chara.TCnt = 33;
  Chara.Move = 2;
  Chara.Turn = 3;
  TileMark[0][0] = 1;
  StageNo = 4;
  SetupStage(4);
  EXPECT_EQ(StageNo, 4);
  EXPECT_EQ(Chara.Turn, 1);
  EXPECT_EQ(Chara.Move, 0);
  EXPECT_EQ(Chara.Trap, 0);
  EXPECT_EQ(Chara.TCnt, 0);
  EXPECT_EQ(Chara.OldPt.x, 4);
  EXPECT_EQ(Chara.OldPt.y, 4);
  int marks = 0;
  for (int x = 0; x < TMAX; x++) {
    for (int y = 0; y < TMAX; y++) marks += TileMark[x][y];
  }
  EXPECT_EQ(marks, 1);
  EXPECT_EQ(TileMark[4][4], 1);
  EXPECT_EQ(Chara.Pos.x, 37 * 4 - 31 * 4);
  EXPECT_EQ(Chara.Pos.y, 12 * 4 + 15 * 4);
}

TEST(SetupStage, ItemsAndVillagersStandAtRestOnTheirTiles) {
  ScratchDir dir;
  dir.WriteStage(2, kStageOne);
  Items[0].Move = 2;
  Items[1].OldPt = TilePoint{0, 0};
  StageNo = 2;
  SetupStage(2);
  for (int i = 0; i < BMAX; i++) {
    EXPECT_EQ(Items[i].Move, 0);
    EXPECT_EQ(Items[i].OldPt.x, Items[i].TilePt.x);
    EXPECT_EQ(Items[i].OldPt.y, Items[i].TilePt.y);
    EXPECT_EQ(Items[i].Pos.x, TilePosition(Items[i].TilePt.x, Items[i].TilePt.y).x);
    EXPECT_EQ(Items[i].Pos.y, TilePosition(Items[i].TilePt.x, Items[i].TilePt.y).y);
  }
  EXPECT_EQ(Vills[1].Pos.x, -248);
  EXPECT_EQ(Vills[1].Pos.y, 120);
}

TEST(SetupStage, WalkPhasesComeFromTheSeedHeroFirstThenItemsThenVillagers) {
  ScratchDir dir;
  dir.WriteStage(2, kStageOne);
  Srand(1234);
  int expected[5];
  for (int& phase : expected) phase = Rand() % 24;
  Srand(1234);
  StageNo = 2;
  SetupStage(2);
  EXPECT_EQ(Chara.AnimeCnt, expected[0]);
  EXPECT_EQ(Items[0].AnimeCnt, expected[1]);
  EXPECT_EQ(Items[1].AnimeCnt, expected[2]);
  EXPECT_EQ(Vills[0].AnimeCnt, expected[3]);
  EXPECT_EQ(Vills[1].AnimeCnt, expected[4]);
  for (int seed = 0; seed < 50; seed++) {
    Srand(seed);
    SetupStage(2);
    EXPECT_GE(Chara.AnimeCnt, 0);
    EXPECT_LE(Chara.AnimeCnt, 23);
    for (int i = 0; i < VMAX; i++) {
      EXPECT_GE(Vills[i].AnimeCnt, 0);
      EXPECT_LE(Vills[i].AnimeCnt, 23);
    }
  }
}

TEST(SetupStage, FileWithoutListsOrHeroLeavesThemEmptyOrWhereTheyWere) {
  ScratchDir dir;
  dir.WriteStage(1, kStageOne);
  dir.WriteStage(3, Crlf({"@DA,2", "@E"}));
  StageNo = 1;
  SetupStage(1);
  StageNo = 3;
  SetupStage(3);
  EXPECT_EQ(BMAX, 0);
  EXPECT_EQ(VMAX, 0);
  EXPECT_EQ(Chara.TilePt.x, 4);
  EXPECT_EQ(Chara.TilePt.y, 4);
  EXPECT_EQ(Area, 2);
}

}  // namespace
