// Taking actions back: the history of states at rest, and the undo key's repeat.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "play/world_state.h"
#include "tests/play_driver.h"

using namespace playdriver;

namespace {

// Every field of the world that an undo brings back; animation phases go on and are left out.
std::string WorldFields() {
  auto tile = [](TilePoint t) { return std::to_string(t.x) + "," + std::to_string(t.y) + " "; };
  auto pos = [](DPoint p) { return std::to_string(p.x) + "," + std::to_string(p.y) + " "; };
  std::string s = "hero " + tile(Chara.TilePt) + tile(Chara.OldPt) + pos(Chara.Pos);
  for (int v : {Chara.Move, Chara.Turn, Chara.Trap, Chara.TCnt}) s += std::to_string(v) + " ";
  s += "\nitems " + std::to_string(BMAX);
  for (int i = 0; i < BMAX; i++) {
    const ItemRec& item = Items[i];
    s += "\n" + tile(item.TilePt) + tile(item.OldPt) + pos(item.Pos);
    for (int v : {item.Item, item.F, item.No, item.Move, item.Act}) s += std::to_string(v) + " ";
  }
  s += "\nvillagers " + std::to_string(VMAX);
  for (int i = 0; i < VMAX; i++) {
    const VillRec& vill = Vills[i];
    s += "\n" + tile(vill.TilePt) + pos(vill.Pos);
    for (int v : {vill.Kind, vill.No, vill.State}) s += std::to_string(v) + " ";
  }
  s += "\nmarks";
  for (int x = 0; x < TMAX; x++) {
    for (int y = 0; y < TMAX; y++) s += std::to_string(TileMark[x][y]);
  }
  // The slide deltas are worked out afresh as each step or slide starts; the counters count.
  const MovementState& m = Movement;
  for (int v : {m.StepTick, m.StepCount, m.SlideTick, m.SlideCount}) s += " " + std::to_string(v);
  return s;
}

void ToRest(Stage& stage) {
  for (int i = 0; i < 300 && !WorldAtRest(); i++) stage.Frame();
  ASSERT_TRUE(WorldAtRest());
}

// A block, two linked pits, a box that opens to nothing, a snare and a villager.
const char* const kItems[] = {"0,2,0,110,-1,1", "1,0,1,7,2,0", "2,5,5,7,1,0", "3,5,6,104,-1,1",
                              "4,6,5,6,-1,0"};

TEST(Undo, EachUndoBringsBackTheWorldBeforeThatActionUpToTheStart) {
  Stage stage(StageText(0, 0, {std::begin(kItems), std::end(kItems)}, {"0,8,8,200,1"}));
  ToRest(stage);
  // Right, a push, back left twice, down into the pit, open the box, into the snare, down.
  const PlayKeys actions[] = {kRight, kRight, kLeft, kLeft, kDown, kSpace, kRight, kDown};
  std::vector<std::string> before;
  for (const PlayKeys& keys : actions) {
    before.push_back(WorldFields());
    stage.Press(keys);
    stage.Frame();
    ToRest(stage);
  }
  ASSERT_TRUE(HeroOn(6, 6));
  ASSERT_EQ(BMAX, 4) << "the box was opened";
  ASSERT_EQ(UndoDepth(), before.size());
  for (size_t k = before.size(); k-- > 0;) {
    const int keyRepeat = KeyRepeat;
    EXPECT_TRUE(stage.Frame(kUndo).undoTaken);
    EXPECT_EQ(WorldFields(), before[k]) << "undo back to before action " << k;
    EXPECT_EQ(UndoDepth(), k);
    EXPECT_EQ(KeyRepeat, keyRepeat);
  }
  EXPECT_TRUE(stage.Frame(kUndo).undoTaken) << "a press at the start is used up";
  EXPECT_EQ(WorldFields(), before[0]);
  // Played again after the undos, the stage runs as before.
  stage.Step(kRight);
  stage.Step(kRight);
  EXPECT_TRUE(ItemOn(0, 3, 0));
  EXPECT_EQ(UndoDepth(), 2u);
}

TEST(Undo, APressDuringAStepIsTakenAsItLands) {
  Stage stage(StageText(0, 0, {}));
  ToRest(stage);
  const std::string start = WorldFields();
  stage.Press(kRight);
  int frames = 0;
  while (!stage.Frame(kUndo).undoTaken && frames < 20) frames++;
  EXPECT_GE(frames, 3);
  EXPECT_EQ(WorldFields(), start);
  EXPECT_EQ(UndoDepth(), 0u);
}

TEST(Undo, ARefusedStepThatTurnsTheHeroIsAnAction) {
  Stage stage(StageText(0, 0, {}));
  ToRest(stage);
  stage.Step(kUp);  // off the map: only the facing changes
  EXPECT_EQ(UndoDepth(), 1u);
  stage.Step(kUp);  // nothing changes at all
  EXPECT_EQ(UndoDepth(), 1u);
}

TEST(Undo, HistoryKeepsTheLatestTenThousandActions) {
  Stage stage(StageText(0, 0, {}));
  ToRest(stage);
  for (size_t i = 0; i < kUndoLimit + 3; i++) stage.Step(i % 2 == 0 ? kRight : kLeft);
  EXPECT_EQ(UndoDepth(), kUndoLimit);
  for (size_t i = 0; i < kUndoLimit; i++) stage.Frame(kUndo);
  EXPECT_EQ(UndoDepth(), 0u);
  EXPECT_TRUE(HeroOn(1, 0)) << "back to after the third step, the oldest kept";
}

TEST(Undo, KeyActsOnThePressThenRepeatsAfterAPause) {
  UndoKeyFires(false);
  std::vector<int> fired;
  for (int frame = 0; frame < 18; frame++) {
    if (UndoKeyFires(true)) fired.push_back(frame);
  }
  EXPECT_EQ(fired,
            (std::vector<int>{0, kUndoFirstRepeat, kUndoFirstRepeat + 3, kUndoFirstRepeat + 6}));
  EXPECT_FALSE(UndoKeyFires(false));
  EXPECT_TRUE(UndoKeyFires(true));
}

}  // namespace
