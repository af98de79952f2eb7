#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/entry.h"
#include "app/shared_objects.h"
#include "app/shell.h"
#include "scenes/logo.h"
#include "tests/support/bmp_writer.h"
#include "tests/support/headless.h"
#include "world/datafile.h"

namespace {

namespace fs = std::filesystem;

void WriteBlackBmp(const fs::path& path, int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, 0);
  WriteFile(path.string(), MakeBmp(width, height, 8, pixels, {0x000000}));
}

class EntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestBackend().Reset();
    ReleaseDone = false;
    oldDir_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("kobako_entry_" + std::to_string(getpid()));
    fs::create_directories(dir_ / "data");
    fs::create_directories(dir_ / "img");
    std::ofstream(dir_ / "data" / "mes.txt") << "@M0\r\nhello\r\n@E\r\n";
    WriteBlackBmp(dir_ / "img" / "frame.bmp", 640, 1000);
    WriteBlackBmp(dir_ / "img" / "Back.bmp", 640, 480);
    fs::current_path(dir_);
  }
  void TearDown() override {
    ReleaseAll();
    ClearEvents();
    fs::current_path(oldDir_);
    fs::remove_all(dir_);
  }
  // Runs the game from its entry, pressing Escape after the given present.
  int RunUntilEscapeAfter(int present) {
    TestBackend().SetPresentHook([present](int count) {
      if (count == present) PostEvent(GameEvent::Escape);
    });
    return RunGame();
  }
  fs::path oldDir_, dir_;
};

TEST_F(EntryTest, NormalStartLogsTheSharedObjectsInOrder) {
  ASSERT_EQ(BringUp(), 0);
  const std::vector<std::string> expected = {
      "\n----- ＜MyDDraw作成＞ -----\n",
      "\t MyDDraw：サーフェイスを作成する\n",
      "\t MyDDraw：サーフェイス取得= 0\n",
      "\t MyDDraw：サーフェイス作成完了\n",
      "\t メモリ領域確保= 0\n",
      "\t MyDDraw：画像読み込み完了= <img/frame.bmp>\n",
      "\t MyDDraw：サーフェイスを作成する\n",
      "\t MyDDraw：サーフェイス取得= 1\n",
      "\t MyDDraw：サーフェイス作成完了\n",
      "\t メモリ領域確保= 1\n",
      "\t MyDDraw：画像読み込み完了= <img/Back.bmp>\n",
      "\n----- ＜MyDSound作成＞ -----\n",
  };
  EXPECT_EQ(TestBackend().DebugLines(), expected);
  EXPECT_EQ(FrameId(), 0);
  EXPECT_EQ(BackId(), 1);
  EXPECT_EQ(Pictures()->Slot(FrameId()).height, 1000);
  EXPECT_EQ(CurrentScene, &LogoSetupScene);
  EXPECT_TRUE(TestBackend().WindowOpen());
  EXPECT_FALSE(TestBackend().CursorShown());
  EXPECT_TRUE(TestBackend().AudioOpen());
  EXPECT_NE(std::string(MesText[0]).find("hello\r\n"), std::string::npos);
}

TEST_F(EntryTest, EscapeEndsTheRunBetweenSceneCallsWithExitCodeZero) {
  EXPECT_EQ(RunUntilEscapeAfter(3), 0);
  EXPECT_EQ(TestBackend().PresentCount(), 3);
  EXPECT_TRUE(ReleaseDone);
  EXPECT_FALSE(TheDisplay().backbuffer);
  EXPECT_EQ(Pictures(), nullptr);
  const std::vector<std::string>& lines = TestBackend().DebugLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "\n----- ＜MyDSound破棄＞ -----\n");
}

