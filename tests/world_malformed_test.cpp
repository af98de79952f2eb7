// Files the format does not allow: the parser stays inside its tables and keeps the world on the
// map.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "tests/world_stage_text.h"
#include "world/datafile.h"
#include "world/world.h"

using stagetext::Crlf;
using stagetext::ParseText;

namespace {

void ExpectWorldOnTheMap() {
  ASSERT_GE(BMAX, 0);
  ASSERT_LE(BMAX, ITEM_CAPACITY);
  ASSERT_GE(VMAX, 0);
  ASSERT_LE(VMAX, VILL_CAPACITY);
  EXPECT_TRUE(InMap(Chara.TilePt.x, Chara.TilePt.y));
  for (const ItemRec& item : Items) EXPECT_TRUE(InMap(item.TilePt.x, item.TilePt.y));
  for (const VillRec& vill : Vills) EXPECT_TRUE(InMap(vill.TilePt.x, vill.TilePt.y));
  for (const char* text : MesText) EXPECT_LT(std::strlen(text), static_cast<size_t>(MES_SIZE));
}

TEST(MalformedMessages, NumberOutsideTheTwelveSlotsIsSkipped) {
  stagetext::ClearMessages();
  ParseText(Crlf({"@M12,lost,@", "@M-1,lost too,@", "@M99999999999,lost,@", "@DA,3", "@E"}));
  for (const char* text : MesText) EXPECT_STREQ(text, "");
  EXPECT_EQ(Area, 3);
}

TEST(MalformedMessages, OverLongMessageIsCutAtItsSlot) {
  stagetext::ClearMessages();
  const std::string longLine(2000, 'a');
  ParseText("@M3," + longLine + ",second,@,@M4,next,@,");
  EXPECT_EQ(std::strlen(MesText[3]), static_cast<size_t>(MES_SIZE - 1));
  EXPECT_EQ(MesText[3][0], 'a');
  EXPECT_STREQ(MesText[4], "next\r\n");
  EXPECT_STREQ(MesText[2], "");
}

TEST(MalformedMessages, MessageRunningToTheEndOfTheDataStops) {
  stagetext::ClearMessages();
  ParseText("@M5,hello,world");
  EXPECT_STREQ(MesText[5], "hello\r\nworld\r\n");
}

// Ignored records still count, but nothing of an earlier stage is left in the slots they count
// or name: an empty item is hidden and harmless, an empty villager absent.
TEST(MalformedStage, RecordIndexOutsideTheTableIsIgnored) {
  Items[0].Item = 321;
  ParseText(Crlf({"@DB", "50,1,1,104,-1,1", "-1,2,2,104,-1,1,@", "@DV", "11,3,3,200,1,@", "@E"}));
  EXPECT_EQ(BMAX, 2);
  EXPECT_EQ(Items[0].Item, 0);
  EXPECT_EQ(Items[0].F, 0);
  EXPECT_EQ(VMAX, 1);
  ExpectWorldOnTheMap();
}

TEST(MalformedStage, RecordOffTheMapIsIgnoredWholeAndEmptiesItsSlot) {
  ParseText(Crlf({"@DB", "0,1,1,104,-1,1", "1,2,2,321,3,1", "0,9,1,104,-1,1,@", "@DV",
                  "0,3,3,222,1", "0,3,9,200,1,@", "@E"}));
  EXPECT_EQ(Items[0].Item, 0);
  EXPECT_EQ(Items[0].Act, -1);
  EXPECT_EQ(Items[1].Item, 321);
  EXPECT_EQ(Vills[0].Kind, 0);
  EXPECT_EQ(Vills[0].State, 0);
  ExpectWorldOnTheMap();
}

TEST(MalformedStage, AreaWithoutAPictureNameIsAreaZero) {
  for (const char* area : {"@DA,-1", "@DA,100", "@DA,2147483647", "@DA,-99999999999"}) {
    Area = 5;
    ParseText(area);
    EXPECT_EQ(Area, 0) << area;
  }
  ParseText("@DA,99");
  EXPECT_EQ(Area, 99);
}

TEST(MalformedStage, HeroStartOffTheMapKeepsTheOldTile) {
  Chara.TilePt = TilePoint{2, 6};
  ParseText(Crlf({"@DH,9,4", "@DH,3,-2", "@E"}));
  EXPECT_EQ(Chara.TilePt.x, 2);
  EXPECT_EQ(Chara.TilePt.y, 6);
}

TEST(MalformedStage, TooManyRecordsFillTheTablesAndNoMore) {
  std::string text = "@DB\r\n";
  for (int i = 0; i < 70; i++) text += std::to_string(i % 50) + ",1,1,3,-1,1\r\n";
  text += "0,1,1,3,-1,1,@\r\n@DV\r\n";
  for (int i = 0; i < 20; i++) text += std::to_string(i % 11) + ",2,2,200,1\r\n";
  text += "0,2,2,200,1,@\r\n@E\r\n";
  ParseText(text);
  EXPECT_EQ(BMAX, ITEM_CAPACITY);
  EXPECT_EQ(VMAX, VILL_CAPACITY);
  ExpectWorldOnTheMap();
}

TEST(MalformedStage, LastTokenWithoutCommaEndsAtTheEndOfTheData) {
  ParseText("@DA,7");
  EXPECT_EQ(Area, 7);
  ParseText("@DH,3,8");
  EXPECT_EQ(Chara.TilePt.x, 3);
  EXPECT_EQ(Chara.TilePt.y, 8);
}

TEST(MalformedStage, FileWithoutEndMarkIsParsedToItsEnd) {
  ParseText(Crlf({"@DA,2", "@DB", "0,4,5,110,-1,1,@"}));
  EXPECT_EQ(Area, 2);
  ASSERT_EQ(BMAX, 1);
  EXPECT_EQ(Items[0].Item, 110);
  EXPECT_GE(DataPos, DataSize);
}

TEST(MalformedStage, ListCutShortByTheEndOfTheData) {
  ParseText("@DB,,0,4,5");
  EXPECT_EQ(BMAX, 1);
  ExpectWorldOnTheMap();
  ParseText("@DB");
  EXPECT_EQ(BMAX, 0);
  ParseText("@DV,,");
  EXPECT_EQ(VMAX, 0);
  ParseText("@");
  ParseText("@D");
  ParseText("@M");
  ExpectWorldOnTheMap();
}

// Any bytes at all, built from the marks and separators the parser reacts to.
TEST(MalformedStage, RandomBytesNeverLeaveTheTablesOrTheMap) {
  const char alphabet[] = "@@@DDABHVEGMS,,,\r\n0123456789--+ x";
  std::mt19937 random(7);
  for (int round = 0; round < 3000; round++) {
    std::string text;
    const int length = static_cast<int>(random() % 300);
    for (int i = 0; i < length; i++) text += alphabet[random() % (sizeof alphabet - 1)];
    ParseText(text);
    ExpectWorldOnTheMap();
    if (HasFailure()) {
      ADD_FAILURE() << "input: " << text;
      return;
    }
  }
}

}  // namespace
