// The pause menu: the fading panel, the wrapping cursor, the five entries, Shift and Space.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/shared_objects.h"
#include "platform/language.h"
#include "platform/text.h"
#include "scenes/logo.h"
#include "scenes/pause.h"
#include "scenes/play_scene.h"
#include "scenes/select.h"
#include "scenes/stage_start.h"
#include "tests/scenes_front_fixture.h"
#include "tests/support/bmp_writer.h"
#include "world/world.h"

namespace {

constexpr uint16_t kFrozen = 0x0000;

class Pause : public frontfix::FrontScenes {
 protected:
  void SetUp() override {
    FrontScenes::SetUp();
    Display& display = TheDisplay();
    MakeSceneSurface(display.menu, 640, 480);
    // The frame picture: a white panel where the menu takes it from, black elsewhere.
    // Each case runs in its own process beside others: one file per case.
    const std::string path = ::testing::TempDir() + "kobako_pause_frame_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                             ".bmp";
    std::vector<uint32_t> pixels(640 * 1000, 0);
    for (int y = 560; y < 700; y++) {
      for (int x = 0; x < 280; x++) pixels[y * 640 + x] = 0xFFFFFF;
    }
    ASSERT_TRUE(WriteFile(path, MakeBmp(640, 1000, 24, pixels)));
    display.pictures = std::make_unique<PictureSlots>();
    display.pictures->DrawOnto(display.backbuffer);
    display.pictures->MakeSurface(&display.frameId, 640, 1000, 0);
    display.pictures->ReadBitmap(display.frameId, path.c_str());
    display.screen.ShowFill(kFrozen);
    CurrentScene = PlayScene;
  }

  void TearDown() override {
    TheDisplay().pictures.reset();
    FrontScenes::TearDown();
  }

  void Open() {
    PauseSetupScene();
    ASSERT_EQ(CurrentScene, PauseScene);
  }

  void Tap(Key key) {
    Hold(key, true);
    Turn();
    Hold(key, false);
    Turn();
  }

