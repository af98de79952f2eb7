// Breadth-first search over a stage's states at rest, driving the real rules: the one search that
// the game's hint and its "can no longer be won" line, kobako-solve and the tests share.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "play/play_frame.h"

// The player's moves as the search sees them: an arrow or Space pressed from rest, then no keys
// until everything has come to rest again.
enum SolveAction { ACTION_UP, ACTION_DOWN, ACTION_LEFT, ACTION_RIGHT, ACTION_SPACE, ACTION_COUNT };

// Frames after which a move that has not come to rest counts as stuck (a snare takes 100).
constexpr int kMaxFramesPerAction = 400;

// "Up", "Down", "Left", "Right" or "Space".
const char* ActionName(int action);

// Runs one move through the real play frame. The key is held until the frame in which it acts
// (an arrow acts when the shared repeat counter allows, Space at once) and released afterwards.
// Appends every frame's keys to frames when given. Returns false when the world does not come to
// rest; stops early, returning true, in the frame the stage is won.
bool RunAction(int action, int& spaceHeld, std::vector<PlayKeys>* frames);

struct SearchLimits {
  size_t maxStates = 4000000;  // states beyond it are not kept (the search goes on)
  size_t maxBytes =
      SIZE_MAX;  // the search stops, unfinished, before it could hold more, tables growing included
  const std::atomic<bool>* cancel = nullptr;  // set by another thread: stop, unfinished
};

struct SearchResult {
  bool solvable = false;
  bool complete = false;          // every state reachable was seen (so not solvable means lost)
  std::vector<int> actions;       // a shortest winning sequence of SolveAction
  std::vector<std::string> path;  // the packed states actions start from, the first one first
  size_t states = 0;              // distinct states at rest kept
  size_t bytes = 0;               // the memory the search held at the end (it only grows)
};

// Searches from the packed state start (PackWorld) of the stage StageNo names, in the calling
// thread's world, which is left in whatever state the search tried last.
SearchResult SearchFrom(const std::string& start, const SearchLimits& limits);

// Every state at rest the stage can reach, and where each move leads: what kobako-solve's report
// measures dead ends, the fastest win and the kinds of fatal moves on.
enum MoveKind : uint8_t { MOVE_WALK, MOVE_PUSH, MOVE_OPEN };
constexpr int32_t kMoveIdle = -1;  // the move changes nothing, or never comes to rest
constexpr int32_t kMoveWins = -2;

struct Move {
  int32_t to = kMoveIdle;  // the state it leads to, or kMoveIdle or kMoveWins
  uint16_t frames = 0;     // the frames it takes, the key's included
  MoveKind kind = MOVE_WALK;
  int8_t onto = -1;  // a push: the kind of the item the block now stands on, else -1
};

struct StateGraph {
  bool complete = false;       // every state reachable was kept
  std::vector<Move> moves;     // ACTION_COUNT per state, state 0 the start
  std::vector<int32_t> depth;  // the fewest moves from the start
  size_t States() const { return depth.size(); }
};

// Explores every state at rest reachable from start (PackWorld), wins included, with the rules
// SearchFrom drives; stops, incomplete, at limits.maxStates.
StateGraph ExploreFrom(const std::string& start, const SearchLimits& limits);