TEST_F(EntryTest, ClosingTheWindowEndsTheRunLikeEscape) {
  TestBackend().SetPresentHook([](int count) {
    if (count == 2) PostEvent(GameEvent::Close);
  });
  EXPECT_EQ(RunGame(), 0);
  EXPECT_EQ(TestBackend().PresentCount(), 2);
  EXPECT_TRUE(ReleaseDone);
}

TEST_F(EntryTest, TheQuitEventItselfReleasesNothing) {
  HandleEvent(GameEvent::Quit);
  EXPECT_FALSE(ReleaseDone);
}

TEST_F(EntryTest, TwoQueuedEscapesReleaseOnce) {
  ASSERT_EQ(BringUp(), 0);
  PostEvent(GameEvent::Escape);
  PostEvent(GameEvent::Escape);
  TestBackend().ClearDebugLines();
  EXPECT_EQ(MainLoop(), 0);
  int backbufferLines = 0;
  for (const std::string& line : TestBackend().DebugLines()) {
    if (line == "lpBackbuffer\n") ++backbufferLines;
  }
  EXPECT_EQ(backbufferLines, 1);
}

TEST_F(EntryTest, WithoutADisplayTheGameExitsWithOne) {
  TestBackend().SetDisplayAvailable(false);
  EXPECT_EQ(RunGame(), 1);
  EXPECT_FALSE(TheDisplay().screen.IsOpen());
  EXPECT_TRUE(TestBackend().DebugLines().empty());
}

TEST_F(EntryTest, TuneStartsOnTheFirstIdleTurnAndRestartsWhenItEnds) {
  fs::create_directories(dir_ / "sound");
  std::ofstream(dir_ / "sound" / "kel.mid") << "MThd";
  int startsAtFirstFrame = -1;
  TestBackend().SetPresentHook([&startsAtFirstFrame](int count) {
    if (count == 1) startsAtFirstFrame = TestBackend().MusicStarts();
    if (count == 10) TestBackend().FinishMusic();
    if (count == 13) PostEvent(GameEvent::Escape);
  });
  EXPECT_EQ(RunGame(), 0);
  EXPECT_EQ(startsAtFirstFrame, 1);
  EXPECT_EQ(TestBackend().MusicStarts(), 2);
  EXPECT_TRUE(TestBackend().MusicPlaying());  // not stopped by the shutdown
}

TEST_F(EntryTest, TuneThatEndsAsSoonAsItStartsIsGivenUpWithOneDebugLine) {
  fs::create_directories(dir_ / "sound");
  std::ofstream(dir_ / "sound" / "kel.mid") << "MThd";
  TestBackend().SetPresentHook([](int count) {
    if (count == 1) TestBackend().FinishMusic();
    if (count == 13) PostEvent(GameEvent::Escape);
  });
  EXPECT_EQ(RunGame(), 0);
  EXPECT_EQ(TestBackend().MusicStarts(), 1);
  int lines = 0;
  for (const std::string& line : TestBackend().DebugLines()) {
    lines += line.find("not played again") != std::string::npos;
  }
  EXPECT_EQ(lines, 1);
}

// The turn in which a scene ends the game (the title's second entry) still asks about the tune.
TEST_F(EntryTest, TheTurnThatReleasesStillRestartsAnEndedTune) {
  fs::create_directories(dir_ / "sound");
  std::ofstream(dir_ / "sound" / "kel.mid") << "MThd";
  ASSERT_EQ(BringUp(), 0);
  CurrentScene = [] {
    if (TestBackend().MusicStarts() == 0) return;
    TestBackend().Rest(300);  // a tune that played a while
    TestBackend().FinishMusic();
    ReleaseAll();
  };
  EXPECT_EQ(MainLoop(), 0);
  EXPECT_EQ(TestBackend().MusicStarts(), 2);
}

TEST_F(EntryTest, WithoutATuneTheGameRunsSilently) {
  EXPECT_EQ(RunUntilEscapeAfter(2), 0);
  EXPECT_EQ(TestBackend().MusicStarts(), 0);
}

}  // namespace
