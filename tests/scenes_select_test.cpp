// The stage select: the drop, the pop-in, the map drawing, the cursor and the start of a stage.
#include <gtest/gtest.h>

#include <vector>

#include "scenes/select.h"
#include "scenes/stage_start.h"
#include "tests/scenes_front_fixture.h"
#include "world/world.h"

namespace {

constexpr uint16_t kOldScreen = 0x4208;
constexpr uint16_t kMapColour = 0x07E0;
constexpr uint16_t kNodeColour = 0xF800;
constexpr uint16_t kLabelColour = 0x001F;
constexpr uint16_t kCursorColour = 0xFFE0;

class SelectScreen : public frontfix::FrontScenes {
 protected:
  // Enters the select screen over an old screen of one colour, with a select picture painted in
  // plain colours (the node and cursor cells keep their black, transparent, where asked).
  void Enter(bool paintNodes = true, bool paintCursor = false) {
    Paint(TheDisplay().backbuffer, Rect{0, 0, 640, 480}, kOldScreen);
    SelectSetupScene();
    ASSERT_TRUE(TheDisplay().back);
    Paint(TheDisplay().back, Rect{0, 0, 640, 480}, kMapColour);
    if (paintNodes) Paint(TheDisplay().back, Rect{0, 480, 400, 580}, kNodeColour);
    if (paintCursor) Paint(TheDisplay().back, Rect{512, 480, 640, 608}, kCursorColour);
  }

  void SkipDrop() {
    RunWhile(SelectDropScene, 100);
    ASSERT_EQ(CurrentScene, SelectScene);
  }

  // Rows of the map picture on the screen, counted down column 0 from the top.
  static int MapRowsShown() {
    int rows = 0;
    while (rows < 480 && Shown(0, rows) == kMapColour) rows++;
    return rows;
  }

