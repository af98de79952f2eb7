// The falling-ball logo and the title menu.
#include <gtest/gtest.h>

#include "scenes/logo.h"
#include "scenes/opening.h"
#include "tests/scenes_front_fixture.h"

namespace {

constexpr uint16_t kBallColour = 0xF800;
constexpr uint16_t kPieceColour = 0x07E0;
constexpr uint16_t kPlain = 0x001F;
constexpr uint16_t kLit0 = 0xFFE0;
constexpr uint16_t kLit1 = 0xF81F;

class Logo : public frontfix::FrontScenes {
 protected:
  void Enter() {
    LogoSetupScene();
    ASSERT_EQ(CurrentScene, LogoScene);
    ASSERT_TRUE(TheDisplay().back);
    Paint(TheDisplay().back, Rect{0, 0, 480, 240}, kBallColour);
    Paint(TheDisplay().back, Rect{0, 240, 480, 440}, kPieceColour);
    for (int k = 0; k < 2; k++) {
      const uint16_t lit = k == 0 ? kLit0 : kLit1;
      Paint(TheDisplay().back, Rect{0, 490 + 50 * k, 184, 540 + 50 * k}, lit);
      Paint(TheDisplay().back, Rect{200, 490 + 50 * k, 340, 540 + 50 * k}, lit);
    }
    Paint(TheDisplay().back, Rect{0, 440, 184, 490}, kPlain);
    Paint(TheDisplay().back, Rect{200, 440, 340, 490}, kPlain);
  }

  // Leaves one ball in play, the others gone.
  static LogoBall& OnlyBall() {
    for (LogoBall& ball : LogoBalls) ball.Alive = 0;
    LogoBall& ball = LogoBalls[0];
    ball.Alive = 1;
    ball.Bounced = 0;
    return ball;
  }

  // Space skips the logo; it is let go on the title.
  void SkipToTitle() {
    Enter();
    Hold(Key::Space, true);
    Turn();
    ToTitle();
    Hold(Key::Space, false);
  }

