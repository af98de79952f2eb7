// The three opening pages.
#include <gtest/gtest.h>

#include "scenes/opening.h"
#include "scenes/select.h"
#include "tests/scenes_front_fixture.h"

namespace {

constexpr uint16_t kBackColour = 0x4208;
constexpr uint16_t kPageColours[3] = {0xF800, 0x07E0, 0x001F};
constexpr uint16_t kPanelColours[3] = {0xFFE0, 0xF81F, 0x07FF};

class Opening : public frontfix::FrontScenes {
 protected:
  void Enter() {
    OpeningSetupScene();
    ASSERT_EQ(CurrentScene, OpeningScene);
    ASSERT_TRUE(TheDisplay().back);
    ASSERT_TRUE(TheDisplay().chara);
    Paint(TheDisplay().back, Rect{0, 0, 640, 480}, kBackColour);
    for (int p = 0; p < 3; p++) {
      Paint(TheDisplay().chara, Rect{0, 233 * p, 511, 233 * p + 233}, kPageColours[p]);
      Paint(TheDisplay().chara, Rect{0, 700 + 100 * p, 530, 800 + 100 * p}, kPanelColours[p]);
    }
  }

  void Press() {
    Hold(Key::Space, false);
    Turn();
    Hold(Key::Space, true);
    Turn();
  }
};

TEST_F(Opening, EachPageShowsItsPictureAndPanelOverTheBackground) {
  Enter();
  for (int p = 0; p < 3; p++) {
    if (p > 0) {
      Press();
    } else {
      Turn();
    }
    EXPECT_EQ(OpeningPage, p);
    const Rect picture = BoxOf(kPageColours[p]);
    EXPECT_EQ(picture.left, 64);
    EXPECT_EQ(picture.top, 57);
    EXPECT_EQ(picture.right, 64 + 511);
    EXPECT_EQ(picture.bottom, 57 + 233);
    const Rect panel = BoxOf(kPanelColours[p]);
    EXPECT_EQ(panel.left, 60);
    EXPECT_EQ(panel.top, 304);
    EXPECT_EQ(panel.right, 60 + 530);
    EXPECT_EQ(panel.bottom, 304 + 100);
    EXPECT_EQ(Shown(0, 0), kBackColour);
  }
}

TEST_F(Opening, SpaceHeldFromTheTitleTurnsNoPage) {
  SpaceHeld = 1;
  Hold(Key::Space, true);
  Enter();
  for (int i = 0; i < 10; i++) Turn();
  EXPECT_EQ(OpeningPage, 0);
  EXPECT_EQ(CurrentScene, OpeningScene);
}

TEST_F(Opening, ThirdFreshPressLeavesForTheStageSelectOverTheLastPage) {
  Enter();
  Press();
  Press();
  EXPECT_EQ(CurrentScene, OpeningScene);
  const int before = Presents();
  Hold(Key::Space, false);
  Turn();
  Hold(Key::Space, true);
  Turn();
  EXPECT_EQ(CurrentScene, OpeningEndScene);
  EXPECT_EQ(Presents(), before + 1) << "the leaving frame draws nothing";
  CurrentScene();
  EXPECT_EQ(CurrentScene, SelectSetupScene);
  EXPECT_FALSE(TheDisplay().back);
  EXPECT_FALSE(TheDisplay().chara);
  EXPECT_EQ(Drawn(100, 100), kPageColours[2]) << "the last page stays for the map to drop over";
}

TEST_F(Opening, OtherKeysDoNothing) {
  Enter();
  for (Key key : {Key::Up, Key::Down, Key::Left, Key::Right, Key::Shift, Key::Tab, Key::Control}) {
    Hold(key, true);
    Turn();
    Hold(key, false);
    Turn();
  }
  EXPECT_EQ(OpeningPage, 0);
  EXPECT_EQ(CurrentScene, OpeningScene);
}

}  // namespace
