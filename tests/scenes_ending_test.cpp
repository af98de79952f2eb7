// The ending: the scroll, Tab, and Space back to the logo with a fresh map.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/progress_file.h"
#include "scenes/ending.h"
#include "scenes/logo.h"
#include "scenes/select.h"
#include "tests/scenes_front_fixture.h"

namespace {

class Ending : public frontfix::FrontScenes {
 protected:
  // The picture's line n carries the colour n + 1, so the top line on screen tells the scroll.
  void Enter() {
    EndingScroll = 0;  // as after the last ending, or at the start of a run
    EndingSetupScene();
    ASSERT_EQ(CurrentScene, EndingScene);
    ASSERT_TRUE(TheDisplay().back);
    for (int line = 0; line < 2000; line++) {
      Paint(TheDisplay().back, Rect{0, line, 640, line + 1}, static_cast<uint16_t>(line + 1));
    }
  }

  static int TopLine() { return Shown(0, 0) - 1; }
};

TEST_F(Ending, ScrollReachesTheBottomAfterSevenHundredSixtyFrames) {
  TheDisplay().screen.ShowFill(0xFFFF);
  Enter();
  EXPECT_EQ(Shown(0, 0), 0) << "the screen turns black at once";
  for (int frame = 1; frame <= 759; frame++) {
    Turn(20);
    ASSERT_EQ(TopLine(), 2 * (frame - 1));
  }
  EXPECT_EQ(EndingScroll, 1518);
  Turn(20);
  EXPECT_EQ(EndingScroll, 1520);
  for (int i = 0; i < 50; i++) Turn(20);
  EXPECT_EQ(TopLine(), 1520) << "the last 480 lines fill the screen and stay";
  EXPECT_EQ(Shown(0, 479), 2000);
  EXPECT_EQ(CurrentScene, EndingScene);
}

TEST_F(Ending, RunsOnItsOwnTwentyMillisecondGate) {
  Enter();
  Turn(20);
  const int frames = Presents();
  Turn(18);
  EXPECT_EQ(Presents(), frames);
  Turn(2);
  EXPECT_EQ(Presents(), frames + 1);
}

TEST_F(Ending, TabHeldReachesTheBottomInOneHundredNinetyFrames) {
  Enter();
  Hold(Key::Tab, true);
  for (int frame = 1; frame <= 189; frame++) Turn(20);
  EXPECT_EQ(EndingScroll, 1512);
  Turn(20);
  EXPECT_EQ(EndingScroll, 1520);
  Turn(20);
  EXPECT_EQ(EndingScroll, 1520) << "Tab at the bottom stays there";
  EXPECT_EQ(TopLine(), 1520);
}

TEST_F(Ending, SpaceResetsTheMapAndStartsTheLogo) {
  StageMapReady = 1;
  InitStageMap();
  for (StageNode& node : StageNodes) node.Open = node.Cleared = 1;
  SelectCursor = 6;
  Enter();
  for (int i = 0; i < 30; i++) Turn(20);
  const int before = Presents();
  Hold(Key::Space, true);
  Hold(Key::Tab, true);
  Turn(20);
  EXPECT_EQ(Presents(), before + 1) << "the frame Space is taken is still shown";
  EXPECT_EQ(CurrentScene, LogoSetupScene);
  EXPECT_EQ(StageMapReady, 0);
  EXPECT_EQ(SelectCursor, 0);
  EXPECT_EQ(EndingScroll, 0) << "the next ending starts from the top";
  EXPECT_FALSE(TheDisplay().back);
  // The next visit of the stage select lays out a fresh map.
  SelectSetupScene();
  EXPECT_EQ(StageNodes[0].Open, 1);
  for (int i = 1; i < NODE_COUNT; i++) EXPECT_EQ(StageNodes[i].Open, 0) << i;
  for (const StageNode& node : StageNodes) EXPECT_EQ(node.Cleared, 0);
}

TEST_F(Ending, SpaceHeldFromTheLastClearDoesNotEndIt) {
  SpaceHeld = 1;
  Hold(Key::Space, true);
  Enter();
  for (int i = 0; i < 20; i++) Turn(20);
  EXPECT_EQ(CurrentScene, EndingScene);
  Hold(Key::Space, false);
  Turn(20);
  Hold(Key::Space, true);
  Turn(20);
  EXPECT_EQ(CurrentScene, LogoSetupScene);
}

TEST_F(Ending, PlayedThroughItForgetsTheProgressOfThisRunAndTheNext) {
  namespace fs = std::filesystem;
  const fs::path file = fs::temp_directory_path() / ("kobako_ending_" + std::to_string(getpid()));
  std::ofstream(file) << "kobako progress 1\nopen 0 1\ncleared 0\ncursor 1\nend\n";
  SetProgressFile(file.string());
  ReadProgress();  // kept for the first map of the run, which the player has not seen yet
  Enter();
  Hold(Key::Space, true);
  Turn(20);
  EXPECT_FALSE(fs::exists(file));
  SetProgressFile("");
  SelectSetupScene();
  EXPECT_EQ(StageNodes[1].Open, 0);
  EXPECT_EQ(SelectCursor, 0);
}

}  // namespace
