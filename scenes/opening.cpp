#include "scenes/opening.h"

#include "app/shell.h"
#include "gfx/mydraw.h"
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
  RemakeSurface(lpBack, SCREEN_W, SCREEN_H, true);
  RemakeSurface(lpChar, 552, 1000, true);
  LoadScenePicture(lpBack, PICTURE_OPENING_BACK);
  LoadScenePicture(lpChar, PICTURE_OPENING_PAGES);
  OpeningPage = 0;
  CurrentScene = OpeningScene;
}

void OpeningScene() {
  if (!FrameGate(OpeningTime, 33)) return;
  if (KeyPressedOnce(VK_SPACE, SpaceHeld)) {
    OpeningPage++;
    if (OpeningPage > kLastPage) {
      CurrentScene = OpeningEndScene;
      return;
    }
  }

  FillSurfaceRect(lpBackbuffer, 0, 0, SCREEN_W, SCREEN_H, 0);
  if (lpBack != nullptr) {
    lpBackbuffer->BltFast(0, 0, lpBack, &SCREEN_RECT, KEYED_COPY);
  }
  if (lpChar != nullptr) {
    const int32_t p = OpeningPage;
    BltClipped(lpBackbuffer, 64, 57, lpChar, RECT{0, 233 * p, 511, 233 * p + 233}, KEYED_COPY);
    BltClipped(lpBackbuffer, 60, 304, lpChar, RECT{0, 700 + 100 * p, 530, 800 + 100 * p},
               KEYED_COPY);
  }
  Present();
}

// The last page stays in lpBackbuffer: the stage select drops its map in over it.
void OpeningEndScene() {
  ReleaseSurface(lpBack);
  ReleaseSurface(lpChar);
  CurrentScene = SelectSetupScene;
}
