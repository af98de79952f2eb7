#include "scenes/logo.h"

#include "app/shell.h"
#include "gfx/picture_names.h"
#include "platform/random.h"
#include "play/render.h"
#include "scenes/opening.h"
#include "scenes/scene_surfaces.h"

LogoBall LogoBalls[LOGO_BALL_COUNT];
Rect BallCells[BALL_CELL_COUNT];
uint8_t LogoPhase = 0;
uint8_t LogoRise = 0;
int8_t TitleCursor = 0;
int8_t TitleAnim = 0;

namespace {

constexpr int kLogoPieces = 10;

uint32_t LogoTime = 0;
uint32_t TitleTime = 0;

Rect PieceRect(int i) {
  const int c = i % 6, r = i / 6;
  return Rect{80 * c, 240 + 100 * r, 80 * c + 80, 340 + 100 * r};
}

// Pieces follow each other every 65 pixels; the upper row is two groups of three 50 apart.
int PieceX(int i) {
  return 90 + 65 * (i % 6) + 90 * (i / 6) + 50 * ((i / 3) % 2) - 50 * (i / 9);
}

void DrawLogoPieces(int top) {
  Display& display = TheDisplay();
  if (!display.back) return;
  for (int i = 0; i < kLogoPieces; i++) {
    display.backbuffer.CopyFrom({PieceX(i), top + 90 * (i / 6)}, display.back, PieceRect(i),
                                kKeyed);
  }
}

// Draws and moves every ball; counts a bounced ball once and a ball gone twice.
int StepBalls() {
  Display& display = TheDisplay();
  int count = 0;
  for (LogoBall& ball : LogoBalls) {
    count++;
    if (!ball.Alive) {
      count++;
      continue;
    }
    if (display.back) {
      display.backbuffer.CopyFrom({ball.X - 40, ball.Y - 80}, display.back, BallCells[ball.Frame],
                                  kKeyed);
    }
    ball.Y += ball.Vy;
    ball.Vy += 1;
    if (ball.Bounced) {
      ball.X += ball.Vx;
      if (ball.Y >= 560) ball.Alive = 0;
    } else {
      count--;
      if (ball.Y >= SCREEN_H) {
        ball.Vy = Rand() % 20 - 35;
        ball.Bounced = 1;
      }
    }
  }
  return count;
}

}  // namespace

void LogoSetupScene() {
  Display& display = TheDisplay();
  RemakeSurface(display.back, 480, 600, true);
  LoadScenePicture(display.back, PICTURE_LOGO);
  for (int n = 0; n < BALL_CELL_COUNT; n++) {
    const int c = n % 6, r = n / 6;
    BallCells[n] = Rect{80 * c, 80 * r, 80 * c + 80, 80 * r + 80};
  }
  for (LogoBall& ball : LogoBalls) {
    ball.Frame = Rand() % 16;
    ball.Vy = Rand() % 30;
    ball.Bounced = 0;
    ball.Alive = 1;
    ball.Vx = Rand() % 21 - 10;
    ball.X = Rand() % SCREEN_W;
    ball.Y = Rand() % 601 - 600;
  }
  LogoPhase = 0;
  LogoRise = 0;
  CurrentScene = LogoScene;
}

void LogoScene() {
  Display& display = TheDisplay();
  if (!FrameGate(LogoTime, FRAME_PERIOD)) return;
  if (KeyPressedOnce(Key::Space, SpaceHeld)) {
    CurrentScene = LogoEndScene;
    return;
  }

  display.backbuffer.Fill(0);
  if (LogoPhase != 0) DrawLogoPieces(130 - LogoRise);
  const int count = StepBalls();
  if (LogoPhase == 0 && count >= 100) {
    LogoPhase = 1;
    LogoRise = 0;
  }
  if (LogoPhase == 1 && count == 200) {
    LogoRise++;
    if (LogoRise > 40) CurrentScene = LogoEndScene;
  }
  Present();
}

void LogoEndScene() {
  CurrentScene = TitleSetupScene;
}

void TitleSetupScene() {
  CurrentScene = TitleScene;
}

void TitleScene() {
  Display& display = TheDisplay();
  if (!FrameGate(TitleTime, FRAME_PERIOD)) return;
  TitleAnim = (TitleAnim + 1) % 10;
  if (KeyPressedOnce(Key::Space, SpaceHeld)) {
    if (TitleCursor != 0) {
      // The second entry quits: a title whose second entry did nothing would be a dead end.
      ReleaseAll();
      return;
    }
    CurrentScene = TitleEndScene;
  }
  if (ArrowPressedOnce(Key::Up)) TitleCursor = 0;
  if (ArrowPressedOnce(Key::Down)) TitleCursor = 1;

  display.backbuffer.Fill(0);
  DrawLogoPieces(90);
  if (display.back) {
    // The chosen entry alternates between its two highlighted frames every five frames.
    const int k = TitleAnim / 5;
    const Rect plain0 = {0, 440, 184, 490}, lit0 = {0, 490 + 50 * k, 184, 540 + 50 * k};
    const Rect plain1 = {200, 440, 340, 490}, lit1 = {200, 490 + 50 * k, 340, 540 + 50 * k};
    const Rect& entry0 = TitleCursor == 0 ? lit0 : plain0;
    const Rect& entry1 = TitleCursor == 0 ? plain1 : lit1;
    display.backbuffer.CopyFrom({220, 310}, display.back, entry0, kKeyed);
    display.backbuffer.CopyFrom({245, 360}, display.back, entry1, kKeyed);
  }
  Present();
}

void TitleEndScene() {
  Display& display = TheDisplay();
  ReleaseSurface(display.back);
  CurrentScene = OpeningSetupScene;
}
