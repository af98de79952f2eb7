#include "world/stage_map.h"

#include <cstring>

StageNode StageNodes[NODE_COUNT];
int StageMapReady = 0;
int32_t SelectCursor = 0;

namespace {

struct NodePlace {
  int32_t x, y;
  RECT sprite;
  int8_t links[4];  // by MapDirection; -1 for none
};

// Node 0's up link stays empty here: node 10 is joined above it only once 0..9 are cleared.
const NodePlace kInitialMap[NODE_COUNT] = {
    {100, 300, {0, 480, 100, 580}, {-1, 1, -1, -1}},
    {200, 300, {0, 480, 100, 580}, {2, -1, -1, 0}},
    {200, 200, {0, 480, 100, 580}, {3, 4, 1, -1}},
    {200, 50, {0, 480, 100, 580}, {-1, -1, 2, -1}},
    {350, 200, {0, 480, 100, 580}, {5, -1, 7, 2}},
    {350, 100, {0, 480, 100, 580}, {-1, 6, 4, -1}},
    {450, 100, {0, 480, 100, 580}, {-1, -1, -1, 5}},
    {350, 300, {0, 480, 100, 580}, {4, 8, -1, -1}},
    {450, 300, {0, 480, 100, 580}, {9, -1, -1, 7}},
    {450, 200, {0, 480, 100, 580}, {-1, -1, 8, -1}},
    {100, 100, {200, 480, 300, 580}, {-1, -1, 0, -1}},
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
      node.Links[d] = place.links[d] < 0 ? nullptr : &StageNodes[place.links[d]];
    }
  }
  StageNodes[0].Open = 1;
}
