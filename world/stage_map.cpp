#include "world/stage_map.h"

#include <cstring>

StageNode StageNodes[NODE_COUNT];
int StageMapReady = 0;
int32_t SelectCursor = 0;

namespace {

struct NodePlace {
  int32_t x, y;
  Rect sprite;
};

const NodePlace kInitialMap[NODE_COUNT] = {
    {100, 300, {0, 480, 100, 580}},   {200, 300, {0, 480, 100, 580}},
    {200, 200, {0, 480, 100, 580}},   {200, 50, {0, 480, 100, 580}},
    {350, 200, {0, 480, 100, 580}},   {350, 100, {0, 480, 100, 580}},
    {450, 100, {0, 480, 100, 580}},   {350, 300, {0, 480, 100, 580}},
    {450, 300, {0, 480, 100, 580}},   {450, 200, {0, 480, 100, 580}},
    {100, 100, {200, 480, 300, 580}},
};

}  // namespace

void InitStageMap() {
  std::memset(StageNodes, 0, sizeof(StageNodes));
  for (int i = 0; i < NODE_COUNT; i++) {
    StageNode& node = StageNodes[i];
    const NodePlace& place = kInitialMap[i];
    node.Id = i;
    node.X = place.x;
    node.Y = place.y;
    node.Sprite = place.sprite;
    for (int d = 0; d < 4; d++) {
      const int link = NODE_LINKS[i][d];
      node.Links[d] = link < 0 ? nullptr : &StageNodes[link];
    }
  }
  StageNodes[0].Open = 1;
}
