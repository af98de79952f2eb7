#include "scenes/ending.h"

#include "app/shell.h"
#include "gfx/picture_names.h"
#include "scenes/logo.h"
#include "scenes/scene_surfaces.h"
#include "world/stage_map.h"

int32_t EndingScroll = 0;

namespace {

uint32_t EndingTime = 0;

void AddScroll(int32_t lines) {
  EndingScroll += lines;
  if (EndingScroll > ENDING_SCROLL_MAX) EndingScroll = ENDING_SCROLL_MAX;
}

}  // namespace

void EndingSetupScene() {
  Display& display = TheDisplay();
  RemakeSurface(display.back, 640, 2000, false);
  display.screen.ShowFill(0);
  LoadScenePicture(display.back, PICTURE_ENDING);
  CurrentScene = EndingScene;
}

// A faster gate than the other scenes: the picture moves 2 lines a frame, about 50 a second.
void EndingScene() {
  Display& display = TheDisplay();
  if (!FrameGate(EndingTime, 20)) return;
  if (display.back) {
    const Rect shown = {0, EndingScroll, SCREEN_W, EndingScroll + SCREEN_H};
    display.backbuffer.CopyFrom({0, 0}, display.back, shown);
  }
  AddScroll(2);
  bool left = false;
  if (KeyPressedOnce(Key::Space, SpaceHeld)) {
    // The next visit of the stage select lays the map out afresh, and so does the next run.
    SelectCursor = 0;
    StageMapReady = 0;
    ResetProgress();
    EndingScroll = 0;
    CurrentScene = LogoSetupScene;
    ReleaseSurface(display.back);
    left = true;
  }
  // Tab has no held flag: it speeds every frame it is down. Not after leaving, so the next
  // ending starts again from the top.
  if (IsKeyDown(Key::Tab) && !left) AddScroll(6);
  Present();
}
