#include "scenes/logo.h"

#include "app/shell.h"
#include "gfx/mydraw.h"
#include "gfx/picture_names.h"
#include "play/render.h"
#include "scenes/opening.h"
#include "scenes/scene_surfaces.h"

LogoBall LogoBalls[LOGO_BALL_COUNT];
RECT BallCells[BALL_CELL_COUNT];
uint8_t LogoPhase = 0;
uint8_t LogoRise = 0;
int8_t TitleCursor = 0;
int8_t TitleAnim = 0;

namespace {

constexpr int kLogoPieces = 10;

uint32_t LogoTime = 0;
uint32_t TitleTime = 0;

RECT PieceRect(int i) {
  const int c = i % 6, r = i / 6;
  return RECT{80 * c, 240 + 100 * r, 80 * c + 80, 340 + 100 * r};
}

// Pieces follow each other every 65 pixels; the upper row is two groups of three 50 apart.
int PieceX(int i) {
  return 90 + 65 * (i % 6) + 90 * (i / 6) + 50 * ((i / 3) % 2) - 50 * (i / 9);
}

void DrawLogoPieces(int top) {
  if (lpBack == nullptr) return;
  for (int i = 0; i < kLogoPieces; i++) {
    BltClipped(lpBackbuffer, PieceX(i), top + 90 * (i / 6), lpBack, PieceRect(i), KEYED_COPY);
  }
}

// Draws and moves every ball; counts a bounced ball once and a ball gone twice.
int StepBalls() {
  int count = 0;
  for (LogoBall& ball : LogoBalls) {
    count++;
    if (!ball.Alive) {
      count++;
      continue;
    }
    if (lpBack != nullptr) {
      BltClipped(lpBackbuffer, ball.X - 40, ball.Y - 80, lpBack, BallCells[ball.Frame], KEYED_COPY);
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
  RemakeSurface(lpBack, 480, 600, true);
  LoadScenePicture(lpBack, PICTURE_LOGO);
  for (int n = 0; n < BALL_CELL_COUNT; n++) {
    const int c = n % 6, r = n / 6;
    BallCells[n] = RECT{80 * c, 80 * r, 80 * c + 80, 80 * r + 80};
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
  if (!FrameGate(LogoTime, 33)) return;
  if (KeyPressedOnce(VK_SPACE, SpaceHeld)) {
    CurrentScene = LogoEndScene;
    return;
  }

  FillSurfaceRect(lpBackbuffer, 0, 0, SCREEN_W, SCREEN_H, 0);
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
  if (!FrameGate(TitleTime, 33)) return;
  TitleAnim = (TitleAnim + 1) % 10;
  if (KeyPressedOnce(VK_SPACE, SpaceHeld)) {
    if (TitleCursor != 0) {
      // The second entry quits: a title whose second entry did nothing would be a dead end.
      ReleaseAll();
      return;
    }
    CurrentScene = TitleEndScene;
  }
  if (ArrowPressedOnce(VK_UP)) TitleCursor = 0;
  if (ArrowPressedOnce(VK_DOWN)) TitleCursor = 1;

  FillSurfaceRect(lpBackbuffer, 0, 0, SCREEN_W, SCREEN_H, 0);
  DrawLogoPieces(90);
  if (lpBack != nullptr) {
    // The chosen entry alternates between its two highlighted frames every five frames.
    const int k = TitleAnim / 5;
    const RECT plain0 = {0, 440, 184, 490}, lit0 = {0, 490 + 50 * k, 184, 540 + 50 * k};
    const RECT plain1 = {200, 440, 340, 490}, lit1 = {200, 490 + 50 * k, 340, 540 + 50 * k};
    const RECT& entry0 = TitleCursor == 0 ? lit0 : plain0;
    const RECT& entry1 = TitleCursor == 0 ? plain1 : lit1;
    lpBackbuffer->BltFast(220, 310, lpBack, &entry0, KEYED_COPY);
    lpBackbuffer->BltFast(245, 360, lpBack, &entry1, KEYED_COPY);
  }
  Present();
}

void TitleEndScene() {
  ReleaseSurface(lpBack);
  CurrentScene = OpeningSetupScene;
}
