// Drawing the stage map: the tree of lines and node pictures, the pop-in.
#include "app/shell.h"
#include "platform/text.h"
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

void DrawMapLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  DrawLine(TheDisplay().backbuffer, {x1, y1}, {x2, y2}, 0);
}

// Lines to every neighbour (also one not yet open: the way one step on is always shown), then
// the neighbours' trees, then this node's picture: every line lies under both its end pictures.
void DrawStageTree(StageNode* node) {
  if (!node->Open || !node->Pending) return;
  node->Pending = 0;
  for (StageNode* next : node->Links) {
    if (next == nullptr) continue;
    DrawMapLine(CenterX(node->X, node->Sprite), CenterY(node->Y, node->Sprite),
                CenterX(next->X, next->Sprite), CenterY(next->Y, next->Sprite));
    DrawStageTree(next);
  }
  DrawStageNode(node);
}

void DrawStageNode(StageNode* node) {
  Display& display = TheDisplay();
  Rect src = node->Sprite;
  src.left += 100 * NodeBlink;
  src.right += 100 * NodeBlink;
  if (node->Cleared) {
    display.backbuffer.CopyFrom({node->X, node->Y}, display.back, src, kKeyed);
    return;
  }
  // The pop-in grows out of the bottom edge, overshoots wide and flat, and settles.
  const int32_t cx = CenterX(node->X, src);
  const int32_t cy = CenterY(node->Y, src);
  node->PopW += PopStepW[node->PopPhase];
  node->PopH += PopStepH[node->PopPhase];
  if (node->PopTick < 25) node->PopTick += 1;
  node->PopPhase = PopPhaseAt(node->PopTick, node->PopPhase);
  if (!display.back) return;
  Rect dst = {cx - node->PopW, cy - node->PopH, cx + node->PopW, cy + 50};
  display.backbuffer.StretchFrom(dst, display.back, src, kKeyed);
}

int32_t StepCursor(int32_t index, int direction) {
  const StageNode* next = StageNodes[index].Links[direction];
  if (next != nullptr && next->Open) return next->Id;
  return index;
}
