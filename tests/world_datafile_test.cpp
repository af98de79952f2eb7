#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/world_stage_text.h"
#include "world/datafile.h"
#include "world/world.h"

using stagetext::Crlf;
using stagetext::ParseText;

namespace {

const std::string kEightLines = Crlf(
    {"@DA,1", "@DH,4,4", "@DB", "0,2,3,104,-1,1", "1,5,5,4,7,1,@", "@DV", "0,6,6,200,1,@", "@E"});

TEST(StageFile, EightLineStageFillsAreaHeroItemsAndVillagers) {
  ParseText(kEightLines);
  EXPECT_EQ(Area, 1);
  EXPECT_EQ(Chara.TilePt.x, 4);
  EXPECT_EQ(Chara.TilePt.y, 4);
  ASSERT_EQ(BMAX, 2);
  EXPECT_EQ(Items[0].No, 0);
  EXPECT_EQ(Items[0].TilePt.x, 2);
  EXPECT_EQ(Items[0].TilePt.y, 3);
  EXPECT_EQ(Items[0].Item, 104);
  EXPECT_EQ(Items[0].Act, -1);
  EXPECT_EQ(Items[0].F, 1);
  EXPECT_EQ(Items[1].No, 1);
  EXPECT_EQ(Items[1].TilePt.x, 5);
  EXPECT_EQ(Items[1].TilePt.y, 5);
  EXPECT_EQ(Items[1].Item, 4);
  EXPECT_EQ(Items[1].Act, 7);
  EXPECT_EQ(Items[1].F, 1);
  ASSERT_EQ(VMAX, 1);
  EXPECT_EQ(Vills[0].No, 0);
  EXPECT_EQ(Vills[0].TilePt.x, 6);
  EXPECT_EQ(Vills[0].TilePt.y, 6);
  EXPECT_EQ(Vills[0].Kind, 200);
  EXPECT_EQ(Vills[0].State, 1);
}

TEST(StageFile, ListClosedOnTheNextLineReadsThatAtSignAsAnotherRecord) {
  ParseText(Crlf({"@DA,1", "@DH,4,4", "@DB", "0,2,3,104,-1,1", "1,5,5,4,7,1", "@", "@DV",
                  "0,6,6,200,1", "@", "@E"}));
  // The lone "@" is record number 0, and the lines after it are its fields.
  EXPECT_GT(BMAX, 2);
  EXPECT_EQ(Items[0].Item, 0);
  EXPECT_EQ(Items[0].TilePt.x, 0);
  EXPECT_EQ(Items[0].TilePt.y, 0);
  EXPECT_EQ(Items[1].Item, 4);
  // "@DV" was swallowed as a field, so no villager list was read.
  EXPECT_EQ(VMAX, 0);
}

TEST(StageFile, AreaMarkFollowedByLineEndReadsTheEmptyToken) {
  Area = 5;
  ParseText(Crlf({"@DA", "3", "@E"}));
  EXPECT_EQ(Area, 0);
}

TEST(StageFile, StageMarkBetweenRecordsChangesNothing) {
  Chara.TilePt = TilePoint{1, 1};
  ParseText(Crlf({"@S3", "@DA,2", "@S10", "@DH,3,5", "@E"}));
  EXPECT_EQ(Area, 2);
  EXPECT_EQ(Chara.TilePt.x, 3);
  EXPECT_EQ(Chara.TilePt.y, 5);
}

TEST(StageFile, TextAndDrawingsBetweenRecordsAreIgnored) {
  ParseText(Crlf({"stage three: \x82\xa0\x82\xa2 the well", "+--+--+", "@DA,6", "| notes |",
                  "@DH,2,7", "@E", "@DA,9"}));
  EXPECT_EQ(Area, 6);
  EXPECT_EQ(Chara.TilePt.x, 2);
  EXPECT_EQ(Chara.TilePt.y, 7);
}

TEST(StageFile, EndMarkStopsTheParserOnItsAtSign) {
  ParseText(Crlf({"@DA,4", "@E", "@DA,8"}));
  EXPECT_EQ(Area, 4);
  EXPECT_EQ(DataBuf[DataPos], '@');
  EXPECT_EQ(DataBuf[DataPos + 1], 'E');
}

TEST(StageFile, LineBreaksBecomeCommasByteForByte) {
  const std::string text = "@DA\r1\n2\r\n";
  LoadDataBuffer(text.data(), static_cast<int>(text.size()));
  ASSERT_EQ(DataSize, static_cast<int>(text.size()));
  EXPECT_EQ(std::string(DataBuf.begin(), DataBuf.end()), "@DA,1,2,,");
}

TEST(StageFile, PictureRecordsLeaveTheRecordsAfterThemToBeRead) {
  // Pictures that exist nowhere: the parser only notes their names for the stage set-up.
  ParseText(Crlf({"@GB,img/nothing.bmp", "@GH,img/none.bmp", "@DA,3", "@E"}));
  EXPECT_EQ(Area, 3);
  EXPECT_EQ(PictureRecords.size(), 2u);
}

TEST(Numbers, ReadLikeAtoi) {
  EXPECT_EQ(ReadNumber("42"), 42);
  EXPECT_EQ(ReadNumber("  -7"), -7);
  EXPECT_EQ(ReadNumber("+12abc"), 12);
  EXPECT_EQ(ReadNumber("abc"), 0);
  EXPECT_EQ(ReadNumber(""), 0);
  EXPECT_EQ(ReadNumber("\t3"), 3);
  EXPECT_EQ(ReadNumber("- 3"), 0);
}

TEST(Numbers, HugeNumbersStopAtALimitInsteadOfOverflowing) {
  EXPECT_EQ(ReadNumber("99999999999999999999"), 1000000000);
  EXPECT_EQ(ReadNumber("-99999999999999999999"), -1000000000);
  EXPECT_EQ(ReadNumber("999999999"), 999999999);
}

TEST(Tokens, EmptyTokenAndTokenCutToTheDestination) {
  LoadDataBuffer(",abcdef,", 8);
  DataPos = 0;
  char dst[4];
  NextToken(dst, sizeof dst);
  EXPECT_STREQ(dst, "");
  EXPECT_EQ(DataPos, 1);
  NextToken(dst, sizeof dst);
  EXPECT_STREQ(dst, "abc");
  EXPECT_EQ(DataPos, 8);
}

TEST(Messages, OneLineMessageGetsOneLinePerPiece) {
  stagetext::ClearMessages();
  ParseText(Crlf({"@M1,first line,second line,@"}));
  EXPECT_STREQ(MesText[1], "first line\r\nsecond line\r\n");
}

TEST(Messages, MessageOverSeveralLinesGetsEmptyLinesAroundEachLine) {
  stagetext::ClearMessages();
  ParseText(Crlf({"@M2", "first", "second", "@"}));
  EXPECT_STREQ(MesText[2], "\r\nfirst\r\n\r\nsecond\r\n\r\n");
}

TEST(Messages, RecordGivenTwiceAppends) {
  stagetext::ClearMessages();
  ParseText(Crlf({"@M0,one,@", "@M0,two,@", "@M11,last,@", "@E"}));
  EXPECT_STREQ(MesText[0], "one\r\ntwo\r\n");
  EXPECT_STREQ(MesText[11], "last\r\n");
}

TEST(Messages, ShiftJisTextPassesThroughUnchanged) {
  stagetext::ClearMessages();
  ParseText(Crlf({"@M4,\x82\xa8\x82\xcb\x81\x5b\x82\xb3\x82\xf1,@"}));
  EXPECT_STREQ(MesText[4], "\x82\xa8\x82\xcb\x81\x5b\x82\xb3\x82\xf1\r\n");
}

}  // namespace
