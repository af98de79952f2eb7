#include "scenes/stage_start.h"

#include <cstdio>

#include "app/shared_objects.h"
#include "app/shell.h"
#include "gfx/picture_names.h"
#include "platform/clock.h"
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

uint32_t WipeTime = 0;  // the wipe's own frame gate

}  // namespace

void StageStartScene() {
  Display& display = TheDisplay();
  // Surfaces of an earlier stage are released before their replacements are made.
  RemakeSurface(display.back, SCREEN_W, SCREEN_H, false);
  RemakeSurface(display.chara, SCREEN_W, SCREEN_H, true);
  RemakeSurface(display.item, 700, 1100, true);
  RemakeSurface(display.vill, 576, 1000, true);
  RemakeSurface(display.menu, SCREEN_W, SCREEN_H, false);
  RemakeSurface(display.fram, 640, 1000, true);
  RemakeSurface(display.clea, SCREEN_W, SCREEN_H, true);

  LoadScenePicture(display.chara, PICTURE_HERO);
  LoadScenePicture(display.item, PICTURE_TRAP);
  LoadScenePicture(display.vill, PICTURE_VILLAGERS);
  LoadScenePicture(display.fram, PICTURE_FRAME);
  LoadScenePicture(display.clea, PICTURE_CLEAR);

  SetupStagePlay(StageNo);

  char name[32];
  std::snprintf(name, sizeof name, PICTURE_AREA_BACK, Area);
  LoadScenePicture(display.back, name);

  display.screen.ShowFill(0);
  StageIntro = 1;
  CurrentScene = PlayScene;
}

void StageWipeScene() {
  Display& display = TheDisplay();
  display.menu.CopyFrom({0, 0}, display.backbuffer, SCREEN_RECT);
  WipeTime = NowMs();

  BlitRequest darken = {};
  darken.Src = BackId();
  darken.SrcRect = SCREEN_RECT;
  darken.Level = 200;
  darken.Mode = BLIT_BLEND | BLEND_SUB;
  Pictures()->Blit(darken);

  // No events are handled meanwhile: Escape waits until the wipe is over, while a close
  // request cuts it short for the main loop to shut down.
  for (bool closing = false; WipeWidth < SCREEN_W && !closing;) {
    if (!NextFrameOfLoop(WipeTime, FRAME_PERIOD, &closing)) continue;
    for (int y = 0; y < SCREEN_H; y += 2) {
      Rect tail = {SCREEN_W - WipeWidth, y, SCREEN_W, y + 1};
      display.backbuffer.CopyFrom({0, y}, display.menu, tail);
    }
    for (int y = 1; y < SCREEN_H; y += 2) {
      Rect head = {0, y, WipeWidth, y + 1};
      display.backbuffer.CopyFrom({SCREEN_W - WipeWidth, y}, display.menu, head);
    }
    WipeWidth += WIPE_STEP;
    Present();
  }

  WipeWidth = 0;
  StageIntro = 0;
  CurrentScene = PlayScene;
  if (StageNo == LAST_STAGE && !StageNodes[LAST_STAGE].Cleared) ShowMessage();
}
