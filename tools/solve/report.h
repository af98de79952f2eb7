// What kobako-solve --report measures of each stage, and where the map's orders of play first
// meet each mechanic.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "world/world.h"

enum Mechanic {
  MECH_BLOCK,
  MECH_SNARE,
  MECH_PIT,
  MECH_SWITCH,
  MECH_EMPTY_BOX,
  MECH_CHEST,
  MECH_COUNT
};

const char* MechanicName(int mechanic);
// "block, pit", or "nothing" for none.
std::string MechanicNames(unsigned mechanics);

struct StageFigures {
  bool missing = false;  // no data file
  bool complete = false;
  bool solvable = false;
  int actions = -1;  // the fewest moves that win
  int frames = -1;   // the fewest frames that win
  size_t states = 0;
  size_t deadEnds = 0;             // states from which no win can be reached
  int firstDeadEnd = -1;           // the fewest moves to a dead end, -1 for none
  std::vector<std::string> fatal;  // the kinds of move that lose the stage, sorted
  unsigned mechanics = 0;          // a bit per Mechanic
  std::string kinds;               // the item kinds on the map
  double DeadShare() const { return states ? static_cast<double>(deadEnds) / states : 0; }
};

struct Necessity {
  int item = 0;      // its index in the stage file
  std::string what;  // "pit (3,4)"
  std::string verdict;
  bool matters = false;  // unsolvable, a fifth shorter or longer, or other dead ends without it
};

// Sets the stage up from data/dataNN.txt in the working directory and measures every state it
// can reach; with without >= 0, that item is taken away first (links to it go with it); with
// keptShut >= 0, that empty box cannot be opened.
StageFigures MeasureStage(int stage, int without = -1, int keptShut = -1);
// Each switch, pit, block, snare, gate and empty box of the stage, measured without it; an empty
// box also kept shut.
std::vector<Necessity> MeasureNecessity(int stage, const StageFigures& whole);

// Every order in which the map lets stages 0 to 9 be cleared, stage 10 last.
std::vector<std::vector<int>> OrdersOfPlay();

struct FirstMeeting {
  int mechanic = 0;
  int stage = 0;
  unsigned alsoAsks = 0;  // the stage's other mechanics
  unsigned alsoNew = 0;   // those of them met there for the first time too
  int orders = 0;         // on how many orders of play
};
// Grouped by mechanic, stage and what else the stage asks for.
std::vector<FirstMeeting> FirstMeetings(const unsigned (&mechanics)[StMAX]);

// The rules a teaching stage set keeps, as broken by this stage: lessons (the first meeting of a
// mechanic on some order) 10 to 30 moves, one kind of fatal move, nothing else new and no other
// block, snare, pit or switch; stages
// that combine two mechanics 25 to 40 moves, at most 60 % dead ends, none before move 7; the
// last stage 40 to 60 moves; every element needed; no way to lose but pushing a block.
std::vector<std::string> RuleBreaks(int stage, const StageFigures& figures,
                                    const std::vector<Necessity>& necessity,
                                    const std::vector<FirstMeeting>& meetings);

// The whole report on the stages in the working directory, as printed; with only >= 0, the
// figures of that stage alone (the others are only looked at for their mechanics).
std::string StageReport(int only = -1);
