// The game's eleven stages and its message file, as generated into game/data by the build.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/backend_headless.h"
#include "play/advice.h"
#include "play/movement.h"
#include "play/search.h"
#include "play/stage_state.h"
#include "tools/solve/report.h"
#include "tools/solve/script.h"
#include "tools/solve/search.h"
#include "world/datafile.h"
#include "world/kinds.h"
#include "world/setup.h"
#include "world/world.h"

namespace {

class Stages : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static HeadlessBackend backend;
    SetBackend(&backend);
    std::string game = std::string(KOBAKO_BINARY_DIR) + "/game";
    ASSERT_EQ(chdir(game.c_str()), 0) << game << " is built by the kobako_content target";
    for (int stage = 0; stage < StMAX; stage++) {
      results_.push_back(SolveStage(stage));
      std::printf("stage %02d: %zu actions, %zu states, %.0f ms\n", stage,
                  results_.back().actions.size(), results_.back().states, results_.back().ms);
    }
  }
  void SetUp() override {
    std::string game = std::string(KOBAKO_BINARY_DIR) + "/game";
    ASSERT_EQ(chdir(game.c_str()), 0);
  }
  static std::vector<SolveResult> results_;
};

std::vector<SolveResult> Stages::results_;

// Who the winning box of each stage holds, after the stage's rescue line.
constexpr int kRescued[10] = {200, 201, 202, 200, 203, 202, 200, 201, 203, 202};

}  // namespace

TEST_F(Stages, EveryStageCanBeWon) {
  ASSERT_EQ(results_.size(), static_cast<size_t>(StMAX));
  for (int stage = 0; stage < StMAX; stage++) {
    EXPECT_TRUE(results_[stage].solvable) << "stage " << stage;
  }
}

TEST_F(Stages, FirstStageIsAShortLesson) {
  ASSERT_TRUE(results_[0].solvable);
  EXPECT_LE(results_[0].actions.size(), 15u);
}

// The report's figures against the rules a teaching stage set keeps: each mechanic met first
// alone on every order of play, lessons 10 to 30 moves, combinations 25 to 40
// with at most 60 % dead ends and none before move 7, the last stage 40 to 60, every element
// needed, and no stage lost but by a push.
TEST_F(Stages, EveryStageKeepsTheTeachingRules) {
  StageFigures figures[StMAX];
  unsigned mechanics[StMAX] = {};
  for (int stage = 0; stage < StMAX; stage++) {
    figures[stage] = MeasureStage(stage);
    ASSERT_TRUE(figures[stage].complete) << "stage " << stage;
    mechanics[stage] = figures[stage].mechanics;
  }
  const std::vector<FirstMeeting> meetings = FirstMeetings(mechanics);
  const size_t orders = OrdersOfPlay().size();
  for (int mechanic = 0; mechanic < MECH_COUNT; mechanic++) {
    size_t met = 0;
    for (const FirstMeeting& meeting : meetings) {
      if (meeting.mechanic != mechanic) continue;
      met += meeting.orders;
      EXPECT_EQ(meeting.alsoNew, 0u) << MechanicName(mechanic) << " in stage " << meeting.stage;
      if (mechanic == MECH_EMPTY_BOX || mechanic == MECH_CHEST) continue;
      EXPECT_EQ(meeting.alsoAsks & ~((1u << MECH_EMPTY_BOX) | (1u << MECH_CHEST)), 0u)
          << MechanicName(mechanic) << " in stage " << meeting.stage << " asks also for "
          << MechanicNames(meeting.alsoAsks);
    }
    EXPECT_EQ(met, orders) << MechanicName(mechanic) << " is met on every order of play";
  }
  for (int stage = 0; stage < StMAX; stage++) {
    const std::vector<Necessity> necessity = MeasureNecessity(stage, figures[stage]);
    for (const std::string& broken : RuleBreaks(stage, figures[stage], necessity, meetings)) {
      ADD_FAILURE() << "stage " << stage << ": " << broken;
    }
    for (const Necessity& element : necessity) {
      std::printf("stage %02d %-18s %s\n", stage, element.what.c_str(), element.verdict.c_str());
    }
  }
}

