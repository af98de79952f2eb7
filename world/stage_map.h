// The stage map: one node per stage, the player's progress for the whole run.
#pragma once
#include <cstdint>

#include "platform/types.h"

constexpr int NODE_COUNT = 11;

struct StageNode {
  int32_t Id;
  int32_t X, Y;
  RECT Sprite;
  int32_t PopW;
  int32_t PopH;
  int32_t PopPhase;
  int32_t PopTick;
  uint8_t Open;
  uint8_t Pending;
  uint8_t Cleared;
  StageNode* Links[4];  // up, right, down, left
};

extern StageNode StageNodes[NODE_COUNT];
extern int StageMapReady;
extern int32_t SelectCursor;

// Zeroes every node and fills in the map of a first visit (only node 0 open).
void InitStageMap();
