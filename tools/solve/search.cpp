#include "tools/solve/search.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "play/movement.h"
#include "play/play_frame.h"
#include "play/stage_state.h"
#include "play/world_state.h"
#include "tools/solve/actions.h"
#include "world/world.h"

void StartStage(int stage, int& spaceHeld, std::vector<PlayKeys>* frames) {
  StageNo = stage;
  StageClear = 0;
  KeyRepeat = 0;
  SetupStagePlay(stage);
  RunLeadIn(stage, spaceHeld, frames);
}

SolveResult SolveStage(int stage, size_t maxStates) {
  auto started = std::chrono::steady_clock::now();
  SolveResult result;
  int spaceHeld = 0;
  StartStage(stage, spaceHeld);
  if (StageNo != stage) {
    result.missing = true;
    return result;
  }

  std::vector<std::string> nodes;
  std::vector<int32_t> parent;
  std::vector<uint8_t> via;
  std::unordered_map<std::string, int32_t> seen;
  nodes.push_back(PackWorld());
  parent.push_back(-1);
  via.push_back(0);
  seen.emplace(nodes[0], 0);

  int goalParent = -1;
  int goalAction = 0;
  for (size_t head = 0; head < nodes.size() && goalParent < 0; head++) {
    for (int action = 0; action < ACTION_COUNT; action++) {
      UnpackWorld(nodes[head]);
      int held = 0;
      if (!RunAction(action, held, nullptr)) continue;
      if (StageClear != 0) {
        goalParent = static_cast<int>(head);
        goalAction = action;
        break;
      }
      std::string packed = PackWorld();
      if (seen.count(packed)) continue;
      if (nodes.size() >= maxStates) continue;
      seen.emplace(packed, static_cast<int32_t>(nodes.size()));
      nodes.push_back(std::move(packed));
      parent.push_back(static_cast<int32_t>(head));
      via.push_back(static_cast<uint8_t>(action));
    }
  }

  if (goalParent >= 0) {
    result.solvable = true;
    result.actions.push_back(goalAction);
    for (int n = goalParent; parent[n] >= 0; n = parent[n]) result.actions.push_back(via[n]);
    std::vector<int> forward(result.actions.rbegin(), result.actions.rend());
    result.actions = forward;
  }
  result.states = nodes.size();
  result.ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  return result;
}