// H, then what the hint says, from the stage's start to its win: the headless backend finishes
// every search within the frame that asks, so the hint shows at once.
TEST_F(Stages, FollowingTheHintWinsInTheSolversNumberOfActions) {
  for (int stage = 0; stage < StMAX; stage++) {
    ASSERT_TRUE(results_[stage].solvable) << "stage " << stage;
    int spaceHeld = 0;
    StartStage(stage, spaceHeld);
    ResetAdvice();
    size_t actions = 0;
    while (StageClear == 0 && actions <= results_[stage].actions.size()) {
      UpdateAdvice();
      AskHint();
      UpdateAdvice();
      ASSERT_GT(HintFramesLeft(), 0) << "stage " << stage << " action " << actions;
      ASSERT_GE(HintAction(), 0);
      ASSERT_TRUE(RunAction(HintAction(), spaceHeld, nullptr));
      actions++;
    }
    EXPECT_NE(StageClear, 0) << "stage " << stage;
    EXPECT_EQ(actions, results_[stage].actions.size()) << "stage " << stage;
    StageClear = 0;
  }
  const SearchFigures largest = LargestSearch();
  std::printf("largest hint search: %zu states, %.1f MiB, %.0f ms\n", largest.states,
              largest.bytes / 1048576.0, largest.ms);
  EXPECT_LT(largest.bytes, size_t{64} << 20);
}

TEST_F(Stages, EverySolutionReplaysToAWin) {
  for (int stage = 0; stage < StMAX; stage++) {
    if (!results_[stage].solvable) continue;
    std::string path = "/tmp/kobako_stage_solution_" + std::to_string(getpid()) + ".txt";
    EXPECT_TRUE(WriteSolutionScript(stage, results_[stage].actions, path)) << "stage " << stage;
    std::remove(path.c_str());
  }
}

TEST_F(Stages, WinningBoxHoldsTheVillagerOfTheRescueLine) {
  for (int stage = 0; stage < 10; stage++) {
    StageNo = stage;
    SetupStage(stage);
    ASSERT_EQ(StageNo, stage) << "data file of stage " << stage << " is missing";
    int winners = 0;
    for (int i = 0; i < BMAX; i++) {
      int kind = ItemKind(Items[i]);
      if ((kind == kBox || kind == kChest) && Items[i].Act != -1) {
        EXPECT_EQ(Items[i].Act, kRescued[stage]) << "stage " << stage;
        winners++;
      }
    }
    EXPECT_EQ(winners, 1) << "stage " << stage;
  }
}

TEST_F(Stages, DemonLordIsTheFirstFigureOfTheLastStage) {
  StageNo = 10;
  SetupStage(10);
  ASSERT_EQ(StageNo, 10);
  ASSERT_GE(VMAX, 1);
  EXPECT_EQ(Vills[0].Kind, 204);
  EXPECT_EQ(Vills[0].State, 1);
  EXPECT_GT(Vills[0].TilePt.y + 1, 0);
  EXPECT_LT(Vills[0].TilePt.y + 1, TMAX) << "the tile below him must be on the map";
}

TEST_F(Stages, ItemsAreListedByKindSoNothingMovesOnTheFirstSort) {
  for (int stage = 0; stage < StMAX; stage++) {
    StageNo = stage;
    SetupStage(stage);
    ASSERT_EQ(StageNo, stage);
    ASSERT_LE(BMAX, ITEM_CAPACITY);
    for (int i = 0; i < BMAX; i++) {
      EXPECT_EQ(Items[i].No, i) << "stage " << stage;
      if (i > 0) {
        EXPECT_LE(ItemKind(Items[i - 1]), ItemKind(Items[i])) << "stage " << stage;
      }
    }
  }
}

TEST_F(Stages, MessageFileFillsEverySlotWithinTheWindow) {
  for (auto& slot : MesText) slot[0] = 0;
  ReadDataFile("data/mes.txt");
  DataPos = 0;
  ParseRecords();
  for (int n = 0; n < MES_COUNT; n++) {
    std::string text = MesText[n];
    ASSERT_FALSE(text.empty()) << "message " << n;
    int lines = 0;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
      lines++;
      // 370 pixels hold 15 full-width characters of the 12-pixel message font.
      EXPECT_LE(end - start, 30u) << "message " << n << " line " << lines;
    }
    EXPECT_EQ(start, text.size()) << "message " << n << " ends with its line break";
    EXPECT_GE(lines, 1);
    EXPECT_LE(lines, 4) << "message " << n;
  }
}
