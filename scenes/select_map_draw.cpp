// Drawing the stage map: the tree of lines and node pictures, the pop-in, the clipped copy.
#include "app/shell.h"
#include "platform/gdi.h"
#include "scenes/select.h"

const int32_t PopStepW[8] = {10, 5, -5, 3, -3, 2, -2, 0};
const int32_t PopStepH[8] = {10, -5, 5, -3, 3, -2, 2, 0};

namespace {

// The pop-in moves to its next step at these counts of frames drawn.
int32_t PopPhaseAt(int32_t tick, int32_t phase) {
  switch (tick) {
    case 5:
      return 1;
    case 8:
      return 2;
    case 11:
      return 3;
    case 13:
      return 4;
    case 15:
      return 5;
    case 16:
      return 6;
    case 17:
      return 7;
    default:
      return phase;
  }
}

}  // namespace

void BltFromBack(int32_t x, int32_t y, RECT rect, DWORD flags) {
  const int32_t w = rect.right - rect.left;
  const int32_t h = rect.bottom - rect.top;
  if (x < 0) {
    if (x <= -w) return;
    rect.left -= x;
    x = 0;
  }
  if (x + (rect.right - rect.left) > SCREEN_W) {
    if (x > SCREEN_W) return;
    rect.right -= x + (rect.right - rect.left) - SCREEN_W;
  }
  if (y < 0) {
    if (y <= -h) return;
    rect.top -= y;
    y = 0;
  }
  if (y + (rect.bottom - rect.top) > SCREEN_H) {
    if (y > SCREEN_H) return;
    rect.bottom -= y + (rect.bottom - rect.top) - SCREEN_H;
  }
  if (lpBack == nullptr) return;
  lpBackbuffer->BltFast(x, y, lpBack, &rect, flags);
}

void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  HDC dc = nullptr;
  if (lpBackbuffer->GetDC(&dc) != DD_OK) return;
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  lpBackbuffer->ReleaseDC(dc);
}

// Lines to every neighbour (also one not yet open: the way one step on is always shown), then
// the neighbours' trees, then this node's picture: every line lies under both its end pictures.
void DrawStageTree(StageNode* node) {
  if (!node->Open || !node->Pending) return;
  node->Pending = 0;
  for (StageNode* next : node->Links) {
    if (next == nullptr) continue;
    DrawLine(CenterX(node->X, node->Sprite), CenterY(node->Y, node->Sprite),
             CenterX(next->X, next->Sprite), CenterY(next->Y, next->Sprite));
    DrawStageTree(next);
  }
  DrawStageNode(node);
}

void DrawStageNode(StageNode* node) {
  RECT src = node->Sprite;
  src.left += 100 * NodeBlink;
  src.right += 100 * NodeBlink;
  if (node->Cleared) {
    BltFromBack(node->X, node->Y, src, KEYED_COPY);
    return;
  }
  // The pop-in grows out of the bottom edge, overshoots wide and flat, and settles.
  const int32_t cx = CenterX(node->X, src);
  const int32_t cy = CenterY(node->Y, src);
  node->PopW += PopStepW[node->PopPhase];
  node->PopH += PopStepH[node->PopPhase];
  if (node->PopTick < 25) node->PopTick += 1;
  node->PopPhase = PopPhaseAt(node->PopTick, node->PopPhase);
  if (lpBack == nullptr) return;
  RECT dst = {cx - node->PopW, cy - node->PopH, cx + node->PopW, cy + 50};
  lpBackbuffer->Blt(&dst, lpBack, &src, DDBLT_KEYSRC | DDBLT_WAIT);
}

int32_t StepCursor(int32_t index, int direction) {
  const StageNode* next = StageNodes[index].Links[direction];
  if (next != nullptr && next->Open) return next->Id;
  return index;
}
