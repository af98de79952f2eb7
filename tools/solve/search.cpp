#include "tools/solve/search.h"

#include <chrono>

#include "play/movement.h"
#include "play/play_frame.h"
#include "play/search.h"
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
  SearchLimits limits;
  limits.maxStates = maxStates;
  const SearchResult found = SearchFrom(PackWorld(), limits);
  result.solvable = found.solvable;
  result.actions = found.actions;
  result.states = found.states;
  result.ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  return result;
}
