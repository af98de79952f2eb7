#include "scenes/select.h"

#include "app/shell.h"
#include "gfx/picture_names.h"
#include "scenes/scene_surfaces.h"
#include "scenes/stage_start.h"
#include "world/world.h"

int32_t DropY = 0, DropSpeed = 0, DropFrames = 0;
int32_t SelectTick = 0, CursorFrame = 0, NodeBlink = 0;

namespace {

constexpr Rect kLabel = {0, 578, 100, 600};
constexpr Rect kCursorCells[4] = {
    {512, 480, 576, 544}, {576, 480, 640, 544}, {512, 544, 576, 608}, {576, 544, 640, 608}};
constexpr int kDropLastFrame = 75;

uint32_t DropTime = 0;
uint32_t SelectTime = 0;

// Node 10 joins the map above node 0 once nodes 0 to 9 are all cleared.
void UnlockLastStage() {
  for (int i = 0; i < 10; i++) {
    if (!StageNodes[i].Cleared) return;
  }
  StageNodes[0].Links[kMapUp] = &StageNodes[10];
  StageNodes[10].Open = 1;
}

struct ArrowKey {
  Key key;
  int direction;
};
constexpr ArrowKey kArrows[4] = {
    {Key::Up, kMapUp}, {Key::Down, kMapDown}, {Key::Left, kMapLeft}, {Key::Right, kMapRight}};

}  // namespace

void SelectSetupScene() {
  Display& display = TheDisplay();
  // The back and hero surfaces may still hold the play scene's pictures (from play or the pause
  // menu).
  RemakeSurface(display.back, 640, 620, true);
  RemakeSurface(display.chara, SCREEN_W, SCREEN_H, true);
  display.screen.ShowFill(0);
  LoadScenePicture(display.back, PICTURE_SELECT);
  // The last frame of the previous scene: the map drops in over it.
  if (display.chara) display.chara.CopyFrom({0, 0}, display.backbuffer, SCREEN_RECT);
  DropFrames = 0;
  DropSpeed = 0;
  DropY = 0;
  if (StageMapReady == 0) {
    StageMapReady = 1;
    InitStageMap();
    RestoreProgress();
  }
  CurrentScene = SelectDropScene;
}

// The map falls in, bounces three times and lies still from frame 75; no keys are read.
void SelectDropScene() {
  if (!FrameGate(DropTime, FRAME_PERIOD)) return;
  Display& display = TheDisplay();
  if (display.chara) display.backbuffer.CopyFrom({0, 0}, display.chara, SCREEN_RECT);
  display.backbuffer.CopyFrom({0, DropY - SCREEN_H}, display.back, SCREEN_RECT);
  DropSpeed += 1;
  DropY += DropSpeed;
  if (DropY > SCREEN_H) {
    DropY = SCREEN_H;
    DropSpeed = -(DropSpeed / 2);
  }
  DropFrames += 1;
  if (DropFrames > kDropLastFrame) CurrentScene = SelectScene;
  Present();
}

void SelectScene() {
  if (!FrameGate(SelectTime, FRAME_PERIOD)) return;
  Display& display = TheDisplay();
  UnlockLastStage();
  if (display.back) display.backbuffer.CopyFrom({0, 0}, display.back, SCREEN_RECT);
  for (StageNode& node : StageNodes) node.Pending = 1;
  DrawStageTree(&StageNodes[0]);

  // The cursor stands where it was when the frame began, before this frame's keys.
  const int32_t cursorX = StageNodes[SelectCursor].X + 20;
  const int32_t cursorY = StageNodes[SelectCursor].Y + 10;
  SelectTick += 1;
  if (SelectTick > 10) {
    SelectTick = 0;
    CursorFrame = (CursorFrame + 1) % 4;
    NodeBlink = (NodeBlink + 1) % 2;
  }
  if (display.back) {
    for (const StageNode& node : StageNodes) {
      if (!node.Cleared) continue;
      display.backbuffer.CopyFrom({node.X, node.Y + 20}, display.back, kLabel, kKeyed);
    }
  }
  display.backbuffer.CopyFrom({cursorX, cursorY}, display.back, kCursorCells[CursorFrame], kKeyed);

  // Two arrows first pressed in the same frame both act, in this order.
  for (const ArrowKey& arrow : kArrows) {
    if (ArrowPressedOnce(arrow.key)) SelectCursor = StepCursor(SelectCursor, arrow.direction);
  }
  if (KeyPressedOnce(Key::Space, SpaceHeld)) {
    ReleaseSurface(display.back);
    ReleaseSurface(display.chara);
    CurrentScene = StageStartScene;
    StageNo = SelectCursor;
  }
  Present();
}
