// The scenes that run a stage: the stage start, the wipe that reveals it, and the play scene with
// its hand-overs to the wipe, the pause menu, the stage select and the ending.
#include <gtest/gtest.h>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define KOBAKO_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KOBAKO_ASAN 1
#endif
#endif
#if defined(KOBAKO_ASAN)
// The sanitizer's allocator replaces malloc's, so ask it directly.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

#include <cstdio>
#include <string>
#include <vector>

#include "platform/events.h"
#include "play/advice.h"
#include "play/clear_sequence.h"
#include "play/movement.h"
#include "play/play_frame.h"
#include "play/search.h"
#include "play/stage_state.h"
#include "play/undo.h"
#include "play/windows.h"
#include "play/world_state.h"
#include "scenes/ending.h"
#include "scenes/pause.h"
#include "scenes/play_scene.h"
#include "scenes/select.h"
#include "scenes/stage_start.h"
#include "tests/play_stage_fixture.h"

namespace {

using namespace stagefix;

constexpr uint16_t kStageBack = 0x3333;
constexpr uint16_t kOtherHero = 0x5555;
// The villager sheet: each kind's standing picture blue, its two walking pictures red. The wipe's
// darkening takes from each channel alone, so a darkened figure keeps its one channel.
constexpr uint16_t kStandingVill = 0x001F;
constexpr uint16_t kWalkingVill = 0xF800;

void WriteText(const std::string& path, const std::string& text) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr) << path;
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
}

