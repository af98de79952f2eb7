// The stage map of a first visit: places, pictures, links and what is open.
#include <gtest/gtest.h>

#include "world/stage_map.h"

namespace {

TEST(StageMap, FirstVisitOpensOnlyStageZero) {
  StageNodes[4].Cleared = 1;
  StageNodes[7].PopTick = 12;
  InitStageMap();
  for (int i = 0; i < NODE_COUNT; i++) {
    EXPECT_EQ(StageNodes[i].Id, i);
    EXPECT_EQ(StageNodes[i].Open, i == 0 ? 1 : 0) << i;
    EXPECT_EQ(StageNodes[i].Cleared, 0) << i;
    EXPECT_EQ(StageNodes[i].PopTick, 0) << i;
    EXPECT_EQ(StageNodes[i].PopW, 0) << i;
  }
}

TEST(StageMap, EveryLinkHasItsReverseAndNodeTenWaitsAboveNodeZero) {
  InitStageMap();
  int links = 0;
  for (const StageNode& node : StageNodes) {
    for (int d = 0; d < 4; d++) {
      const StageNode* next = node.Links[d];
      if (next == nullptr) continue;
      links++;
      if (node.Id == 10) continue;  // its way back appears with the unlock
      EXPECT_EQ(next->Links[(d + 2) % 4], &node) << node.Id << " direction " << d;
    }
  }
  // Ten links in both directions, less node 0's way up, which opens with the last stage.
  EXPECT_EQ(links, 19);
  EXPECT_EQ(StageNodes[0].Links[0], nullptr);
  EXPECT_EQ(StageNodes[10].Links[2], &StageNodes[0]);
}

TEST(StageMap, NodesStandWhereTheMapShowsThem) {
  InitStageMap();
  const int places[NODE_COUNT][2] = {{100, 300}, {200, 300}, {200, 200}, {200, 50},
                                     {350, 200}, {350, 100}, {450, 100}, {350, 300},
                                     {450, 300}, {450, 200}, {100, 100}};
  for (int i = 0; i < NODE_COUNT; i++) {
    EXPECT_EQ(StageNodes[i].X, places[i][0]) << i;
    EXPECT_EQ(StageNodes[i].Y, places[i][1]) << i;
    const RECT& s = StageNodes[i].Sprite;
    EXPECT_EQ(s.left, i == 10 ? 200 : 0) << i;
    EXPECT_EQ(s.right - s.left, 100);
    EXPECT_EQ(s.top, 480);
    EXPECT_EQ(s.bottom, 580);
  }
  // Directions point the way they say: up lowers Y, right raises X.
  for (const StageNode& node : StageNodes) {
    const StageNode* const* to = node.Links;
    EXPECT_TRUE(to[0] == nullptr || to[0]->Y < node.Y) << node.Id;
    EXPECT_TRUE(to[1] == nullptr || to[1]->X > node.X) << node.Id;
    EXPECT_TRUE(to[2] == nullptr || to[2]->Y > node.Y) << node.Id;
    EXPECT_TRUE(to[3] == nullptr || to[3]->X < node.X) << node.Id;
  }
}

}  // namespace
