#include "scenes/stage_start.h"

#include <cstdio>

#include "app/shared_objects.h"
#include "app/shell.h"
#include "gfx/mydraw.h"
#include "gfx/picture_names.h"
#include "play/play_frame.h"
#include "play/windows.h"
#include "scenes/play_scene.h"
#include "scenes/scene_surfaces.h"
#include "world/stage_map.h"
#include "world/world.h"

int StageIntro = 1;
int WipeWidth = 0;

namespace {

constexpr int WIPE_STEP = 16;
constexpr uint32_t WIPE_PERIOD = 33;
constexpr int LAST_STAGE = 10;

uint32_t WipeTime = 0;  // the wipe's own frame gate

}  // namespace

void StageStartScene() {
  // Surfaces of an earlier stage are released before their replacements are made.
  RemakeSurface(lpBack, SCREEN_W, SCREEN_H, false);
  RemakeSurface(lpChar, SCREEN_W, SCREEN_H, true);
  RemakeSurface(lpItem, 700, 1100, true);
  RemakeSurface(lpVill, 576, 1000, true);
  RemakeSurface(lpMenu, SCREEN_W, SCREEN_H, false);
  RemakeSurface(lpFram, 640, 1000, true);
  RemakeSurface(lpClea, SCREEN_W, SCREEN_H, true);

  LoadScenePicture(lpChar, PICTURE_HERO);
  LoadScenePicture(lpItem, PICTURE_TRAP);
  LoadScenePicture(lpVill, PICTURE_VILLAGERS);
  LoadScenePicture(lpFram, PICTURE_FRAME);
  LoadScenePicture(lpClea, PICTURE_CLEAR);

  SetupStagePlay(StageNo);

  char name[32];
  std::snprintf(name, sizeof name, PICTURE_AREA_BACK, Area);
  LoadScenePicture(lpBack, name);

  FillSurfaceRect(lpPrimary, 0, 0, SCREEN_W, SCREEN_H, 0);
  StageIntro = 1;
  CurrentScene = PlayScene;
}

void StageWipeScene() {
  RECT whole = {0, 0, SCREEN_W, SCREEN_H};
  lpMenu->BltFast(0, 0, lpBackbuffer, &whole, DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT);
  WipeTime = timeGetTime();

  BlitRequest darken = {};
  darken.Src = BackId;
  darken.SrcRect = whole;
  darken.Level = 200;
  darken.Mode = BLIT_BLEND | BLEND_SUB;
  theDDraw->Blit(darken);

  // No window messages are handled meanwhile: Escape waits until the wipe is over, while a close
  // request cuts it short for the main loop to shut down.
  while (WipeWidth < SCREEN_W && !CloseRequested()) {
    if (!FrameGate(WipeTime, WIPE_PERIOD)) {
      WaitMessageTimeout(1);
      continue;
    }
    for (int y = 0; y < SCREEN_H; y += 2) {
      RECT tail = {SCREEN_W - WipeWidth, y, SCREEN_W, y + 1};
      lpBackbuffer->BltFast(0, y, lpMenu, &tail, DDBLTFAST_WAIT);
    }
    for (int y = 1; y < SCREEN_H; y += 2) {
      RECT head = {0, y, WipeWidth, y + 1};
      lpBackbuffer->BltFast(SCREEN_W - WipeWidth, y, lpMenu, &head, DDBLTFAST_WAIT);
    }
    WipeWidth += WIPE_STEP;
    Present();
  }

  WipeWidth = 0;
  StageIntro = 0;
  CurrentScene = PlayScene;
  if (StageNo == LAST_STAGE && !StageNodes[LAST_STAGE].Cleared) ShowMessage();
}
