// The game from its bring-up through the front-end scenes into a stage and around the pause
// menu, with keys held across every change of scene. No pictures or stage files: all on black.
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <cstddef>
#include <filesystem>
#include <string>

#include "app/entry.h"
#include "app/shell.h"
#include "scenes/logo.h"
#include "scenes/opening.h"
#include "scenes/pause.h"
#include "scenes/play_scene.h"
#include "scenes/select.h"
#include "scenes/stage_start.h"
#include "tests/support/headless.h"
#include "world/stage_map.h"
#include "world/world.h"

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime (gcc ships no header for it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

namespace fs = std::filesystem;

// Bytes the program holds on the heap right now.
size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  // Large blocks are mapped on their own and counted apart from the arena.
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
#endif
}

class FrontFlow : public ::testing::Test {
 protected:
  void SetUp() override {
    TestBackend().Reset();
    ReleaseDone = false;
    SpaceHeld = ShiftHeld = 0;
    ArrowHeld = 0;
    StageMapReady = 0;
    SelectCursor = 0;
    oldDir_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("kobako_front_flow_" + std::to_string(getpid()));
    fs::create_directories(dir_);
    fs::current_path(dir_);
    ASSERT_EQ(BringUp(), 0);
  }
  void TearDown() override {
    ReleaseAll();
    ClearEvents();
    fs::current_path(oldDir_);
    fs::remove_all(dir_);
  }

  static void Hold(Key key, bool down) { TestBackend().SetKeyDown(key, down); }
  // One idle turn a frame period after the last one.
  static void Turn() {
    TestBackend().SetClock(TestBackend().PeekClock() + 40);
    CurrentScene();
  }
  static void Turns(int n) {
    for (int i = 0; i < n; i++) Turn();
  }
  static bool TurnUntil(SceneFunction scene, int limit) {
    for (int i = 0; i < limit && CurrentScene != scene; i++) Turn();
    return CurrentScene == scene;
  }
  // Releases the key, lets a frame see it up, presses it and lets a frame see it down.
  static void Press(Key key) {
    Hold(key, false);
    Turn();
    Hold(key, true);
    Turn();
  }
  static void Tap(Key key) {
    Press(key);
    Hold(key, false);
    Turn();
  }

  // From the bring-up to the stage select, skipping the logo and turning the pages.
  static void ToSelect() {
    Hold(Key::Space, true);
    Turns(2);
    ASSERT_TRUE(TurnUntil(TitleScene, 3));
    Press(Key::Space);
    ASSERT_TRUE(TurnUntil(OpeningScene, 3));
    for (int page = 0; page < 3; page++) Press(Key::Space);
    ASSERT_TRUE(TurnUntil(SelectScene, 100));
  }

  // From the select screen into play, through the stage start and the wipe.
  static void StartStage() {
    Press(Key::Space);
    ASSERT_EQ(CurrentScene, StageStartScene);
    ASSERT_EQ(StageNo, SelectCursor);
    ASSERT_TRUE(TurnUntil(StageWipeScene, 5));
    Turn();
    ASSERT_EQ(CurrentScene, PlayScene);
    ASSERT_EQ(StageIntro, 0);
  }

  static void OpenPause() {
    Press(Key::Shift);
    ASSERT_TRUE(TurnUntil(PauseScene, 3));
    Turns(3);
    ASSERT_EQ(CurrentScene, PauseScene) << "Shift still held keeps the menu";
    Hold(Key::Shift, false);
  }

  fs::path oldDir_, dir_;
};

TEST_F(FrontFlow, HeldSpaceActsOncePerSceneFromTheLogoIntoAStage) {
  Turn();
  ASSERT_EQ(CurrentScene, LogoScene);
  Hold(Key::Space, true);
  Turn();
  ASSERT_TRUE(TurnUntil(TitleScene, 3));
  Turns(10);
  EXPECT_EQ(CurrentScene, TitleScene);
  Press(Key::Space);
  ASSERT_TRUE(TurnUntil(OpeningScene, 3));
  Turns(10);
  EXPECT_EQ(OpeningPage, 0);
  Press(Key::Space);
  EXPECT_EQ(OpeningPage, 1);
  Press(Key::Space);
  EXPECT_EQ(OpeningPage, 2);
  Press(Key::Space);
  ASSERT_TRUE(TurnUntil(SelectDropScene, 3));
  ASSERT_TRUE(TurnUntil(SelectScene, 80));
  Turns(10);
  EXPECT_EQ(CurrentScene, SelectScene) << "Space held from the opening starts nothing";
  StartStage();
}

TEST_F(FrontFlow, PauseMenuRoundTripsKeepTheMapAndOneSurfaceEach) {
  ToSelect();
  size_t heapAfterFirstRound = 0;
  for (int round = 0; round < 12; round++) {
    SCOPED_TRACE(round);
    if (round == 1) heapAfterFirstRound = HeapInUse();
    StartStage();
    OpenPause();
    // Restart: straight back into play, no wipe.
    Tap(Key::Down);
    Press(Key::Space);
    EXPECT_EQ(CurrentScene, PlayScene);
    Turn();
    EXPECT_EQ(CurrentScene, PlayScene);
    OpenPause();
    Tap(Key::Down);
    Tap(Key::Down);
    ASSERT_EQ(PauseCursor, 2);
    Press(Key::Space);
    ASSERT_EQ(CurrentScene, SelectSetupScene);
    ASSERT_TRUE(TurnUntil(SelectScene, 100));
    ASSERT_TRUE(TheDisplay().back);
    EXPECT_EQ(TheDisplay().back.Height(), 620) << "the stage background was replaced";
    EXPECT_EQ(TheDisplay().chara.Width(), 640);
    EXPECT_EQ(StageMapReady, 1);
    EXPECT_EQ(StageNodes[0].Open, 1);
  }
  // A select picture is about 0.8 MB: eleven leaked rounds would hold some 9 MB more.
  EXPECT_LT(HeapInUse(), heapAfterFirstRound + 1000000);
}

TEST_F(FrontFlow, TitleEntryOfThePauseMenuStartsTheLogoAgain) {
  ToSelect();
  StartStage();
  OpenPause();
  Tap(Key::Up);
  Tap(Key::Up);
  ASSERT_EQ(PauseCursor, 3);
  Press(Key::Space);
  ASSERT_EQ(CurrentScene, LogoSetupScene);
  Turn();
  EXPECT_EQ(CurrentScene, LogoScene);
  EXPECT_EQ(TheDisplay().back.Width(), 480)
      << "the stage background was replaced by the ball picture";
  Turns(5);
  EXPECT_EQ(CurrentScene, LogoScene) << "Space held from the menu does not skip the logo";
  Press(Key::Space);
  ASSERT_TRUE(TurnUntil(TitleScene, 3));
}

}  // namespace
