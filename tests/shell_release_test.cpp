#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/shared_objects.h"
#include "app/shell.h"
#include "platform/events.h"
#include "sound/sound_device.h"
#include "tests/support/headless.h"

namespace {

class ReleaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestBackend().Reset();
    ClearEvents();
    ReleaseDone = false;
    ASSERT_TRUE(display.screen.Open());
    display.backbuffer = Surface(640, 480);
    display.font = Font(20, 12);
  }
  void TearDown() override {
    ReleaseAll();
    ClearEvents();
  }
  void CreateStageSurfaces() {
    for (Surface* s : {&display.back, &display.chara, &display.item, &display.vill, &display.fram,
                       &display.clea, &display.menu})
      MakeSceneSurface(*s, 32, 32);
  }
  static std::vector<std::string> Lines() { return TestBackend().DebugLines(); }
  Display& display = TheDisplay();
};

TEST_F(ReleaseTest, LeavingBeforeAnyStageLogsOnlyTheBackBuffer) {
  MakeSceneSurface(display.chara, 32, 32);  // a front-end scene's own surface
  TestBackend().ClearDebugLines();
  ReleaseAll();
  EXPECT_EQ(Lines(), (std::vector<std::string>{"lpBackbuffer\n", "lpChar\n"}));
  EXPECT_FALSE(display.chara);
  EXPECT_FALSE(display.backbuffer);
  EXPECT_FALSE(display.font);
}

TEST_F(ReleaseTest, LeavingDuringPlayLogsAllEightInOrder) {
  CreateStageSurfaces();
  TestBackend().ClearDebugLines();
  ReleaseAll();
  EXPECT_EQ(Lines(), (std::vector<std::string>{"lpBackbuffer\n", "lpBack\n", "lpChar\n", "lpItem\n",
                                               "lpVill\n", "lpFram\n", "lpClea\n", "lpMenu\n"}));
  EXPECT_FALSE(TestBackend().WindowOpen());
}

TEST_F(ReleaseTest, SharedObjectsAreDestroyedAfterTheSurfacesDisplayFirst) {
  display.pictures = std::make_unique<PictureSlots>();
  display.pictures->DrawOnto(display.backbuffer);
  display.sound = std::make_unique<SoundDevice>();
  display.sound->Init();
  TestBackend().ClearDebugLines();
  ReleaseAll();
  std::vector<std::string> lines = Lines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.front(), "lpBackbuffer\n");
  EXPECT_EQ(lines[lines.size() - 2], "\n----- ＜MyDDraw破棄＞ -----\n");
  EXPECT_EQ(lines.back(), "\n----- ＜MyDSound破棄＞ -----\n");
  EXPECT_EQ(Pictures(), nullptr);
  EXPECT_EQ(display.sound, nullptr);
}

TEST_F(ReleaseTest, SecondRequestReleasesNothingMore) {
  CreateStageSurfaces();
  ReleaseAll();
  TestBackend().ClearDebugLines();
  ReleaseAll();
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(TakeEvent(), GameEvent::Quit);
  EXPECT_FALSE(EventWaiting());  // a single quit
}

TEST_F(ReleaseTest, TheQuitComesAfterTheEventsAlreadyWaiting) {
  PostEvent(GameEvent::Escape);
  ReleaseAll();
  EXPECT_EQ(TakeEvent(), GameEvent::Escape);
  EXPECT_EQ(TakeEvent(), GameEvent::Quit);
}

}  // namespace
