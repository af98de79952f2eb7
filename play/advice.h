// What the game knows of the stage ahead, from the search (play/search.h): the next action of a
// shortest solution (the hint H shows) and whether the stage can still be won. Searches run on a
// thread of their own, so no frame waits for one; on the headless backend each one is finished
// within the frame that asks (WorkWithinFrame), so runs repeat exactly.
#pragma once
#include <cstddef>

// Frames a hint blinks for, about a second.
constexpr int kHintFrames = 30;
// What a search may hold, counting what its tables need to grow: it stops, unfinished, before it
// could hold more (and the stage then counts as winnable).
constexpr size_t kSearchMemoryLimit = 56u << 20;

// Forgets everything known and stops a search under way: a stage set up or restarted.
void ResetAdvice();
// Runs after every play frame: a world at rest in a state not judged yet is looked up on the known
// solution or searched from; a search that has finished is taken in. Reads no clock.
void UpdateAdvice();
// H: shows the next action for kHintFrames frames, or once the search under way knows it; a press
// while that search runs does nothing more. Nothing when the stage can no longer be won.
void AskHint();

// The next action (SolveAction) of a shortest solution from the state at rest, -1 while none is
// known (something moves, the search runs, or the stage is lost).
int HintAction();
// Frames the shown hint has left, 0 when none shows; it goes with the next action.
int HintFramesLeft();
// True once the search has found that the state at rest can no longer lead to a win.
bool StageLost();
// True while a search runs.
bool AdviceSearching();

// The largest search so far in this run: states kept, bytes held, and milliseconds taken.
struct SearchFigures {
  size_t states;
  size_t bytes;
  double ms;
};
SearchFigures LargestSearch();