  // From the logo's end to the title, through the two scenes that only hand over.
  void ToTitle() {
    ASSERT_EQ(CurrentScene, LogoEndScene);
    CurrentScene();
    ASSERT_EQ(CurrentScene, TitleSetupScene);
    CurrentScene();
    ASSERT_EQ(CurrentScene, TitleScene);
  }
};

TEST_F(Logo, SpaceInTheFirstFrameJumpsToTheTitle) {
  Enter();
  Hold(Key::Space, true);
  const int before = Presents();
  Turn();
  EXPECT_EQ(Presents(), before) << "nothing is drawn in the frame Space is taken";
  ToTitle();
  // The title needs a fresh press: Space is still held from the logo.
  for (int i = 0; i < 5; i++) Turn();
  EXPECT_EQ(CurrentScene, TitleScene);
  Hold(Key::Space, false);
  Turn();
  Hold(Key::Space, true);
  Turn();
  EXPECT_EQ(CurrentScene, TitleEndScene);
  CurrentScene();
  EXPECT_EQ(CurrentScene, OpeningSetupScene);
  EXPECT_FALSE(TheDisplay().back);
}

TEST_F(Logo, SpaceHeldIntoTheLogoDoesNotSkipIt) {
  SpaceHeld = 1;
  Hold(Key::Space, true);
  Enter();
  for (int i = 0; i < 10; i++) Turn();
  EXPECT_EQ(CurrentScene, LogoScene);
  Hold(Key::Space, false);
  Turn();
  Hold(Key::Space, true);
  Turn();
  EXPECT_EQ(CurrentScene, LogoEndScene);
}

TEST_F(Logo, EveryBallStartsAboveTheScreenWithinItsRanges) {
  Enter();
  for (const LogoBall& ball : LogoBalls) {
    EXPECT_LT(ball.Frame, 16);
    EXPECT_GE(ball.Vy, 0);
    EXPECT_LT(ball.Vy, 30);
    EXPECT_GE(ball.Vx, -10);
    EXPECT_LE(ball.Vx, 10);
    EXPECT_GE(ball.X, 0);
    EXPECT_LT(ball.X, 640);
    EXPECT_GE(ball.Y, -600);
    EXPECT_LE(ball.Y, 0);
    EXPECT_EQ(ball.Alive, 1);
    EXPECT_EQ(ball.Bounced, 0);
  }
  EXPECT_EQ(BallCells[7].left, 80);
  EXPECT_EQ(BallCells[7].top, 80);
  EXPECT_EQ(BallCells[15].right, 320);
}

TEST_F(Logo, BallFromTheTopAtRestBouncesInItsFortySeventhFrame) {
  Enter();
  LogoBall& ball = OnlyBall();
  ball.X = 320;
  ball.Y = -600;
  ball.Vy = 0;
  ball.Vx = 3;
  for (int frame = 1; frame <= 46; frame++) {
    Turn();
    ASSERT_EQ(ball.Bounced, 0) << "frame " << frame;
  }
  Turn();
  EXPECT_EQ(ball.Bounced, 1);
  EXPECT_GE(ball.Vy, -35);
  EXPECT_LE(ball.Vy, -16);
  EXPECT_EQ(ball.X, 320);
  Turn();
  EXPECT_EQ(ball.X, 323) << "drifts sideways once bounced";
}

TEST_F(Logo, PiecesWaitForEveryBallAndThenRiseIntoTheTitle) {
  Enter();
  for (LogoBall& ball : LogoBalls) ball.Vy = 0;
  // No piece while balls still fall unbounced.
  Turn();
  EXPECT_EQ(LogoPhase, 0);
  LogoBall& ball = OnlyBall();
  ball.Bounced = 1;
  ball.X = 320;
  ball.Y = 470;
  ball.Vy = 0;
  ball.Vx = 0;
  Turn();
  EXPECT_EQ(LogoPhase, 1) << "a bounced ball and 99 gone count 199";
  EXPECT_EQ(BoxOf(kPieceColour).right, 0) << "pieces show from the next frame";
  int frames = 0;
  while (ball.Alive) {
    Turn();
    frames++;
    EXPECT_EQ(LogoRise, 0) << "still while a ball is on screen";
  }
  EXPECT_EQ(BoxOf(kPieceColour).top, 130);
  // The pieces rise one pixel a frame once every ball is gone, to the title's places.
  int rising = RunWhile(LogoScene, 100);
  EXPECT_EQ(rising, 41);
  EXPECT_EQ(CurrentScene, LogoEndScene);
  const Rect pieces = BoxOf(kPieceColour);
  EXPECT_EQ(pieces.left, 90);
  EXPECT_EQ(pieces.top, 90);
  EXPECT_EQ(pieces.right, 465 + 80);
  EXPECT_EQ(pieces.bottom, 180 + 100);
}

TEST_F(Logo, TitleCursorMovesWithoutWrapping) {
  SkipToTitle();
  TitleCursor = 0;
  Hold(Key::Up, true);
  Turn();
  EXPECT_EQ(TitleCursor, 0) << "up on the first entry stays";
  Hold(Key::Up, false);
  Hold(Key::Down, true);
  Turn();
  EXPECT_EQ(TitleCursor, 1);
  Hold(Key::Down, false);
  Turn();
  Hold(Key::Down, true);
  Turn();
  EXPECT_EQ(TitleCursor, 1) << "down on the last entry stays";
  Hold(Key::Down, false);
  Hold(Key::Up, true);
  Turn();
  EXPECT_EQ(TitleCursor, 0);
}

TEST_F(Logo, ChosenTitleEntryAlternatesItsFramesEveryFiveFrames) {
  SkipToTitle();
  TitleCursor = 0;
  TitleAnim = 9;
  std::vector<uint16_t> entry0, entry1;
  for (int i = 0; i < 12; i++) {
    Turn();
    entry0.push_back(Shown(225, 315));
    entry1.push_back(Shown(250, 365));
  }
  for (int i = 0; i < 12; i++) {
    EXPECT_EQ(entry0[i], (i % 10) < 5 ? kLit0 : kLit1) << i;
    EXPECT_EQ(entry1[i], kPlain) << i;
  }
  Hold(Key::Down, true);
  Turn();
  EXPECT_EQ(Shown(225, 315), kPlain);
  EXPECT_NE(Shown(250, 365), kPlain);
}

TEST_F(Logo, SpaceOnTheSecondTitleEntryQuits) {
  SkipToTitle();
  Hold(Key::Down, true);
  Turn();
  ASSERT_EQ(TitleCursor, 1);
  Hold(Key::Space, true);
  const int before = Presents();
  Turn();
  EXPECT_EQ(Presents(), before) << "the frame of the choice is not shown";
  ASSERT_TRUE(EventWaiting());
  EXPECT_EQ(TakeEvent(), GameEvent::Quit) << "the end of the game waits";
  EXPECT_FALSE(TheDisplay().screen.IsOpen()) << "the display is released";
  EXPECT_FALSE(TheDisplay().back);
}

}  // namespace
