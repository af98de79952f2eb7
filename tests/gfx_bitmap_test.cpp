// Pictures into slots and scene surfaces: sizes, the pixel copy, the log lines and failures.
#include <string>

#include "tests/gfx_fixture.h"

using namespace gfxtest;

namespace {

class BitmapTest : public GfxTest {
 protected:
  // A picture whose every pixel tells its position.
  static std::vector<uint16_t> Pattern(int width, int height) {
    std::vector<uint16_t> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        pixels[static_cast<size_t>(y) * width + x] = Rgb(x % 32, y % 64, (x + y) % 31 + 1);
      }
    }
    return pixels;
  }
  std::string WritePattern(const std::string& name, int width, int height) {
    const std::string path = TempPath(name);
    WriteBmp(path, width, height, Pattern(width, height));
    return path;
  }
};

TEST_F(BitmapTest, ScreenSizedPictureFillsSlotAndItsCopy) {
  const SurfaceId id = Make(640, 480);
  const std::string path = WritePattern("back.bmp", 640, 480);
  TestBackend().ClearDebugLines();
  ASSERT_TRUE(draw->ReadBitmap(id, path.c_str()));
  const std::vector<std::string> expected = {"\t メモリ領域確保= 0\n",
                                             "\t MyDDraw：画像読み込み完了= <" + path + ">\n"};
  EXPECT_EQ(Lines(), expected);
  const SurfaceSlot& slot = draw->Slot(id);
  EXPECT_EQ(slot.width, 640);
  EXPECT_EQ(slot.height, 480);
  EXPECT_EQ(slot.flags, 3u);
  ASSERT_NE(slot.pixels, nullptr);
  const std::vector<uint16_t> pattern = Pattern(640, 480);
  int differ = 0;
  for (int i = 0; i < 640 * 480; ++i) {
    differ += slot.pixels[i] != pattern[i];
    differ += slot.surface.Pixels()[i] != pattern[i];
  }
  EXPECT_EQ(differ, 0);
  EXPECT_EQ(std::string(slot.name), path.substr(0, 31));
}

TEST_F(BitmapTest, StartUpLoadsFrameAndBackInOrder) {
  const std::string frame = WritePattern("frame.bmp", 640, 1000);
  const std::string back = WritePattern("Back.bmp", 640, 480);
  TestBackend().ClearDebugLines();
  SurfaceId frameId = -1, backId = -1;
  ASSERT_TRUE(draw->MakeSurface(&frameId, 640, 1000, 0));
  draw->ReadBitmap(frameId, frame.c_str());
  ASSERT_TRUE(draw->MakeSurface(&backId, 640, 480, 0));
  draw->ReadBitmap(backId, back.c_str());
  const std::vector<std::string> expected = {"\t MyDDraw：サーフェイスを作成する\n",
                                             "\t MyDDraw：サーフェイス取得= 0\n",
                                             "\t MyDDraw：サーフェイス作成完了\n",
                                             "\t メモリ領域確保= 0\n",
                                             "\t MyDDraw：画像読み込み完了= <" + frame + ">\n",
                                             "\t MyDDraw：サーフェイスを作成する\n",
                                             "\t MyDDraw：サーフェイス取得= 1\n",
                                             "\t MyDDraw：サーフェイス作成完了\n",
                                             "\t メモリ領域確保= 1\n",
                                             "\t MyDDraw：画像読み込み完了= <" + back + ">\n"};
  EXPECT_EQ(Lines(), expected);
  EXPECT_EQ(frameId, 0);
  EXPECT_EQ(backId, 1);
}

TEST_F(BitmapTest, ShorterPictureLeavesLowerRowsAlone) {
  const SurfaceId id = Make(640, 1000);
  draw->FillSurface(id, 0x5555);
  const std::string path = WritePattern("frame.bmp", 640, 700);
  ASSERT_TRUE(draw->ReadBitmap(id, path.c_str()));
  const SurfaceSlot& slot = draw->Slot(id);
  EXPECT_EQ(slot.width, 640);
  EXPECT_EQ(slot.height, 700);
  EXPECT_EQ(At(id, 3, 699), Pattern(640, 700)[699 * 640 + 3]);
  EXPECT_EQ(At(id, 0, 700), 0x5555);
  EXPECT_EQ(At(id, 639, 999), 0x5555);
  EXPECT_EQ(slot.copyWidth, 640);
  EXPECT_EQ(slot.copyHeight, 700);
}

