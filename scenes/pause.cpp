#include "scenes/pause.h"

#include <cstring>
#include <string>

#include "app/shared_objects.h"
#include "app/shell.h"
#include "gfx/mydraw.h"
#include "platform/gdi.h"
#include "play/play_frame.h"
#include "scenes/logo.h"
#include "scenes/play_scene.h"
#include "scenes/select.h"
#include "world/world.h"

int32_t PauseCursor = 0;
int32_t PauseLevel = 0;
char PauseTexts[PAUSE_ENTRY_COUNT][PAUSE_TEXT_SIZE];

namespace {

constexpr COLORREF kTextColor = RGB(240, 240, 240);
constexpr COLORREF kChosenColor = RGB(120, 100, 80);
const char* const kPauseTextsUtf8[PAUSE_ENTRY_COUNT] = {"このままつづける？", "はじめから？",
                                                        "せんたくにもどる？", "たいとるにもどる？",
                                                        "げぇむおわる？"};

uint32_t PauseTime = 0;
char PauseStar[8];

// The font draws Shift-JIS: the texts are converted once, on the first pause.
void FillPauseTexts() {
  if (PauseTexts[0][0] != 0) return;
  for (int i = 0; i < PAUSE_ENTRY_COUNT; i++) {
    const std::string sjis = ShiftJisFromUtf8(kPauseTextsUtf8[i]);
    std::strncpy(PauseTexts[i], sjis.c_str(), PAUSE_TEXT_SIZE - 1);
  }
  const std::string star = ShiftJisFromUtf8("★");
  std::strncpy(PauseStar, star.c_str(), sizeof(PauseStar) - 1);
}

// Fades the frame picture's panel in over the frozen screen, up to level 200.
void BlendPanel() {
  BlitRequest request;
  std::memset(&request, 0, sizeof(request));
  request.x = 170;
  request.y = 30;
  request.Dst = 0;
  request.Src = FrameId;
  request.SrcRect = RECT{0, 560, 280, 700};
  request.Level = static_cast<uint8_t>(PauseLevel & 0xFF);
  request.Mode = BLIT_BLEND | BLEND_ALPHA;
  theDDraw->Blit(request);
}

void DrawPauseTexts() {
  HDC dc = nullptr;
  if (lpBackbuffer->GetDC(&dc) != DD_OK) return;
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, hFont);
  for (int i = 0; i < PAUSE_ENTRY_COUNT; i++) {
    SetTextColor(dc, i == PauseCursor ? kChosenColor : kTextColor);
    TextOutA(dc, 220, 50 + 20 * i, PauseTexts[i], static_cast<int>(std::strlen(PauseTexts[i])));
  }
  SetTextColor(dc, kChosenColor);
  TextOutA(dc, 190, 50 + 20 * PauseCursor, PauseStar, static_cast<int>(std::strlen(PauseStar)));
  lpBackbuffer->ReleaseDC(dc);
}

}  // namespace

void PauseSetupScene() {
  FillPauseTexts();
  // The frozen picture is what was last presented.
  if (lpMenu != nullptr) lpMenu->BltFast(0, 0, lpPrimary, &SCREEN_RECT, DDBLTFAST_WAIT);
  PauseCursor = 0;
  PauseLevel = 0;
  CurrentScene = PauseScene;
}

void PauseScene() {
  if (!FrameGate(PauseTime, 33)) return;
  PauseLevel += 10;
  if (PauseLevel > 200) PauseLevel = 200;
  if (lpMenu != nullptr) lpBackbuffer->BltFast(0, 0, lpMenu, &SCREEN_RECT, DDBLTFAST_WAIT);
  if (theDDraw != nullptr) BlendPanel();

  if (ArrowPressedOnce(VK_UP)) {
    PauseCursor -= 1;
    if (PauseCursor < 0) PauseCursor += PAUSE_ENTRY_COUNT;
  }
  if (ArrowPressedOnce(VK_DOWN)) {
    PauseCursor += 1;
    if (PauseCursor >= PAUSE_ENTRY_COUNT) PauseCursor -= PAUSE_ENTRY_COUNT;
  }

  if (KeyPressedOnce(VK_SPACE, SpaceHeld)) {
    switch (PauseCursor) {
      case 0:
        CurrentScene = PlayScene;
        break;
      case 1:
        // Straight back into play: a restarted stage gets no wipe.
        SetupStagePlay(StageNo);
        CurrentScene = PlayScene;
        break;
      case 2:
        CurrentScene = SelectSetupScene;
        break;
      case 3:
        CurrentScene = LogoSetupScene;
        break;
      default:
        ReleaseAll();
        return;
    }
  }
  if (KeyPressedOnce(VK_SHIFT, ShiftHeld)) CurrentScene = PlayScene;

  DrawPauseTexts();
  Present();
}
