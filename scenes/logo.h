// The falling-ball logo and the two-entry title menu.
#pragma once
#include <cstdint>

#include "platform/geometry.h"

constexpr int LOGO_BALL_COUNT = 100;
constexpr int BALL_CELL_COUNT = 16;

struct LogoBall {
  uint8_t Frame;  // index into BallCells, fixed for the ball's life
  uint8_t Bounced;
  uint8_t Alive;
  int8_t Vy;     // pixels per frame, positive downwards
  int8_t Vx;     // sideways drift once bounced
  int32_t X, Y;  // bottom centre of the ball picture
};

extern LogoBall LogoBalls[LOGO_BALL_COUNT];
extern Rect BallCells[BALL_CELL_COUNT];
extern uint8_t LogoPhase;  // 0 balls only, 1 logo pieces shown
extern uint8_t LogoRise;   // pixels the logo pieces have risen
extern int8_t TitleCursor;
extern int8_t TitleAnim;

void LogoSetupScene();
void LogoScene();
void LogoEndScene();
void TitleSetupScene();
void TitleScene();
void TitleEndScene();
