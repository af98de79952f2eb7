// PictureSlots itself: its lookup tables, the surface slots and the lines it writes to the
// debugger.
#include <cmath>
#include <string>
#include <utility>

#include "tests/gfx_fixture.h"

using namespace gfxtest;

namespace {

class PictureSlotsTest : public GfxTest {};

TEST_F(PictureSlotsTest, CreationWritesItsBannerFirst) {
  ASSERT_FALSE(Lines().empty());
  EXPECT_EQ(Lines()[0], "\n----- ＜MyDDraw作成＞ -----\n");
}

TEST_F(PictureSlotsTest, MixingTablesHoldTheirTellingValues) {
  EXPECT_EQ(draw->MulTable[255][255], 254);
  EXPECT_EQ(draw->MulTable[31][128], 15);
  EXPECT_EQ(draw->AddTable5[20][20], 31);
  EXPECT_EQ(draw->AddTable5[20][11], 31);
  EXPECT_EQ(draw->AddTable5[20][10], 30);
  EXPECT_EQ(draw->AddTable6[40][23], 63);
  EXPECT_EQ(draw->AddTable6[40][22], 62);
  EXPECT_EQ(draw->SubTable6[3][9], 0);
  EXPECT_EQ(draw->SubTable5[9][3], 6);
  EXPECT_EQ(draw->BiasTable5[0][0][32], 0);
  EXPECT_EQ(draw->BiasTable5[31][31][127], 31);
  EXPECT_EQ(draw->BiasTable5[10][20][5], 3);
  EXPECT_EQ(draw->BiasTable6[63][63][127], 63);
  EXPECT_EQ(draw->BiasTable6[10][20][40], 6);
  EXPECT_EQ(draw->BiasTable6[10][20][33], 0);
}

TEST_F(PictureSlotsTest, MixingTablesFollowTheirFormulasEverywhere) {
  int wrong = 0;
  for (int i = 0; i < 256; ++i) {
    for (int j = 0; j < 256; ++j) {
      wrong += draw->MulTable[i][j] != (i * j) / 256;
      wrong += draw->AddTable5[i][j] != (i + j > 31 ? 31 : i + j);
      wrong += draw->AddTable6[i][j] != (i + j > 63 ? 63 : i + j);
      wrong += draw->SubTable5[i][j] != (i < j ? 0 : i - j);
      wrong += draw->SubTable6[i][j] != (i < j ? 0 : i - j);
    }
  }
  for (int i = 0; i < 64; ++i) {
    for (int j = 0; j < 64; ++j) {
      for (int k = 0; k < 128; ++k) {
        const int b5 = i + j + k - 32, b6 = i + j + k - 64;
        wrong += draw->BiasTable5[i][j][k] != (b5 < 0 ? 0 : b5 > 31 ? 31 : b5);
        wrong += draw->BiasTable6[i][j][k] != (b6 < 0 ? 0 : b6 > 63 ? 63 : b6);
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(PictureSlotsTest, TurnTablesUseTheShortPiAndTruncate) {
  const int rows[5][3] = {
      {0, 0, 1023}, {32, -724, 724}, {64, -1023, 0}, {128, 0, -1023}, {192, 1023, 0}};
  for (const auto& row : rows) {
    EXPECT_EQ(draw->CosTable[row[0]], row[1]) << "angle " << row[0];
    EXPECT_EQ(draw->SinTable[row[0]], row[2]) << "angle " << row[0];
  }
  // Quarter steps of the table: a = 16 is 5/16 of a half turn past the quarter.
  const double t = (16 + 64) * 3.1415 / 128;
  EXPECT_EQ(draw->CosTable[16], static_cast<int>(std::cos(t) * 1024));
  EXPECT_EQ(draw->SinTable[16], static_cast<int>(std::sin(t) * 1024));
}

TEST_F(PictureSlotsTest, SlotsAreHandedOutFromZeroAndLogged) {
  TestBackend().ClearDebugLines();
  EXPECT_EQ(Make(640, 1000), 0);
  EXPECT_EQ(Make(640, 480), 1);
  const std::vector<std::string> expected = {
      "\t MyDDraw：サーフェイスを作成する\n", "\t MyDDraw：サーフェイス取得= 0\n",
      "\t MyDDraw：サーフェイス作成完了\n",   "\t MyDDraw：サーフェイスを作成する\n",
      "\t MyDDraw：サーフェイス取得= 1\n",    "\t MyDDraw：サーフェイス作成完了\n"};
  EXPECT_EQ(Lines(), expected);
  const SurfaceSlot& slot = draw->Slot(0);
  EXPECT_EQ(slot.width, 640);
  EXPECT_EQ(slot.height, 1000);
  EXPECT_EQ(slot.colorKey, 0);
  EXPECT_EQ(slot.flags, 1u);
  EXPECT_EQ(slot.pixels, nullptr);
}

TEST_F(PictureSlotsTest, ThirtyThirdSlotFailsAfterItsFirstLine) {
  for (int i = 0; i < SLOT_COUNT; ++i) EXPECT_EQ(Make(8, 8), i);
  TestBackend().ClearDebugLines();
  SurfaceId id = 77;
  EXPECT_FALSE(draw->MakeSurface(&id, 8, 8, 0));
  EXPECT_EQ(id, 77);
  EXPECT_EQ(Lines(), std::vector<std::string>{"\t MyDDraw：サーフェイスを作成する\n"});
}

TEST_F(PictureSlotsTest, NewSurfaceReadsBackBlack) {
  const SurfaceId id = Make(32, 16);
  // The surface starts black even if the memory it got held something.
  FillSlot(id, 0x1234);
  draw->FillSurface(id, 0);
  const Surface& surface = draw->Slot(id).surface;
  ASSERT_EQ(surface.Width(), 32);
  int lit = 0;
  for (int i = 0; i < 32 * 16; ++i) lit += surface.Pixels()[i] != 0;
  EXPECT_EQ(lit, 0);
  EXPECT_EQ(draw->Slot(Make(5, 5)).surface.Pixels()[24], 0);
}

TEST_F(PictureSlotsTest, ColourKeyMinusOneLeavesSurfaceUnkeyed) {
  const SurfaceId plain = Make(4, 4, -1);
  const SurfaceId keyed = Make(4, 4, 0);
  EXPECT_FALSE(draw->Slot(plain).surface.HasKey());
  EXPECT_TRUE(draw->Slot(keyed).surface.HasKey());
  EXPECT_EQ(draw->Slot(keyed).surface.Key(), 0);
}

TEST_F(PictureSlotsTest, SurfaceThatCannotBeMadeLeavesItsSlotFree) {
  SurfaceId id = -1;
  EXPECT_FALSE(draw->MakeSurface(&id, 0, 480, 0));
  EXPECT_FALSE(draw->Slot(0).surface);
  EXPECT_EQ(draw->Slot(0).flags, 0u);
  EXPECT_EQ(Make(8, 8), 0);
}

TEST_F(PictureSlotsTest, FillSurfaceCoversTheWholeSlot) {
  const SurfaceId id = Make(20, 10);
  draw->FillSurface(id, 0xF800);
  EXPECT_EQ(At(id, 0, 0), 0xF800);
  EXPECT_EQ(At(id, 19, 9), 0xF800);
}

TEST_F(PictureSlotsTest, LogLinesUseTheirThreeFormats) {
  TestBackend().ClearDebugLines();
  draw->Log("a");
  draw->LogValue("b", -7);
  draw->LogText("c", "d");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"a\n", "b= -7\n", "c= <d>\n"}));
}

TEST_F(PictureSlotsTest, OverlongLogLineIsCutAt127BytesOnAWholeCharacterAndEndsItsLine) {
  TestBackend().ClearDebugLines();
  draw->LogText("\t MyDDraw：ファイルの読み取り失敗", std::string(300, 'x').c_str());
  // Three-byte characters from byte 126 on: the cut falls inside the first of them.
  draw->Log((std::string(124, 'y') + "ファイル").c_str());
  ASSERT_EQ(Lines().size(), 2u);
  EXPECT_EQ(Lines()[0].size(), 127u);
  const std::string start = "\t MyDDraw：ファイルの読み取り失敗= <xxx";
  EXPECT_EQ(Lines()[0].substr(0, start.size()), start);
  EXPECT_EQ(Lines()[0].back(), '\n');
  EXPECT_EQ(Lines()[1], std::string(124, 'y') + "\n");
}

TEST_F(PictureSlotsTest, DestructionReleasesLoadedSlotsInOrder) {
  MakeFilled(4, 4, 0x1111);
  MakeFilled(4, 4, 0x2222);
  Make(4, 4);  // created, never loaded: no line
  TestBackend().ClearDebugLines();
  draw.reset();
  const std::vector<std::string> expected = {"\t メモリ領域解放= 0\n",
                                             "\t 解放成功\n",
                                             "\t メモリ領域解放= 1\n",
                                             "\t 解放成功\n",
                                             "\t MyDDraw：解放処理開始= <MyDDraw>\n",
                                             "\t MyDDraw：解放処理終了= <MyDDraw>\n",
                                             "\n----- ＜MyDDraw破棄＞ -----\n"};
  EXPECT_EQ(Lines(), expected);
}

TEST_F(PictureSlotsTest, ABackBufferMadeAfreshIsTheOneDrawnOnto) {
  Make(640, 480);  // slot 0 bounds the copy
  const SurfaceId id = MakeFilled(2, 2, 0x0841);
  Surface first = std::move(backbuffer);
  backbuffer = Surface(640, 480);
  BlitRequest r = Request(BLIT_COPY, id, Rect{0, 0, 2, 2}, 5, 5);
  draw->Blit(r);
  EXPECT_EQ(Back(5, 5), 0x0841);
  EXPECT_EQ(first.Pixels()[5 * 640 + 5], 0);
}

}  // namespace