  static void ClearNodes(int first, int last) {
    for (int i = first; i <= last; i++) {
      StageNodes[i].Open = 1;
      StageNodes[i].Cleared = 1;
    }
  }
};

TEST_F(SelectScreen, DropLastsSeventySixFramesAndBouncesToRest) {
  Enter();
  EXPECT_EQ(Shown(0, 0), 0) << "the screen turns black on entry";
  std::vector<int> rows;
  while (CurrentScene == SelectDropScene && rows.size() < 200) {
    Turn();
    rows.push_back(MapRowsShown());
    if (rows.size() == 1) {
      EXPECT_EQ(Shown(0, 479), kOldScreen);
    }
  }
  ASSERT_EQ(rows.size(), 76u);
  EXPECT_EQ(rows[0], 0) << "frame 1 shows the old screen alone";
  // First landing in frame 32; bounces of 105 and 21 pixels; rest from frame 75.
  int firstFull = 0;
  while (rows[firstFull] != 480) firstFull++;
  EXPECT_EQ(firstFull + 1, 32);
  EXPECT_EQ(rows[45], 480 - 105);
  EXPECT_EQ(rows[46], 480 - 105);
  EXPECT_LT(rows[44], 480);
  EXPECT_EQ(rows[60], 480);
  EXPECT_EQ(rows[61], 480);
  EXPECT_EQ(rows[67], 480 - 21);
  EXPECT_EQ(rows[68], 480 - 21);
  EXPECT_EQ(rows[74], 480);
  EXPECT_EQ(rows[75], 480);
  EXPECT_LT(rows[73], 480);
}

TEST_F(SelectScreen, DropReadsNoKeys) {
  Enter();
  Hold(Key::Space, true);
  Hold(Key::Right, true);
  RunWhile(SelectDropScene, 100);
  EXPECT_EQ(SpaceHeld, 0);
  EXPECT_EQ(ArrowHeld, 0);
}

TEST_F(SelectScreen, NodePopsInOverSeventeenFramesAndSettles) {
  Enter();
  SkipDrop();
  const int widths[17] = {20,  40,  60,  80,  100, 110, 120, 130, 120,
                          110, 100, 106, 112, 106, 100, 104, 100};
  const int heights[17] = {60, 70, 80, 90, 100, 95, 90, 85, 90, 95, 100, 97, 94, 97, 100, 98, 100};
  for (int frame = 0; frame < 20; frame++) {
    Turn();
    const Rect box = BoxOf(kNodeColour);
    const int k = frame < 17 ? frame : 16;
    EXPECT_EQ(box.right - box.left, widths[k]) << "frame " << frame + 1;
    EXPECT_EQ(box.bottom - box.top, heights[k]) << "frame " << frame + 1;
    EXPECT_EQ(box.bottom, 400) << "the bottom edge stays put";
    EXPECT_EQ(box.left + box.right, 300) << "centred on X + 50";
  }
}

TEST_F(SelectScreen, FirstVisitShowsNodeZeroAndTheWayToNodeOne) {
  Enter();
  SkipDrop();
  for (int i = 0; i < 20; i++) Turn();
  EXPECT_EQ(SelectCursor, 0);
  const Rect box = BoxOf(kNodeColour);
  EXPECT_EQ(box.left, 100);
  EXPECT_EQ(box.top, 300);
  EXPECT_EQ(box.right, 200);
  EXPECT_EQ(box.bottom, 400);
  // The line from the centre of node 0 ends one pixel short of the centre of node 1.
  for (int x = 200; x < 250; x++) EXPECT_EQ(Shown(x, 350), 0) << x;
  EXPECT_EQ(Shown(250, 350), kMapColour);
  EXPECT_EQ(Shown(250, 349), kMapColour);
  EXPECT_EQ(Shown(150, 299), kMapColour) << "no way up before node 10 is linked";
  EXPECT_EQ(Shown(99, 350), kMapColour);
}

TEST_F(SelectScreen, ReturnVisitKeepsTheMapAndShowsNodesAtFullSize) {
  Enter();
  SkipDrop();
  for (int i = 0; i < 20; i++) Turn();
  StageNodes[1].Open = 1;
  StageNodes[0].Cleared = 1;
  Enter();
  SkipDrop();
  EXPECT_EQ(StageNodes[1].Open, 1) << "the map is laid out only on the first visit";
  Turn();
  const Rect box = BoxOf(kNodeColour);
  EXPECT_EQ(box.left, 100) << "node 0 is drawn at full size";
  EXPECT_EQ(box.right, 260) << "node 1, newly open, pops in at 20 wide";
  EXPECT_EQ(box.top, 300);
  EXPECT_EQ(box.bottom, 400);
}

TEST_F(SelectScreen, LastStageJoinsOnlyWhenTheFirstTenAreCleared) {
  Enter();
  SkipDrop();
  ClearNodes(0, 8);
  StageNodes[9].Open = 1;
  Turn();
  EXPECT_EQ(StageNodes[0].Links[0], nullptr);
  EXPECT_EQ(StageNodes[10].Open, 0);
  Hold(Key::Up, true);
  Turn();
  EXPECT_EQ(SelectCursor, 0) << "up on node 0 does nothing yet";
  Hold(Key::Up, false);
  Turn();
  StageNodes[9].Cleared = 1;
  Turn();
  EXPECT_EQ(StageNodes[0].Links[0], &StageNodes[10]);
  EXPECT_EQ(StageNodes[10].Open, 1);
  Hold(Key::Up, true);
  Turn();
  EXPECT_EQ(SelectCursor, 10);
}

TEST_F(SelectScreen, AllOpenDrawsPicturesInTreeOrder) {
  Enter();
  SkipDrop();
  ClearNodes(0, 10);
  StageNodes[0].Links[0] = &StageNodes[10];
  NodeBlink = 0;
  // Each node gets a picture of its own colour and a place in one row, in the expected order,
  // each overlapping the one before it: what shows at each overlap is the later picture.
  const int order[NODE_COUNT] = {10, 3, 6, 5, 9, 8, 7, 4, 2, 1, 0};
  for (int slot = 0; slot < NODE_COUNT; slot++) {
    StageNode& node = StageNodes[order[slot]];
    node.Sprite = Rect{20 * slot, 0, 20 * slot + 20, 20};
    node.X = 10 * slot;
    node.Y = 0;
    Paint(TheDisplay().back, node.Sprite, static_cast<uint16_t>(0x0841 * (slot + 1)));
  }
  for (StageNode& node : StageNodes) node.Pending = 1;
  DrawStageTree(&StageNodes[0]);
  for (int slot = 0; slot < NODE_COUNT; slot++) {
    EXPECT_EQ(Drawn(10 * slot + 5, 3), 0x0841 * (slot + 1)) << "node " << order[slot];
  }
  for (const StageNode& node : StageNodes) EXPECT_EQ(node.Pending, 0);
}

TEST_F(SelectScreen, AllOpenDrawsEveryLinkUnderItsEndPictures) {
  Enter(false);
  SkipDrop();
  ClearNodes(0, 10);
  Turn();
  // Node pictures are transparent here, so every line shows whole between the node centres.
  for (const StageNode& node : StageNodes) {
    for (const StageNode* next : node.Links) {
      if (next == nullptr) continue;
      const int mx = (node.X + next->X) / 2 + 50, my = (node.Y + next->Y) / 2 + 50;
      EXPECT_EQ(Shown(mx, my), 0) << node.Id << " to " << next->Id;
    }
  }
  // With solid pictures no line crosses any picture.
  Enter(true);
  SkipDrop();
  Turn();
  for (const StageNode& node : StageNodes) {
    for (int y = node.Y; y < node.Y + 100; y++) {
      for (int x = node.X; x < node.X + 100; x++) {
        if (y >= node.Y + 20 && y < node.Y + 42) continue;  // the label
        ASSERT_EQ(Shown(x, y), kNodeColour) << node.Id << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(SelectScreen, ClearedNodeShowsItsLabel) {
  Enter();
  SkipDrop();
  Paint(TheDisplay().back, Rect{0, 578, 100, 600}, kLabelColour);
  StageNodes[0].Cleared = 1;
  Turn();
  // The label's 22 rows lie over the picture from Y + 20; nodes not cleared have none.
  EXPECT_EQ(BoxOf(kLabelColour).left, 100);
  EXPECT_EQ(BoxOf(kLabelColour).top, 320);
  EXPECT_EQ(Shown(150, 341), kLabelColour);
  EXPECT_EQ(Shown(150, 342), kNodeColour);
  EXPECT_EQ(Shown(150, 319), kNodeColour);
  StageNodes[1].Open = 1;
  for (int i = 0; i < 20; i++) Turn();
  EXPECT_EQ(Shown(250, 330), kNodeColour);
}

TEST_F(SelectScreen, CursorFollowsOpenLinksOncePerPress) {
  Enter(true, true);
  SkipDrop();
  Turn();
  EXPECT_EQ(BoxOf(kCursorColour).left, 120);
  EXPECT_EQ(BoxOf(kCursorColour).top, 310);
  Hold(Key::Right, true);
  Turn();
  EXPECT_EQ(SelectCursor, 0) << "node 1 is not open";
  StageNodes[1].Open = 1;
  Turn();
  EXPECT_EQ(SelectCursor, 0) << "a held arrow acts once";
  Hold(Key::Right, false);
  Turn();
  Hold(Key::Right, true);
  Turn();
  EXPECT_EQ(SelectCursor, 1);
  EXPECT_EQ(BoxOf(kCursorColour).left, 120) << "drawn where the frame began";
  Turn();
  EXPECT_EQ(BoxOf(kCursorColour).left, 220);
  Hold(Key::Right, false);
  Hold(Key::Down, true);
  Turn();
  EXPECT_EQ(SelectCursor, 1) << "no link down from node 1";
  // Up then Left pressed in the same frame both act, in that order: 1 -> 2, and 2 has no left.
  Hold(Key::Down, false);
  StageNodes[2].Open = 1;
  Turn();
  Hold(Key::Up, true);
  Hold(Key::Left, true);
  Turn();
  EXPECT_EQ(SelectCursor, 2);
  Hold(Key::Up, false);
  Hold(Key::Left, false);
  Turn();
  Hold(Key::Down, true);
  Hold(Key::Left, true);
  Turn();
  EXPECT_EQ(SelectCursor, 0) << "down to 1, then left to 0";
}

TEST_F(SelectScreen, SpaceStartsTheStageUnderTheCursor) {
  StageNo = 7;
  Enter();
  SkipDrop();
  Turn();
  const int before = Presents();
  Hold(Key::Space, true);
  Turn();
  EXPECT_EQ(CurrentScene, StageStartScene);
  EXPECT_EQ(StageNo, 0);
  EXPECT_FALSE(TheDisplay().back);
  EXPECT_FALSE(TheDisplay().chara);
  EXPECT_EQ(Presents(), before + 1) << "the frame of the choice is still shown";
}

TEST_F(SelectScreen, SpaceHeldFromTheOpeningStartsNothing) {
  SpaceHeld = 1;
  Hold(Key::Space, true);
  Enter();
  SkipDrop();
  for (int i = 0; i < 5; i++) Turn();
  EXPECT_EQ(CurrentScene, SelectScene);
  Hold(Key::Space, false);
  Turn();
  Hold(Key::Space, true);
  Turn();
  EXPECT_EQ(CurrentScene, StageStartScene);
}

TEST_F(SelectScreen, MissingPictureIsNamedAndTheScreenGoesOn) {
  TestBackend().ClearDebugLines();
  SelectSetupScene();
  bool named = false;
  for (const std::string& line : TestBackend().DebugLines()) {
    if (line.find("img/select.BMP") != std::string::npos) named = true;
  }
  EXPECT_TRUE(named);
  RunWhile(SelectDropScene, 100);
  Turn();
  EXPECT_EQ(CurrentScene, SelectScene);
}

TEST_F(SelectScreen, CopyFromBackClipsToTheScreen) {
  Enter();
  Display& display = TheDisplay();
  // A node picture copied from the select picture onto the back buffer, as the map draws them.
  const auto copyNode = [&display](int x, int y) {
    display.backbuffer.CopyFrom({x, y}, display.back, Rect{0, 480, 100, 580});
  };
  Paint(display.backbuffer, Rect{0, 0, 640, 480}, kOldScreen);
  copyNode(600, 450);
  EXPECT_EQ(Drawn(639, 479), kNodeColour);
  EXPECT_EQ(Drawn(599, 449), kOldScreen);
  copyNode(-99, -99);
  EXPECT_EQ(Drawn(0, 0), kNodeColour);
  EXPECT_EQ(Drawn(1, 0), kOldScreen);
  Paint(display.backbuffer, Rect{0, 0, 640, 480}, kOldScreen);
  copyNode(-100, 0);
  copyNode(641, 0);
  copyNode(0, 481);
  for (int y = 0; y < 480; y++) {
    for (int x = 0; x < 640; x++) ASSERT_EQ(Drawn(x, y), kOldScreen) << x << "," << y;
  }
}

}  // namespace
