// The solver on small stages written here, and on the game's own eleven stages.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/backend_headless.h"
#include "play/actors.h"
#include "play/play_frame.h"
#include "play/stage_state.h"
#include "play/world_state.h"
#include "tools/solve/actions.h"
#include "tools/solve/report.h"
#include "tools/solve/script.h"
#include "tools/solve/search.h"
#include "world/setup.h"
#include "world/stage_map.h"
#include "world/world.h"

namespace {

HeadlessBackend& Backend() {
  static HeadlessBackend backend;
  return backend;
}

// A scratch game folder holding stage files written by a test.
class ScratchStages {
 public:
  ScratchStages() {
    char pattern[] = "/tmp/kobako-solve-XXXXXX";
    dir_ = mkdtemp(pattern);
    std::string data = dir_ + "/data";
    mkdir(data.c_str(), 0755);
    SetBackend(&Backend());
  }
  ~ScratchStages() { std::system(("rm -rf " + dir_).c_str()); }
  // lines are joined with CR LF, as the game's files are.
  void Write(int stage, const std::vector<std::string>& lines) {
    char name[32];
    std::snprintf(name, sizeof name, "/data/data%02d.txt", stage);
    std::ofstream out(dir_ + name, std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
    chdir(dir_.c_str());
  }
  const std::string& Dir() const { return dir_; }

 private:
  std::string dir_;
};

// A box behind a gate on the top row; the gate's switch lies far from it, with a block below.
std::vector<std::string> GateStage(bool withBlock) {
  std::vector<std::string> lines = {"@DA,0",          "@DH,2,6",         "@DB",
                                    "0,5,1,101,-1,1", "1,6,1,101,-1,1",  "2,7,1,101,-1,1",
                                    "3,8,1,101,-1,1", "4,8,0,104,201,1", "5,2,3,8,7,1"};
  if (withBlock) {
    lines.push_back("6,2,4,110,-1,1");
  } else {
    lines.push_back("6,0,8,101,-1,1");
  }
  lines.push_back("7,6,0,111,-1,1,@");
  lines.push_back("@E");
  return lines;
}

}  // namespace

TEST(Solver, FindsTheShortestWalkAndOpen) {
  ScratchStages scratch;
  scratch.Write(0, {"@DA,0", "@DH,0,0", "@DB", "0,2,0,104,200,1,@", "@E"});
  SolveResult r = SolveStage(0);
  ASSERT_TRUE(r.solvable);
  EXPECT_EQ(r.actions, (std::vector<int>{ACTION_RIGHT, ACTION_SPACE}));
}

TEST(Solver, ReportsAWalledInBoxAsUnsolvable) {
  ScratchStages scratch;
  scratch.Write(0, {"@DA,0", "@DH,0,0", "@DB", "0,4,3,101,-1,1", "1,3,4,101,-1,1", "2,5,4,101,-1,1",
                    "3,4,5,101,-1,1", "4,4,4,104,200,1,@", "@E"});
  SolveResult r = SolveStage(0);
  EXPECT_FALSE(r.solvable);
  // The hero faces a way on a tile when he can walk in that way onto it, or is stopped there
  // when he tries to leave that way; and there is the start, facing down.
  auto free = [](int x, int y) {
    bool taken = (x == 4 && y >= 3 && y <= 5) || (y == 4 && x >= 3 && x <= 5);
    return x >= 0 && x < TMAX && y >= 0 && y < TMAX && !taken;
  };
  const int dx[4] = {0, 0, -1, 1}, dy[4] = {-1, 1, 0, 0};
  size_t expected = 1;
  for (int x = 0; x < TMAX; x++) {
    for (int y = 0; y < TMAX; y++) {
      if (!free(x, y)) continue;
      for (int d = 0; d < 4; d++) {
        if (free(x - dx[d], y - dy[d]) || !free(x + dx[d], y + dy[d])) expected++;
      }
    }
  }
  EXPECT_EQ(r.states, expected);
}

TEST(Solver, MissingStageFileIsReportedNotSolvedAsStageOne) {
  ScratchStages scratch;
  scratch.Write(1, {"@DA,0", "@DH,0,0", "@DB", "0,1,0,104,200,1,@", "@E"});
  SolveResult r = SolveStage(7);
  EXPECT_TRUE(r.missing);
  EXPECT_FALSE(r.solvable);
  EXPECT_TRUE(SolveStage(1).solvable);
}

TEST(Solver, PushesABlockOntoTheSwitchToPassTheGate) {
  ScratchStages scratch;
  scratch.Write(0, GateStage(true));
  SolveResult r = SolveStage(0);
  ASSERT_TRUE(r.solvable);
  // Two pushes up, nine steps to the tile before the box, Space.
  EXPECT_EQ(r.actions.size(), 12u);
  EXPECT_EQ(r.actions[0], ACTION_UP);
  EXPECT_EQ(r.actions[1], ACTION_UP);
  EXPECT_EQ(r.actions.back(), ACTION_SPACE);

  scratch.Write(0, GateStage(false));
  EXPECT_FALSE(SolveStage(0).solvable) << "the hero alone cannot hold the switch down";
}

TEST(Solver, HiddenSnareCostsFramesButNoActions) {
  ScratchStages scratch;
  scratch.Write(0, {"@DA,0", "@DH,0,0", "@DB", "0,3,0,104,200,1,@", "@E"});
  SolveResult plain = SolveStage(0);
  scratch.Write(1, {"@DA,0", "@DH,0,0", "@DB", "0,3,0,104,200,1", "1,1,0,6,-1,0,@", "@E"});
  SolveResult snared = SolveStage(1);
  ASSERT_TRUE(plain.solvable);
  ASSERT_TRUE(snared.solvable);
  EXPECT_EQ(snared.actions, plain.actions);
  int plainFrames = ReplayPlayFrames(0, plain.actions);
  int snaredFrames = ReplayPlayFrames(1, snared.actions);
  ASSERT_GT(plainFrames, 0);
  EXPECT_GE(snaredFrames - plainFrames, 90) << "the snare holds the hero about 100 frames";
}

TEST(Solver, LastStageIsWonByFacingTheDemonLordFromBelowOnly) {
  ScratchStages scratch;
  // A box with content right below the hero would win any other stage in two actions.
  scratch.Write(10, {"@DA,9", "@DH,4,3", "@DB", "0,4,4,104,200,1,@", "@DV", "0,4,0,204,1,@", "@E"});
  SolveResult r = SolveStage(10);
  ASSERT_TRUE(r.solvable);
  EXPECT_EQ(r.actions, (std::vector<int>{ACTION_UP, ACTION_UP, ACTION_SPACE}));
}

// A pit at (1,0) drops the hero into a corner hedged in at (8,8); the winning box is at (0,2).
std::vector<std::string> PitTrapStage() {
  return {"@DA,0",          "@DH,0,0",           "@DB",
          "0,1,0,7,1,0",    "1,8,8,7,0,0",       "2,7,8,100,-1,1",
          "3,8,7,100,-1,1", "4,0,2,104,200,1,@", "@E"};
}

TEST(Solver, SearchFromATrapSeesEveryStateAndNoWin) {
  ScratchStages scratch;
  scratch.Write(0, PitTrapStage());
  int spaceHeld = 0;
  StartStage(0, spaceHeld);
  const std::string start = PackWorld();
  const SearchResult winnable = SearchFrom(start, SearchLimits{});
  ASSERT_TRUE(winnable.solvable);
  EXPECT_EQ(winnable.actions, (std::vector<int>{ACTION_DOWN, ACTION_SPACE}));
  ASSERT_EQ(winnable.path.size(), 2u);
  EXPECT_EQ(winnable.path[0], start);
  UnpackWorld(start);  // the search leaves the world where it last looked
  ASSERT_TRUE(RunAction(ACTION_RIGHT, spaceHeld, nullptr));
  ASSERT_EQ(Chara.TilePt.x, 8);
  const SearchResult lost = SearchFrom(PackWorld(), SearchLimits{});
  EXPECT_FALSE(lost.solvable);
  EXPECT_TRUE(lost.complete);
  EXPECT_EQ(lost.states, 4u) << "the four facings in the corner";
}

TEST(Solver, SearchStoppedByItsLimitsIsNotComplete) {
  ScratchStages scratch;
  scratch.Write(0, PitTrapStage());
  int spaceHeld = 0;
  StartStage(0, spaceHeld);
  ASSERT_TRUE(RunAction(ACTION_RIGHT, spaceHeld, nullptr));
  const std::string corner = PackWorld();
  SearchLimits few;
  few.maxStates = 2;
  EXPECT_FALSE(SearchFrom(corner, few).complete);
  SearchLimits small;
  small.maxBytes = 1;
  EXPECT_FALSE(SearchFrom(corner, small).complete);
  std::atomic<bool> cancel{true};
  SearchLimits cancelled;
  cancelled.cancel = &cancel;
  const SearchResult stopped = SearchFrom(corner, cancelled);
  EXPECT_FALSE(stopped.complete);
  EXPECT_EQ(stopped.states, 1u);
}

TEST(Solver, PackedStateComesBackWhole) {
  ScratchStages scratch;
  scratch.Write(0, GateStage(true));
  int spaceHeld = 0;
  StartStage(0, spaceHeld);
  ASSERT_TRUE(RunAction(ACTION_UP, spaceHeld, nullptr));
  ASSERT_TRUE(RunAction(ACTION_UP, spaceHeld, nullptr));  // the block lands on the switch
  std::string packed = PackWorld();
  ASSERT_EQ(Items[7].Item, 11) << "the gate is open";
  ASSERT_TRUE(RunAction(ACTION_RIGHT, spaceHeld, nullptr));
  ASSERT_NE(PackWorld(), packed);
  UnpackWorld(packed);
  EXPECT_EQ(PackWorld(), packed);
  EXPECT_EQ(Chara.TilePt.x, 2);
  EXPECT_EQ(Chara.TilePt.y, 4);
  DPoint rest = TilePosition(2, 4);
  EXPECT_EQ(Chara.Pos.x, rest.x);
  EXPECT_EQ(Chara.Pos.y, rest.y);
  EXPECT_EQ(TileMark[2][4], 1);
  EXPECT_EQ(Items[7].Item, 11);
  EXPECT_TRUE(WorldAtRest());
}

namespace {

// Solves the scratch stage and returns its script, or "" when it cannot be won or written.
std::string SolutionScript(const ScratchStages& scratch, int stage) {
  SolveResult r = SolveStage(stage);
  std::string path = scratch.Dir() + "/solution.txt";
  if (!r.solvable || !WriteSolutionScript(stage, r.actions, path)) return "";
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

TEST(Solver, ScriptsHoldEachKeyUntilTheFrameItActsIn) {
  ScratchStages scratch;
  scratch.Write(0, {"@DA,0", "@DH,0,0", "@DB", "0,3,0,104,200,1,@", "@E"});
  std::string text = SolutionScript(scratch, 0);
  // The first step acts at once; the second arrow waits for the repeat counter (three frames).
  std::string expected =
      "at 40 keys Right\nat 41 keys -\nat 47 keys Right\nat 50 keys -\nat 56 keys Space\n"
      "at 57 keys -\nend ";
  EXPECT_NE(text.find(expected), std::string::npos) << text;
}

TEST(Solver, LastStageScriptClosesTheOpeningMessageFirst) {
  ScratchStages scratch;
  scratch.Write(10, {"@DA,9", "@DH,4,2", "@DV", "0,4,0,204,1,@", "@E"});
  std::string text = SolutionScript(scratch, 10);
  // After the comment line: Space from the message's first picture, released two frames later.
  std::string expected = "\nat 41 keys Space\nat 43 keys -\nat 44 keys Up\n";
  EXPECT_NE(text.find(expected), std::string::npos) << text;
}

// Two rows of three tiles, hedged in; the winning box at (3,1) opens only from (2,1), and a
// block waits at (1,1): pushed right from (0,1) it takes the box's one tile for good.
std::vector<std::string> JammedBoxStage() {
  return {"@DA,0",
          "@DH,0,0",
          "@DB",
          "0,3,0,100,-1,1",
          "1,0,2,100,-1,1",
          "2,1,2,100,-1,1",
          "3,2,2,100,-1,1",
          "4,3,1,104,201,1",
          "5,1,1,110,-1,1,@",
          "@E"};
}

TEST(Report, DeadEndsAreTheStatesNoWinCanBeReachedFrom) {
  ScratchStages scratch;
  scratch.Write(0, PitTrapStage());
  const StageFigures pit = MeasureStage(0);
  ASSERT_TRUE(pit.solvable);
  EXPECT_TRUE(pit.complete);
  EXPECT_EQ(pit.actions, 2) << "down, Space";
  EXPECT_EQ(pit.deadEnds, 4u) << "the four facings in the hedged corner";
  EXPECT_EQ(pit.firstDeadEnd, 1) << "one step right, into the pit";
  EXPECT_EQ(pit.fatal, (std::vector<std::string>{"walk"}));
  EXPECT_NE(pit.kinds.find("pit"), std::string::npos);
  EXPECT_EQ(pit.mechanics, 1u << MECH_PIT);

  scratch.Write(0, JammedBoxStage());
  const StageFigures jam = MeasureStage(0);
  ASSERT_TRUE(jam.solvable);
  EXPECT_EQ(jam.actions, 5) << "right, right, down, turn right, Space";
  EXPECT_EQ(jam.firstDeadEnd, 2) << "down, then the push";
  EXPECT_GT(jam.deadEnds, 0u);
  EXPECT_LT(jam.deadEnds, jam.states);
  EXPECT_EQ(jam.fatal, (std::vector<std::string>{"push"}));
  EXPECT_EQ(jam.mechanics, 1u << MECH_BLOCK);
}

TEST(Report, FastestWinWalksRoundASnareThatTheFewestMovesCross) {
  ScratchStages scratch;
  // Straight on, over the snare: right, right, Space; round it by the row below: six moves.
  scratch.Write(0, {"@DA,0", "@DH,0,0", "@DB", "0,0,2,100,-1,1", "1,1,2,100,-1,1", "2,2,2,100,-1,1",
                    "3,3,1,100,-1,1", "4,3,0,104,200,1", "5,1,0,6,-1,0,@", "@E"});
  const StageFigures figures = MeasureStage(0);
  ASSERT_TRUE(figures.solvable);
  EXPECT_EQ(figures.actions, 3);
  const int straight = ReplayPlayFrames(0, {ACTION_RIGHT, ACTION_RIGHT, ACTION_SPACE});
  EXPECT_LT(figures.frames + 40, straight) << "the way round is quicker than the hold";
  const std::vector<Necessity> necessity = MeasureNecessity(0, figures);
  ASSERT_EQ(necessity.size(), 1u);
  EXPECT_EQ(necessity[0].what, "snare (1,0)");
  EXPECT_TRUE(necessity[0].matters) << necessity[0].verdict;
  EXPECT_NE(necessity[0].verdict.find("frames shorter"), std::string::npos);
}

TEST(Report, NecessitySaysWhatEachElementIsNeededFor) {
  ScratchStages scratch;
  std::vector<std::string> lines = GateStage(true);
  lines[9] = "6,2,4,110,-1,1";
  lines.insert(lines.begin() + 10, "7,0,8,110,-1,1");  // a block in a corner no push can move
  lines[11] = "8,6,0,111,-1,1,@";
  lines[8] = "5,2,3,8,8,1";
  scratch.Write(0, lines);
  const StageFigures whole = MeasureStage(0);
  ASSERT_TRUE(whole.solvable);
  const std::vector<Necessity> necessity = MeasureNecessity(0, whole);
  ASSERT_EQ(necessity.size(), 4u);
  EXPECT_EQ(necessity[0].what, "switch (2,3)");
  EXPECT_EQ(necessity[0].verdict.compare(0, 10, "unsolvable"), 0) << necessity[0].verdict;
  EXPECT_EQ(necessity[1].what, "block (2,4)");
  EXPECT_EQ(necessity[1].verdict.compare(0, 10, "unsolvable"), 0) << necessity[1].verdict;
  EXPECT_EQ(necessity[2].what, "block (0,8)");
  EXPECT_EQ(necessity[2].verdict, "no different");
  EXPECT_FALSE(necessity[2].matters);
  EXPECT_EQ(necessity[3].what, "gate (6,0)");
  EXPECT_TRUE(necessity[3].matters) << "without it nothing can be lost: " << necessity[3].verdict;
  EXPECT_EQ(whole.mechanics, (1u << MECH_BLOCK) | (1u << MECH_SWITCH));
}

TEST(Report, ADoorMattersWhenTheStageCannotBeWonWithItShut) {
  ScratchStages scratch;
  // A hedge row at y 1 with one door at (0,1); the winning box far off at (8,4); a loose empty
  // box at (5,0) that nothing needs. Taking the door away saves only the Space that opens it.
  std::vector<std::string> lines = {"@DA,0", "@DH,0,0", "@DB"};
  for (int x = 1; x <= 8; x++)
    lines.push_back(std::to_string(x - 1) + "," + std::to_string(x) + ",1,100,-1,1");
  lines.insert(lines.end(), {"8,8,4,104,200,1", "9,0,1,104,-1,1", "10,5,0,104,-1,1,@", "@E"});
  scratch.Write(0, lines);
  const StageFigures whole = MeasureStage(0);
  ASSERT_TRUE(whole.solvable);
  const std::vector<Necessity> necessity = MeasureNecessity(0, whole);
  ASSERT_EQ(necessity.size(), 2u);
  EXPECT_EQ(necessity[0].what, "empty box (0,1)");
  EXPECT_TRUE(necessity[0].matters) << necessity[0].verdict;
  EXPECT_NE(necessity[0].verdict.find("kept shut: unsolvable"), std::string::npos);
  EXPECT_EQ(necessity[1].what, "empty box (5,0)");
  EXPECT_FALSE(necessity[1].matters) << necessity[1].verdict;
}

TEST(Report, OrdersOfPlayFollowTheMapsLinksAndMeetEachMechanicOnce) {
  const std::vector<std::vector<int>> orders = OrdersOfPlay();
  // After 0, 1, 2: stage 3 anywhere among seven, 5-6 and 7-8-9 interleaved after 4.
  EXPECT_EQ(orders.size(), 70u);
  for (const std::vector<int>& order : orders) {
    ASSERT_EQ(order.size(), static_cast<size_t>(StMAX));
    EXPECT_EQ(order.back(), LAST_STAGE);
    for (size_t i = 1; i + 1 < order.size(); i++) {
      bool opened = false;
      for (size_t j = 0; j < i; j++) {
        for (int d = 0; d < 4; d++) opened |= NODE_LINKS[order[j]][d] == order[i];
      }
      EXPECT_TRUE(opened) << "stage " << order[i] << " played before a neighbour";
    }
  }
  unsigned mechanics[StMAX] = {};
  mechanics[3] = 1u << MECH_BLOCK;
  mechanics[4] = (1u << MECH_BLOCK) | (1u << MECH_PIT);
  const std::vector<FirstMeeting> meetings = FirstMeetings(mechanics);
  // Grouped by mechanic, stage, what else the stage asks for and what of it is new.
  ASSERT_EQ(meetings.size(), 4u);
  EXPECT_EQ(meetings[0].stage, 3);
  EXPECT_EQ(meetings[0].orders, 10) << "stage 3 straight after stage 2";
  EXPECT_EQ(meetings[1].stage, 4);
  EXPECT_EQ(meetings[1].orders, 60);
  EXPECT_EQ(meetings[1].alsoNew, 1u << MECH_PIT);
  for (int i : {2, 3}) {
    EXPECT_EQ(meetings[i].mechanic, MECH_PIT);
    EXPECT_EQ(meetings[i].stage, 4);
    EXPECT_EQ(meetings[i].alsoAsks, 1u << MECH_BLOCK);
  }
  EXPECT_EQ(meetings[2].orders, 10) << "the block already met in stage 3";
  EXPECT_EQ(meetings[3].orders, 60);
}

TEST(Report, RulesBrokenAreNamed) {
  StageFigures lesson;
  lesson.solvable = true;
  lesson.actions = 12;
  lesson.mechanics = 1u << MECH_BLOCK;
  lesson.fatal = {"push"};
  FirstMeeting meeting;
  meeting.mechanic = MECH_BLOCK;
  meeting.stage = 7;
  meeting.orders = 70;
  EXPECT_TRUE(RuleBreaks(7, lesson, {}, {meeting}).empty());
  lesson.actions = 9;
  lesson.fatal = {"push", "walk"};
  Necessity idle;
  idle.what = "block (1,1)";
  EXPECT_EQ(RuleBreaks(7, lesson, {idle}, {meeting}).size(), 4u)
      << "too short, two kinds of fatal move, lost by a walk, an idle block";
  lesson.actions = 12;
  lesson.fatal = {"push"};
  meeting.alsoAsks = (1u << MECH_SWITCH) | (1u << MECH_CHEST);
  EXPECT_EQ(RuleBreaks(7, lesson, {}, {meeting}).size(), 1u) << "the block met with a switch";
  meeting.alsoAsks = 1u << MECH_CHEST;
  EXPECT_TRUE(RuleBreaks(7, lesson, {}, {meeting}).empty()) << "chests are met alone before";

  StageFigures both = lesson;
  both.actions = 30;
  both.fatal = {"push"};
  both.mechanics |= 1u << MECH_PIT;
  both.states = 10;
  both.deadEnds = 7;
  both.firstDeadEnd = 6;
  EXPECT_EQ(RuleBreaks(8, both, {}, {}).size(), 2u) << "70 % dead ends, the first at move 6";
  EXPECT_EQ(RuleBreaks(LAST_STAGE, both, {}, {}).size(), 1u) << "30 moves for the last stage";
}
