#include "scenes/pause.h"

#include <cstring>

#include "app/shared_objects.h"
#include "app/shell.h"
#include "platform/language.h"
#include "platform/text.h"
#include "play/play_frame.h"
#include "scenes/logo.h"
#include "scenes/play_scene.h"
#include "scenes/select.h"
#include "world/world.h"

int32_t PauseCursor = 0;
int32_t PauseLevel = 0;
const char* const PauseTexts[PAUSE_ENTRY_COUNT] = {
    Untranslated("このままつづける？"), Untranslated("はじめから？"),
    Untranslated("せんたくにもどる？"), Untranslated("たいとるにもどる？"),
    Untranslated("げぇむおわる？")};

namespace {

constexpr Pixel kTextColor = Rgb565(240, 240, 240);
constexpr Pixel kChosenColor = Rgb565(120, 100, 80);
constexpr char32_t kPauseStar[] = U"★";

uint32_t PauseTime = 0;

// Fades the frame picture's panel in over the frozen screen, up to level 200.
void BlendPanel() {
  BlitRequest request;
  std::memset(&request, 0, sizeof(request));
  request.x = 170;
  request.y = 30;
  request.Dst = 0;
  request.Src = FrameId();
  request.SrcRect = Rect{0, 560, 280, 700};
  request.Level = static_cast<uint8_t>(PauseLevel & 0xFF);
  request.Mode = BLIT_BLEND | BLEND_ALPHA;
  Pictures()->Blit(request);
}

void DrawPauseTexts(Display& display) {
  for (int i = 0; i < PAUSE_ENTRY_COUNT; i++) {
    DrawText(display.backbuffer, display.font, CodePoints(Translated(PauseTexts[i])),
             {220, 50 + 20 * i}, i == PauseCursor ? kChosenColor : kTextColor);
  }
  DrawText(display.backbuffer, display.font, kPauseStar, {190, 50 + 20 * PauseCursor},
           kChosenColor);
}

}  // namespace

void PauseSetupScene() {
  Display& display = TheDisplay();
  // The frozen picture is what was last presented.
  if (display.menu) display.menu.CopyFrom({0, 0}, display.screen.Shown(), SCREEN_RECT);
  PauseCursor = 0;
  PauseLevel = 0;
  CurrentScene = PauseScene;
}

void PauseScene() {
  if (!FrameGate(PauseTime, FRAME_PERIOD)) return;
  Display& display = TheDisplay();
  PauseLevel += 10;
  if (PauseLevel > 200) PauseLevel = 200;
  if (display.menu) display.backbuffer.CopyFrom({0, 0}, display.menu, SCREEN_RECT);
  if (Pictures() != nullptr) BlendPanel();

  if (ArrowPressedOnce(Key::Up)) {
    PauseCursor -= 1;
    if (PauseCursor < 0) PauseCursor += PAUSE_ENTRY_COUNT;
  }
  if (ArrowPressedOnce(Key::Down)) {
    PauseCursor += 1;
    if (PauseCursor >= PAUSE_ENTRY_COUNT) PauseCursor -= PAUSE_ENTRY_COUNT;
  }

  if (KeyPressedOnce(Key::Space, SpaceHeld)) {
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
  if (KeyPressedOnce(Key::Shift, ShiftHeld)) CurrentScene = PlayScene;

  DrawPauseTexts(display);
  Present();
}