// Bytes the program holds on the heap right now.
size_t HeapInUse() {
#if defined(KOBAKO_ASAN)
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

class StageScenes : public StageTest {
 protected:
  void SetUp() override {
    StageTest::SetUp();
    std::filesystem::create_directories("data");
    WriteBitmap("img/back2.bmp", 640, 480, [](int, int) { return kStageBack; });
    WriteBitmap("img/hero.bmp", 64, 64, [](int, int) { return kHeroColour; });
    WriteBitmap("img/other.bmp", 64, 64, [](int, int) { return kOtherHero; });
    ResetClearSequence();
    StageIntro = 0;
    CurrentScene = PlayScene;
    // Far from the frame times earlier tests left behind.
    TestBackend().SetClock(1000000);
    PlayTime = 0;
  }

  // One idle turn, long enough after the last one for any frame gate.
  static void Turn() {
    TestBackend().SetClock(TestBackend().PeekClock() + 40);
    CurrentScene();
  }

  // A picture in which every pixel differs from its neighbours, and never black.
  static uint16_t Stage(int x, int y) { return static_cast<uint16_t>((x * 7 + y * 641) | 0x8000); }

  static void DrawStagePicture() {
    for (int y = 0; y < 480; y++)
      for (int x = 0; x < 640; x++) Backbuffer().Pixels()[y * 640 + x] = Stage(x, y);
  }

  static int Presents() { return TestBackend().PresentCount(); }
};

TEST_F(StageScenes, StageStartBuildsTheStageAndBlanksTheScreen) {
  WriteText("data/data03.txt", "@DA,2\r\n@DH,4,4\r\n@E\r\n");
  StageNo = 3;
  TheDisplay().screen.ShowFill(0x1234);
  CurrentScene = StageStartScene;
  Turn();
  EXPECT_EQ(CurrentScene, PlayScene);
  EXPECT_EQ(StageIntro, 1);
  EXPECT_EQ(Presents(), 0);
  EXPECT_EQ(Area, 2);
  Display& display = TheDisplay();
  EXPECT_EQ(PixelAt(display.back, 10, 10), kStageBack);
  EXPECT_EQ(PixelAt(display.chara, 10, 10), kHeroColour);
  const Surface& shown = display.screen.Shown();
  for (int i = 0; i < 640 * 480; i++) ASSERT_EQ(shown.Pixels()[i], 0) << i;
  struct Size {
    const Surface* s;
    int w, h;
  };
  for (Size want : {Size{&display.back, 640, 480}, Size{&display.chara, 640, 480},
                    Size{&display.item, 700, 1100}, Size{&display.vill, 576, 1000},
                    Size{&display.menu, 640, 480}, Size{&display.fram, 640, 1000},
                    Size{&display.clea, 640, 480}}) {
    ASSERT_TRUE(*want.s);
    EXPECT_EQ(want.s->Width(), want.w);
    EXPECT_EQ(want.s->Height(), want.h);
  }
  // The keyed sheets leave black out.
  for (const Surface* keyed :
       {&display.chara, &display.item, &display.vill, &display.fram, &display.clea}) {
    EXPECT_TRUE(keyed->HasKey());
    EXPECT_EQ(keyed->Key(), 0);
  }
  EXPECT_FALSE(display.back.HasKey());
}

TEST_F(StageScenes, RepeatedStageStartsKeepOneSetOfSurfaces) {
  WriteText("data/data03.txt", "@DA,2\r\n@DH,4,4\r\n@E\r\n");
  StageNo = 3;
  StageStartScene();
  size_t before = HeapInUse();
  for (int i = 0; i < 10; i++) StageStartScene();
  // One set of the seven stage surfaces is about 4.6 MB; ten leaked sets would be 46 MB.
  EXPECT_LT(HeapInUse(), before + 1000000);
}

TEST_F(StageScenes, StageFileCanBringItsOwnHeroPicture) {
  WriteText("data/data05.txt", "@DA,2\r\n@GH,img/other.bmp\r\n@E\r\n");
  StageNo = 5;
  StageStartScene();
  EXPECT_EQ(PixelAt(TheDisplay().chara, 10, 10), kOtherHero);
}

// Set-up leaves the villagers' pictures to the first animation step, so the wipe shows a reused
// slot in the pose it had in the stage before; a slot an ignored record emptied shows nothing.
TEST_F(StageScenes, WipeDrawsAReusedVillagerSlotInItsEarlierPicture) {
  WriteBitmap("img/vill.bmp", 576, 1000,
              [](int x, int) { return x / 64 % 3 == 0 ? kStandingVill : kWalkingVill; });
  WriteText("data/data03.txt", "@DA,2\r\n@DH,8,0\r\n@DV\r\n0,4,4,205,1,@\r\n@E\r\n");
  WriteText("data/data04.txt", "@DA,2\r\n@DH,8,0\r\n@DV\r\n0,2,6,200,1,@\r\n@E\r\n");
  WriteText("data/data05.txt", "@DA,2\r\n@DH,8,0\r\n@DV\r\n0,2,6,200,1\r\n0,9,4,205,1,@\r\n@E\r\n");
  int walking = 0, standing = 0;
  TestBackend().SetPresentHook([&](int) {  // the wipe's first frame only
    if (CurrentScene != StageWipeScene || WipeWidth != 16) return;
    for (uint16_t p : TestBackend().PrimaryPixels()) {
      walking += p != 0 && (p & 0x07FF) == 0;
      standing += p != 0 && (p & 0xFFE0) == 0;
    }
  });
  auto startStage = [&](int n) {
    walking = standing = 0;
    StageNo = n;
    CurrentScene = StageStartScene;
    for (int i = 0; i < 3; i++) Turn();
  };
  startStage(3);
  // The message after the clear walks the villager on and leaves it mid-step.
  Vills[0].AnimeCnt = 6;
  TestBackend().SetKeyDown(Key::Space, true);
  ShowMessage();
  ASSERT_EQ(Vills[0].Anime, 1);
  TestBackend().ReleaseAllKeys();
  startStage(4);
  EXPECT_GT(walking, 1000);
  EXPECT_EQ(standing, 0);
  startStage(5);
  EXPECT_EQ(walking + standing, 0);
}

TEST_F(StageScenes, FirstPlayFrameHandsOverToTheWipeWithoutPresenting) {
  StageIntro = 1;
  Turn();
  EXPECT_EQ(CurrentScene, StageWipeScene);
  EXPECT_EQ(Presents(), 0);
}

TEST_F(StageScenes, WipePresentsFortyPicturesEvenRowsFromTheLeftOddFromTheRight) {
  DrawStagePicture();
  std::vector<uint16_t> dark;
  int bad = 0;
  TestBackend().SetPresentHook([&](int count) {
    const std::vector<uint16_t>& shown = TestBackend().PrimaryPixels();
    if (count == 1) dark = shown;  // nothing revealed yet: the darkened stage
    int w = 16 * (count - 1);
    for (int y = 0; y < 480; y++) {
      for (int x = 0; x < 640; x++) {
        uint16_t want = dark[y * 640 + x];
        if (y % 2 == 0 && x < w) want = Stage(640 - w + x, y);
        if (y % 2 == 1 && x >= 640 - w) want = Stage(x - (640 - w), y);
        if (shown[y * 640 + x] != want) bad++;
      }
    }
  });
  StageIntro = 1;
  StageWipeScene();
  EXPECT_EQ(Presents(), 40);
  EXPECT_EQ(bad, 0);
  // The screen really was darkened, not just left as it was.
  int same = 0;
  for (int i = 0; i < 640 * 480; i++) same += dark[i] == Stage(i % 640, i / 640);
  EXPECT_EQ(same, 0);
  EXPECT_EQ(StageIntro, 0);
  EXPECT_EQ(WipeWidth, 0);
  EXPECT_EQ(CurrentScene, PlayScene);
}

TEST_F(StageScenes, PlayFrameAfterTheWipeShowsTheWholeStage) {
  StageIntro = 1;
  Turn();
  Turn();
  ASSERT_EQ(CurrentScene, PlayScene);
  int before = Presents();
  Turn();
  EXPECT_EQ(Presents(), before + 1);
  const Surface& menu = TheDisplay().menu;
  EXPECT_EQ(TestBackend().PrimaryPixels(),
            std::vector<uint16_t>(menu.Pixels(), menu.Pixels() + 640 * 480));
}

TEST_F(StageScenes, LastStageShowsItsMessageAfterTheWipeOnlyBeforeItsFirstClear) {
  StageNo = 10;
  TestBackend().SetPresentHook([](int count) {
    if (count > 40) TestBackend().SetKeyDown(Key::Space, true);
  });
  StageWipeScene();
  EXPECT_GT(Presents(), 40);

  StageNodes[10].Cleared = 1;
  TestBackend().ReleaseAllKeys();
  SpaceHeld = 0;
  int before = Presents();
  StageWipeScene();
  EXPECT_EQ(Presents(), before + 40);
}

TEST_F(StageScenes, EscapeDuringTheWipeWaitsUntilItIsOver) {
  TestBackend().SetPresentHook([](int count) {
    if (count == 5) PostEvent(GameEvent::Escape);
  });
  StageWipeScene();
  EXPECT_EQ(Presents(), 40);
  ASSERT_TRUE(EventWaiting());
  EXPECT_EQ(TakeEvent(), GameEvent::Escape);
}

TEST_F(StageScenes, PlayRunsAtMostOneFramePer33Milliseconds) {
  Turn();
  int after = Presents();
  CurrentScene();
  CurrentScene();
  EXPECT_EQ(Presents(), after);
}

TEST_F(StageScenes, ShiftOpensThePauseMenuAfterPresentingTheFrame) {
  TestBackend().SetKeyDown(Key::Shift, true);
  Turn();
  EXPECT_EQ(CurrentScene, PauseSetupScene);
  EXPECT_EQ(Presents(), 1);
  EXPECT_EQ(ShiftHeld, 1);
}

// A stage with a block to push, set up as the map starts it.
void StartBlockStage() {
  WriteText("data/data03.txt", "@DA,2\r\n@DH,1,4\r\n@DB\r\n0,3,4,110,-1,1,@\r\n@E\r\n");
  StageNo = 3;
  SetupStagePlay(3);
}

// Holds Right until it acts once (the arrows share one repeat counter), then waits for the rest.
void StepRight(void (*turn)()) {
  TestBackend().SetKeyDown(Key::Right, true);
  for (int i = 0; i < 3; i++) turn();
  TestBackend().SetKeyDown(Key::Right, false);
  for (int i = 0; i < 8; i++) turn();
}

TEST_F(StageScenes, RRestartsTheStageWithoutTheMenuAndForgetsTheUndos) {
  StartBlockStage();
  const std::string start = PackWorld();
  StepRight(Turn);
  StepRight(Turn);
  ASSERT_EQ(Items[0].TilePt.x, 4) << "a step, then a push";
  ASSERT_GT(UndoDepth(), 0u);
  const int presents = Presents();
  TestBackend().SetKeyDown(Key::R, true);
  Turn();
  EXPECT_EQ(PackWorld(), start);
  EXPECT_EQ(UndoDepth(), 0u);
  EXPECT_EQ(CurrentScene, PlayScene);
  EXPECT_EQ(StageIntro, 0) << "no wipe, as from the pause menu";
  EXPECT_EQ(Presents(), presents + 1);
  TestBackend().SetKeyDown(Key::R, false);
  TestBackend().SetKeyDown(Key::Backspace, true);
  Turn();
  EXPECT_EQ(PackWorld(), start) << "nothing to take back after a restart";
}

TEST_F(StageScenes, BackspaceOrZTakesTheLastActionBackOncePerPress) {
  StartBlockStage();
  const std::string start = PackWorld();
  std::vector<std::string> states;
  for (int step = 0; step < 2; step++) {
    states.push_back(PackWorld());
    StepRight(Turn);
  }
  ASSERT_EQ(UndoDepth(), 2u);
  TestBackend().SetKeyDown(Key::Z, true);
  for (int i = 0; i < 3; i++) Turn();
  EXPECT_EQ(PackWorld(), states[1]) << "held, it waits before repeating";
  TestBackend().SetKeyDown(Key::Z, false);
  Turn();
  TestBackend().SetKeyDown(Key::Backspace, true);
  Turn();
  EXPECT_EQ(PackWorld(), start);
  TestBackend().SetKeyDown(Key::Backspace, false);
  StageClear = 1;
  Clear.ClearCnt = 5;
  TestBackend().SetKeyDown(Key::R, true);
  Turn();
  EXPECT_EQ(Clear.ClearCnt, 6) << "R does nothing in the clear sequence";
}

// A pit at (1,0) drops the hero into a hedged-in corner; the winning box is at (0,2).
void StartPitTrapStage() {
  WriteText("data/data03.txt",
            "@DA,2\r\n@DH,0,0\r\n@DB\r\n0,1,0,7,1,0\r\n1,8,8,7,0,0\r\n2,7,8,100,-1,1\r\n"
            "3,8,7,100,-1,1\r\n4,0,2,104,200,1,@\r\n@E\r\n");
  StageNo = 3;
  KeyRepeat = 0;
  SetupStagePlay(3);
}

int PixelsOf(uint16_t colour) {
  int count = 0;
  for (uint16_t pixel : TestBackend().PrimaryPixels()) count += pixel == colour;
  return count;
}

TEST_F(StageScenes, DeadEndShowsTheLostLineWithinTwoSecondsUntilAnUndo) {
  StartPitTrapStage();
  Turn();
  EXPECT_FALSE(StageLost());
  const uint16_t stagePixel = ShownAt(4, 450);
  ASSERT_NE(stagePixel, 0);
  TestBackend().SetKeyDown(Key::Right, true);
  const uint32_t pressed = TestBackend().PeekClock();
  int frames = 0;
  for (; frames < 60 && !StageLost(); frames++) {
    Turn();
    TestBackend().SetKeyDown(Key::Right, false);
  }
  ASSERT_TRUE(StageLost());
  EXPECT_LE(TestBackend().PeekClock() - pressed, 2000u);
  EXPECT_EQ(Chara.TilePt.x, 8);
  Turn();
  EXPECT_EQ(ShownAt(4, 450), 0) << "the line's dark band";
  int inkAtTheRight = 0;
  for (int y = 443; y < 462; y++) {
    for (int x = 600; x < 640; x++) inkAtTheRight += ShownAt(x, y) != 0;
  }
  EXPECT_EQ(inkAtTheRight, 0) << "the line ends well inside the screen";
  EXPECT_EQ(HintAction(), -1);
  TestBackend().SetKeyDown(Key::Backspace, true);
  Turn();
  EXPECT_FALSE(StageLost());
  EXPECT_EQ(Chara.TilePt.x, 0);
  Turn();
  EXPECT_EQ(ShownAt(4, 450), stagePixel);
}

TEST_F(StageScenes, HShowsTheNextActionBlinkingForAboutASecond) {
  constexpr uint16_t kHintInk = Rgb565(255, 224, 0);
  StartPitTrapStage();
  Turn();
  EXPECT_EQ(HintFramesLeft(), 0);
  EXPECT_EQ(HintAction(), ACTION_DOWN) << "known, not shown";
  TestBackend().SetKeyDown(Key::H, true);
  Turn();
  Turn();
  EXPECT_GT(PixelsOf(kHintInk), 20) << "the arrow";
  std::vector<int> shown;
  for (int frame = 0; frame < 40; frame++) {
    Turn();
    if (PixelsOf(kHintInk) > 0) shown.push_back(frame);
  }
  EXPECT_EQ(HintFramesLeft(), 0);
  ASSERT_FALSE(shown.empty());
  EXPECT_LT(shown.back(), 30) << "gone after about a second, H still held";
  EXPECT_LT(shown.size(), 20u) << "it blinks";
}

TEST_F(StageScenes, CtrlSlowsEveryPlayFrameToAtLeast100Milliseconds) {
  TestBackend().SetKeyDown(Key::Control, true);
  uint32_t start = TestBackend().PeekClock();
  Turn();
  EXPECT_GE(TestBackend().PeekClock() - start, 140u);
  EXPECT_EQ(Presents(), 1);
}

TEST_F(StageScenes, KeysDoNothingWhileTheClearSequenceRuns) {
  StageClear = 1;
  Clear.ClearCnt = 5;  // past the rescue window
  TestBackend().SetKeyDown(Key::Shift, true);
  TestBackend().SetKeyDown(Key::Right, true);
  TestBackend().SetKeyDown(Key::Control, true);
  uint32_t start = TestBackend().PeekClock();
  for (int i = 0; i < 5; i++) Turn();
  EXPECT_EQ(CurrentScene, PlayScene);
  EXPECT_EQ(Chara.Move, 0);
  EXPECT_EQ(ShiftHeld, 0);
  EXPECT_LT(TestBackend().PeekClock() - start, 5u * 100u);
  EXPECT_EQ(Clear.ClearCnt, 10);
  EXPECT_EQ(Presents(), 5);
}

TEST_F(StageScenes, ClearedStageReturnsToTheSelectWithSpaceStillHeld) {
  StageNo = 1;
  StageClear = 1;
  TestBackend().SetPresentHook([](int) { TestBackend().SetKeyDown(Key::Space, SpaceHeld == 0); });
  for (int i = 0; i < 100 && CurrentScene == PlayScene; i++) Turn();
  EXPECT_EQ(CurrentScene, SelectSetupScene);
  EXPECT_EQ(StageNodes[1].Cleared, 1);
  EXPECT_EQ(SpaceHeld, 1);
}

TEST_F(StageScenes, ClearingTheLastStageLeadsToTheEnding) {
  for (StageNode& node : StageNodes) node.Cleared = 1;
  StageNodes[10].Cleared = 0;
  StageNo = 10;
  StageClear = 1;
  TestBackend().SetPresentHook([](int) { TestBackend().SetKeyDown(Key::Space, SpaceHeld == 0); });
  for (int i = 0; i < 100 && CurrentScene == PlayScene; i++) Turn();
  EXPECT_EQ(CurrentScene, EndingSetupScene);
  EXPECT_FALSE(TheDisplay().back);
}

}  // namespace
