#include "scenes/opening.h"

#include "app/shell.h"
#include "gfx/picture_names.h"
#include "play/render.h"
#include "scenes/scene_surfaces.h"
#include "scenes/select.h"

int32_t OpeningPage = 0;

namespace {

constexpr int32_t kLastPage = 2;

uint32_t OpeningTime = 0;

}  // namespace

void OpeningSetupScene() {
  Display& display = TheDisplay();
  RemakeSurface(display.back, SCREEN_W, SCREEN_H, true);
  RemakeSurface(display.chara, 552, 1000, true);
  LoadScenePicture(display.back, PICTURE_OPENING_BACK);
  LoadScenePicture(display.chara, PICTURE_OPENING_PAGES);
  OpeningPage = 0;
  CurrentScene = OpeningScene;
}

void OpeningScene() {
  Display& display = TheDisplay();
  if (!FrameGate(OpeningTime, FRAME_PERIOD)) return;
  if (KeyPressedOnce(Key::Space, SpaceHeld)) {
    OpeningPage++;
    if (OpeningPage > kLastPage) {
      CurrentScene = OpeningEndScene;
      return;
    }
  }

  display.backbuffer.Fill(0);
  if (display.back) {
    display.backbuffer.CopyFrom({0, 0}, display.back, SCREEN_RECT, kKeyed);
  }
  if (display.chara) {
    const int32_t p = OpeningPage;
    display.backbuffer.CopyFrom({64, 57}, display.chara, Rect{0, 233 * p, 511, 233 * p + 233},
                                kKeyed);
    display.backbuffer.CopyFrom({60, 304}, display.chara,
                                Rect{0, 700 + 100 * p, 530, 800 + 100 * p}, kKeyed);
  }
  Present();
}

// The last page stays in the back buffer: the stage select drops its map in over it.
void OpeningEndScene() {
  Display& display = TheDisplay();
  ReleaseSurface(display.back);
  ReleaseSurface(display.chara);
  CurrentScene = SelectSetupScene;
}
