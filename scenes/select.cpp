#include "scenes/select.h"

#include "app/shell.h"
#include "gfx/mydraw.h"
#include "gfx/picture_names.h"
#include "scenes/scene_surfaces.h"
#include "scenes/stage_start.h"
#include "world/world.h"

int32_t DropY = 0, DropSpeed = 0, DropFrames = 0;
int32_t SelectTick = 0, CursorFrame = 0, NodeBlink = 0;

namespace {

constexpr RECT kLabel = {0, 578, 100, 600};
constexpr RECT kCursorCells[4] = {
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
  int vk;
  int direction;
};
constexpr ArrowKey kArrows[4] = {
    {VK_UP, kMapUp}, {VK_DOWN, kMapDown}, {VK_LEFT, kMapLeft}, {VK_RIGHT, kMapRight}};

}  // namespace

void SelectSetupScene() {
  // lpBack and lpChar may still hold the play scene's surfaces (from play or the pause menu).
  RemakeSurface(lpBack, 640, 620, true);
  RemakeSurface(lpChar, SCREEN_W, SCREEN_H, true);
  FillSurfaceRect(lpPrimary, 0, 0, SCREEN_W, SCREEN_H, 0);
  LoadScenePicture(lpBack, PICTURE_SELECT);
  // The last frame of the previous scene: the map drops in over it.
  if (lpChar != nullptr) lpChar->BltFast(0, 0, lpBackbuffer, &SCREEN_RECT, DDBLTFAST_WAIT);
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
  if (!FrameGate(DropTime, 33)) return;
  if (lpChar != nullptr) lpBackbuffer->BltFast(0, 0, lpChar, &SCREEN_RECT, DDBLTFAST_WAIT);
  BltFromBack(0, DropY - SCREEN_H, SCREEN_RECT, DDBLTFAST_WAIT);
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
  if (!FrameGate(SelectTime, 33)) return;
  UnlockLastStage();
  if (lpBack != nullptr) lpBackbuffer->BltFast(0, 0, lpBack, &SCREEN_RECT, DDBLTFAST_WAIT);
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
  if (lpBack != nullptr) {
    for (const StageNode& node : StageNodes) {
      if (!node.Cleared) continue;
      lpBackbuffer->BltFast(node.X, node.Y + 20, lpBack, &kLabel, KEYED_COPY);
    }
  }
  BltFromBack(cursorX, cursorY, kCursorCells[CursorFrame], KEYED_COPY);

  // Two arrows first pressed in the same frame both act, in this order.
  for (const ArrowKey& arrow : kArrows) {
    if (ArrowPressedOnce(arrow.vk)) SelectCursor = StepCursor(SelectCursor, arrow.direction);
  }
  if (KeyPressedOnce(VK_SPACE, SpaceHeld)) {
    ReleaseSurface(lpBack);
    ReleaseSurface(lpChar);
    CurrentScene = StageStartScene;
    StageNo = SelectCursor;
  }
  Present();
}
