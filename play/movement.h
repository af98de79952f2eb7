// Moving things on the tile map: hero steps, pushed items, and the effects of the tile arrived on.
#pragma once
#include "world/kinds.h"
#include "world/world.h"

// Movement's state within a stage. The hero's step slide: StepTick and StepCount go back to 0
// on every arrival. One slide set shared by all items: only the hero pushes, one item at a time.
struct MovementState {
  TilePoint StepDelta;
  int StepTick;
  int StepCount;
  TilePoint SlideDelta;
  int SlideTick;
  int SlideCount;
};
extern __thread MovementState Movement;
// Shared by the four arrow keys: a held arrow acts on every third frame. It belongs to the keys,
// not to a stage, and carries over from one stage to the next.
extern __thread int KeyRepeat;

// Puts Movement at rest. A stage left in the middle of a step (won, restarted or abandoned) would
// otherwise hand its count to the next stage's first step, which then never lands.
void ResetSteps();

// Sets next to the neighbouring tile in direction dir (a Facing); false when it lies off the map.
bool StepTarget(TilePoint from, int dir, TilePoint* next);

// One arrow key for this frame; down is whether it is held.
void HandleArrowKey(bool down, int dir);
void TryStep(int dir);
// Runs once per frame while Chara.Move is not 0.
void AdvanceHeroStep();
// 1 when item i starts to slide one tile in dir, 0 when it cannot move.
int TryPush(int dir, int i);
// Runs once per frame for an item whose Move is not 0.
void AdvanceSlide(int i);

// The effect of item i on the hero standing on it: snare, pit, switch, or nothing lasting.
void RunTileEffect(int i);
// Lets pressed switch s spring back (closing its gate) once nothing stands on it.
void ReleaseSwitches(int s);

// Item helpers: the kind is Item % 100; any hundreds make the item block the way.
inline int ItemKind(const ItemRec& item) {
  return item.Item % 100;
}
inline bool ItemBlocks(const ItemRec& item) {
  return item.Item / 100 != 0;
}
inline bool SameTile(TilePoint a, TilePoint b) {
  return a.x == b.x && a.y == b.y;
}
// A pit's or switch's Act names an item of the table; -1 or anything else names none.
inline bool LinkValid(int act) {
  return act >= 0 && act < BMAX;
}