TEST_F(BitmapTest, MissingFileIsLoggedAndChangesNothing) {
  const SurfaceId id = Make(16, 8);
  draw->FillSurface(id, 0x0F0F);
  TestBackend().ClearDebugLines();
  EXPECT_FALSE(draw->ReadBitmap(id, "img/nothing_here.bmp"));
  EXPECT_EQ(Lines(), std::vector<std::string>{
                         "\t MyDDraw：ファイルの読み取り失敗= <img/nothing_here.bmp>\n"});
  const SurfaceSlot& slot = draw->Slot(id);
  EXPECT_EQ(slot.width, 16);
  EXPECT_EQ(slot.height, 8);
  EXPECT_EQ(slot.flags, 1u);
  EXPECT_EQ(slot.pixels, nullptr);
  EXPECT_EQ(At(id, 15, 7), 0x0F0F);
}

TEST_F(BitmapTest, SecondLoadKeepsTheFirstCopy) {
  const SurfaceId id = Make(64, 64);
  Load(id, 64, 64, std::vector<uint16_t>(64 * 64, 0x1111));
  const std::string second = TempPath("smaller.bmp");
  WriteBmp(second, 32, 16, std::vector<uint16_t>(32 * 16, 0x2222));
  TestBackend().ClearDebugLines();
  ASSERT_TRUE(draw->ReadBitmap(id, second.c_str()));
  EXPECT_EQ(Lines(), std::vector<std::string>{"\t MyDDraw：画像読み込み完了= <" + second + ">\n"});
  const SurfaceSlot& slot = draw->Slot(id);
  EXPECT_EQ(slot.width, 32);
  EXPECT_EQ(slot.height, 16);
  EXPECT_EQ(slot.pixels[0], 0x1111);
  EXPECT_EQ(At(id, 0, 0), 0x2222);
  EXPECT_EQ(At(id, 40, 40), 0x1111);
}

TEST_F(BitmapTest, LongFileNameKeepsItsFirst31Characters) {
  const SurfaceId id = Make(4, 4);
  const std::string path = TempPath(std::string(60, 'n') + ".bmp");
  WriteBmp(path, 4, 4, std::vector<uint16_t>(16, 0x0001));
  ASSERT_TRUE(draw->ReadBitmap(id, path.c_str()));
  EXPECT_EQ(std::string(draw->Slot(id).name), path.substr(0, 31));
}

TEST_F(BitmapTest, PictureLargerThanItsSlotIsCutToIt) {
  const SurfaceId id = Make(10, 10);
  const std::string path = WritePattern("large.bmp", 30, 20);
  ASSERT_TRUE(draw->ReadBitmap(id, path.c_str()));
  const SurfaceSlot& slot = draw->Slot(id);
  EXPECT_EQ(slot.width, 10);
  EXPECT_EQ(slot.height, 10);
  EXPECT_EQ(slot.copyWidth * slot.copyHeight, 100);
  EXPECT_EQ(At(id, 9, 9), Pattern(30, 20)[9 * 30 + 9]);
}

TEST_F(BitmapTest, SceneSurfaceLoadsSilently) {
  Surface surface(40, 30);
  const std::string path = WritePattern("chara.bmp", 20, 10);
  TestBackend().ClearDebugLines();
  LoadBitmapSurface(surface, path.c_str());
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(surface.Pixels()[9 * 40 + 19], Pattern(20, 10)[9 * 20 + 19]);
  EXPECT_EQ(surface.Pixels()[10 * 40 + 19], 0);
  EXPECT_EQ(surface.Pixels()[9 * 40 + 20], 0);
}

TEST_F(BitmapTest, SceneSurfaceKeepsContentsWhenFileIsMissing) {
  Surface surface(8, 8);
  surface.Fill(0x7777);
  LoadBitmapSurface(surface, "img/missing.bmp");
  Surface none;
  LoadBitmapSurface(none, WritePattern("any.bmp", 4, 4).c_str());
  EXPECT_EQ(surface.Pixels()[63], 0x7777);
  EXPECT_EQ(Lines().size(), 1u);  // only the creation banner
}

}  // namespace
