// The pictures a stage file names: loaded into the stage's background and hero surfaces as the
// stage is set up, only from inside the data folder, and at most four a file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "app/shell.h"
#include "play/play_frame.h"
#include "tests/support/bmp_writer.h"
#include "tests/support/headless.h"
#include "tests/world_stage_text.h"
#include "world/datafile.h"

using stagetext::Crlf;
using stagetext::ScratchDir;

namespace {

class StagePictures : public ::testing::Test {
 protected:
  void SetUp() override {
    TestBackend().Reset();
    // Stage surfaces are made only while the screen is open.
    ASSERT_TRUE(TheDisplay().screen.Open());
    ASSERT_TRUE(WriteFile("red.bmp", MakeBmp(2, 2, 24, {0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000})));
    ASSERT_TRUE(WriteFile("blue.bmp", MakeBmp(2, 2, 24, {0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF})));
  }

  void TearDown() override {
    Display& display = TheDisplay();
    ReleaseSurface(display.back);
    ReleaseSurface(display.chara);
    display.screen.Close();
  }

  ScratchDir dir_;
};

TEST_F(StagePictures, PictureRecordsLoadIntoTheStageSurfaces) {
  Display& display = TheDisplay();
  MakeSceneSurface(display.back, 4, 4);
  MakeSceneSurface(display.chara, 4, 4);
  stagetext::ParseText(Crlf({"@GB,red.bmp", "@GH,blue.bmp", "@E"}));
  LoadStagePictures();
  EXPECT_EQ(display.back.Pixels()[0], 0xF800);
  EXPECT_EQ(display.back.Pixels()[4 + 1], 0xF800);
  EXPECT_EQ(display.back.Pixels()[2], 0);
  EXPECT_EQ(display.chara.Pixels()[0], 0x001F);
}

TEST_F(StagePictures, PicturesComeFromInsideTheDataFolderAndAtMostFourPerFile) {
  ASSERT_EQ(mkfifo("pipe.bmp", 0600), 0);
  Display& display = TheDisplay();
  MakeSceneSurface(display.back, 4, 4);
  const std::string outside = std::filesystem::absolute("red.bmp").string();
  const std::string first = "@GB," + outside;
  stagetext::ParseText(Crlf(
      {first.c_str(), "@GB,data/../red.bmp", "@GB,pipe.bmp", "@GB,none.bmp", "@GB,red.bmp", "@E"}));
  LoadStagePictures();
  EXPECT_EQ(display.back.Pixels()[0], 0);
  stagetext::ParseText(Crlf({"@GB,red.bmp", "@E"}));
  LoadStagePictures();
  EXPECT_EQ(display.back.Pixels()[0], 0xF800);
}

TEST_F(StagePictures, RecordsForSurfacesNotMadeLoadNothingAndCountNone) {
  // As for the message file, read at start-up before any stage surface exists: the hero's
  // records find no surface and leave the background's four loads untouched.
  Display& display = TheDisplay();
  MakeSceneSurface(display.back, 4, 4);
  stagetext::ParseText(Crlf({"@GH,blue.bmp", "@GH,blue.bmp", "@GH,blue.bmp", "@GH,blue.bmp",
                             "@GB,none.bmp", "@GB,red.bmp", "@E"}));
  LoadStagePictures();
  EXPECT_FALSE(display.chara);
  EXPECT_EQ(display.back.Pixels()[0], 0xF800);
}

}  // namespace