  // Green of the panel's corner, beside the texts: how far it has faded in.
  static int PanelGreen() { return (Shown(175, 35) >> 5) & 0x3F; }
};

TEST_F(Pause, PanelFadesInOverTwentyFramesAndStaysAtTwoHundred) {
  Open();
  int last = -1;
  for (int frame = 1; frame <= 20; frame++) {
    Turn();
    EXPECT_EQ(PauseLevel, 10 * frame);
    EXPECT_GT(PanelGreen(), last) << "frame " << frame;
    last = PanelGreen();
  }
  EXPECT_LT(last, 63) << "level 200 of 255 is not full white";
  for (int frame = 21; frame <= 40; frame++) {
    Turn();
    EXPECT_EQ(PauseLevel, 200);
    EXPECT_EQ(PanelGreen(), last);
  }
  EXPECT_EQ(Shown(100, 300), kFrozen) << "the frozen picture stays around the panel";
}

TEST_F(Pause, FrozenPictureIsWhatWasLastPresented) {
  TheDisplay().screen.ShowFill(0x07E0);
  Paint(TheDisplay().backbuffer, Rect{0, 0, 640, 480}, 0xF800);
  Open();
  Turn();
  EXPECT_EQ(Shown(20, 400), 0x07E0);
}

TEST_F(Pause, CursorWrapsAroundBothWays) {
  Open();
  Turn();
  EXPECT_EQ(PauseCursor, 0);
  Tap(Key::Up);
  EXPECT_EQ(PauseCursor, 4);
  Tap(Key::Down);
  EXPECT_EQ(PauseCursor, 0);
  Tap(Key::Down);
  Tap(Key::Down);
  EXPECT_EQ(PauseCursor, 2);
  Hold(Key::Down, true);
  for (int i = 0; i < 5; i++) Turn();
  EXPECT_EQ(PauseCursor, 3) << "a held arrow moves once";
}

TEST_F(Pause, ShiftHeldFromPlayDoesNotCloseIt) {
  ShiftHeld = 1;
  Hold(Key::Shift, true);
  Open();
  for (int i = 0; i < 5; i++) Turn();
  EXPECT_EQ(CurrentScene, PauseScene);
  Hold(Key::Shift, false);
  Turn();
  Hold(Key::Shift, true);
  const int before = Presents();
  Turn();
  EXPECT_EQ(CurrentScene, PlayScene);
  EXPECT_EQ(Presents(), before + 1) << "the menu is drawn once more";
}

TEST_F(Pause, SpaceHeldFromPlayChoosesNothing) {
  SpaceHeld = 1;
  Hold(Key::Space, true);
  Open();
  for (int i = 0; i < 5; i++) Turn();
  EXPECT_EQ(CurrentScene, PauseScene);
  Hold(Key::Space, false);
  Turn();
  Hold(Key::Space, true);
  Turn();
  EXPECT_EQ(CurrentScene, PlayScene) << "entry 0 goes on playing";
}

TEST_F(Pause, RestartSetsTheStageUpAgainWithoutTheWipe) {
  StageIntro = 0;
  Chara.Move = 7;
  Chara.Trap = 3;
  Open();
  Tap(Key::Down);
  Hold(Key::Space, true);
  Turn();
  EXPECT_EQ(CurrentScene, PlayScene);
  EXPECT_EQ(StageIntro, 0) << "no wipe on a restart";
  EXPECT_EQ(Chara.Move, 0);
  EXPECT_EQ(Chara.Trap, 0);
}

TEST_F(Pause, SelectAndTitleEntriesKeepTheMap) {
  StageMapReady = 1;
  InitStageMap();
  StageNodes[3].Open = StageNodes[3].Cleared = 1;
  SelectCursor = 3;
  const SceneFunction expected[2] = {SelectSetupScene, LogoSetupScene};
  for (int entry = 2; entry <= 3; entry++) {
    Open();
    for (int i = 0; i < entry; i++) Tap(Key::Down);
    Hold(Key::Space, true);
    Turn();
    Hold(Key::Space, false);
    EXPECT_EQ(CurrentScene, expected[entry - 2]);
    EXPECT_EQ(StageMapReady, 1);
    EXPECT_EQ(StageNodes[3].Cleared, 1);
    EXPECT_EQ(SelectCursor, 3);
  }
}

TEST_F(Pause, QuitEndsTheGameWithoutShowingTheFrame) {
  Open();
  Tap(Key::Up);
  ASSERT_EQ(PauseCursor, 4);
  Hold(Key::Space, true);
  const int before = Presents();
  Turn();
  EXPECT_EQ(Presents(), before);
  EXPECT_FALSE(TheDisplay().screen.IsOpen());
  EXPECT_EQ(Pictures(), nullptr);
  ASSERT_TRUE(EventWaiting());
  EXPECT_EQ(TakeEvent(), GameEvent::Quit) << "the end of the game waits";
}

TEST_F(Pause, MenuTextsAreTheFiveQuestions) {
  Open();
  const char* expected[PAUSE_ENTRY_COUNT] = {"このままつづける？", "はじめから？",
                                             "せんたくにもどる？", "たいとるにもどる？",
                                             "げぇむおわる？"};
  for (int i = 0; i < PAUSE_ENTRY_COUNT; i++) {
    EXPECT_STREQ(PauseTexts[i], expected[i]);
    // Each fits the panel (from x 170, 280 wide), drawn from x 220 in the game's cells of 12.
    int cells = 0;
    for (char32_t c : CodePoints(PauseTexts[i])) cells += CellsOf(c);
    EXPECT_LE(220 + 12 * cells, 170 + 280) << i;
  }
}

TEST_F(Pause, EnglishEntriesAreDrawnAndFitThePanelToo) {
  Open();
  Turn();
  const std::vector<uint16_t> japanese = TestBackend().PrimaryPixels();
  ASSERT_TRUE(UseLanguage("en", KOBAKO_BINARY_DIR "/game/locale")) << "the catalogue is built";
  for (int i = 0; i < PAUSE_ENTRY_COUNT; i++) {
    const std::u32string entry = CodePoints(Translated(PauseTexts[i]));
    EXPECT_NE(Utf8(entry), PauseTexts[i]) << i;
    int cells = 0;
    for (char32_t c : entry) cells += CellsOf(c);
    EXPECT_LE(220 + 12 * cells, 170 + 280) << Utf8(entry);
  }
  Turn();
  const std::vector<uint16_t> english = TestBackend().PrimaryPixels();
  ASSERT_TRUE(UseLanguage(GAME_LANGUAGE, ""));
  EXPECT_NE(english, japanese);
}

}  // namespace
