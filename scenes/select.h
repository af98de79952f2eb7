// The stage select: the map drops in over the last picture, then the cursor walks the nodes.
#pragma once
#include <cstdint>

#include "platform/geometry.h"
#include "world/stage_map.h"

void SelectSetupScene();
void SelectDropScene();
void SelectScene();

// The drop: bottom edge of the falling picture, its speed, frames shown.
extern int32_t DropY, DropSpeed, DropFrames;
// Slow animation of the map: cursor and node pictures change once every 11 frames.
extern int32_t SelectTick, CursorFrame, NodeBlink;
// Pop-in steps of a node picture, indexed by its PopPhase.
extern const int32_t PopStepW[8];
extern const int32_t PopStepH[8];

// One black line on the back buffer, (x2, y2) left out.
void DrawMapLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
inline int32_t CenterX(int32_t x, const Rect& rect) {
  return x + ((rect.right - rect.left) >> 1);
}
inline int32_t CenterY(int32_t y, const Rect& rect) {
  return y + ((rect.bottom - rect.top) >> 1);
}
// Draws the open part of the map reachable from node: lines first, pictures in post-order.
void DrawStageTree(StageNode* node);
void DrawStageNode(StageNode* node);
// The neighbour's Id when the link in that MapDirection leads to an open node, else index.
int32_t StepCursor(int32_t index, int direction);
