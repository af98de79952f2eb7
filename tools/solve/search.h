// Breadth-first search over a stage's states at rest, driving the real rules.
#pragma once
#include <cstddef>
#include <vector>

#include "play/play_frame.h"

struct SolveResult {
  bool solvable = false;
  bool missing = false;      // the stage's data file is not there (the game would load stage 1)
  std::vector<int> actions;  // a shortest winning sequence of SolveAction
  size_t states = 0;         // distinct states at rest reached
  double ms = 0;
};

// Sets stage n up from "data/data%02d.txt" in the working directory (the stage's first frames as
// the game plays them) and searches until the stage is won, every state is known, or maxStates.
SolveResult SolveStage(int stage, size_t maxStates = 4000000);

// Sets the stage up and runs its lead-in (recording its frames' keys when frames is given); the
// world is then where the first move starts.
void StartStage(int stage, int& spaceHeld, std::vector<PlayKeys>* frames = nullptr);
