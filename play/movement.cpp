#include "play/movement.h"

__thread MovementState Movement = {};
__thread int KeyRepeat = 0;

namespace {

bool VillagerOn(TilePoint tile) {
  for (int v = 0; v < VMAX; v++) {
    if (SameTile(Vills[v].TilePt, tile)) return true;
  }
  return false;
}

bool AtRest(const DPoint& pos, const DPoint& target) {
  return pos.x == target.x && pos.y == target.y;
}

// A third of the way on every other frame, the third time landing exactly on the target.
void SlideOneTick(DPoint& pos, const DPoint& target, const TilePoint& delta, int& tick,
                  int& count) {
  if (tick % 2 == 0) {
    tick = 0;
    count++;
    pos.x += delta.x / 3.0;
    pos.y += delta.y / 3.0;
    if (count == 3) pos = target;
  }
  tick++;
}

TilePoint DeltaTo(const DPoint& target, const DPoint& pos) {
  return TilePoint{static_cast<int>(target.x) - static_cast<int>(pos.x),
                   static_cast<int>(target.y) - static_cast<int>(pos.y)};
}

}  // namespace

void ResetSteps() {
  Movement = MovementState{};
}

bool StepTarget(TilePoint from, int dir, TilePoint* next) {
  TilePoint to = from;
  switch (dir) {
    case kFaceUp:
      if (from.y <= 0) return false;
      to.y--;
      break;
    case kFaceDown:
      if (from.y >= TMAX - 1) return false;
      to.y++;
      break;
    case kFaceLeft:
      if (from.x <= 0) return false;
      to.x--;
      break;
    case kFaceRight:
      if (from.x >= TMAX - 1) return false;
      to.x++;
      break;
    default:
      return false;
  }
  *next = to;
  return true;
}

// Move becomes 1 even for a refused step: the arrival in the next frame puts the mark back.
void HandleArrowKey(bool down, int dir) {
  if (!down) return;
  if (KeyRepeat % 3 == 0) {
    if (Chara.Move == 0) {
      TryStep(dir);
      Chara.Move = 1;
    }
    Chara.Turn = dir;
    KeyRepeat = 0;
  }
  KeyRepeat++;
}

void TryStep(int dir) {
  TileMark[Chara.TilePt.x][Chara.TilePt.y] = 0;
  Chara.OldPt = Chara.TilePt;
  TilePoint to;
  if (!StepTarget(Chara.TilePt, dir, &to)) return;
  if (Chara.Trap % 10 != 0) return;
  if (VillagerOn(to)) return;
  for (int i = 0; i < BMAX; i++) {
    if (!SameTile(Items[i].TilePt, to)) continue;
    if (ItemKind(Items[i]) == kMovable && TryPush(dir, i) == 1) break;
    if (ItemBlocks(Items[i])) return;
  }
  Chara.TilePt = to;
  Chara.Trap = 0;
}

void AdvanceHeroStep() {
  const TilePoint tile = Chara.TilePt;
  const DPoint target = TilePosition(tile.x, tile.y);
  if (AtRest(Chara.Pos, target)) {
    Movement.StepTick = 0;
    Movement.StepCount = 0;
    Chara.Move = 0;
    TileMark[tile.x][tile.y] = 1;
    Chara.OldPt = tile;
    for (int i = 0; i < BMAX; i++) {
      if (SameTile(Items[i].TilePt, Chara.TilePt) && Items[i].Item != 0) {
        if (Chara.Trap == 0) Chara.Trap = 1;
        RunTileEffect(i);
      }
      if (ItemKind(Items[i]) == kSwitchPressed) ReleaseSwitches(i);
    }
    return;
  }
  if (Chara.Move == 1) {
    Movement.StepDelta = DeltaTo(target, Chara.Pos);
    Chara.Move = 2;
  }
  SlideOneTick(Chara.Pos, target, Movement.StepDelta, Movement.StepTick, Movement.StepCount);
}

int TryPush(int dir, int i) {
  if (i < 0 || i >= BMAX) return 0;
  ItemRec& item = Items[i];
  item.OldPt = item.TilePt;
  TilePoint to;
  if (!StepTarget(item.TilePt, dir, &to)) return 0;
  if (VillagerOn(to)) return 0;
  // Switches, hidden traps and open gates let a pushed item over them.
  for (int j = 0; j < BMAX; j++) {
    if (j != i && SameTile(Items[j].TilePt, to) && ItemBlocks(Items[j])) return 0;
  }
  item.TilePt = to;
  item.Move = 1;
  return 1;
}

void AdvanceSlide(int i) {
  if (i < 0 || i >= BMAX) return;
  ItemRec& item = Items[i];
  const DPoint target = TilePosition(item.TilePt.x, item.TilePt.y);
  if (AtRest(item.Pos, target)) {
    item.Move = 0;
    Movement.SlideTick = 0;
    Movement.SlideCount = 0;
    item.OldPt = item.TilePt;
    return;
  }
  if (item.Move == 1) {
    Movement.SlideDelta = DeltaTo(target, item.Pos);
    item.Move = 2;
  }
  SlideOneTick(item.Pos, target, Movement.SlideDelta, Movement.SlideTick, Movement.SlideCount);
  // A switch is pressed as soon as the item heads for it, and those left behind spring back.
  for (int j = 0; j < BMAX; j++) {
    if (j != i && ItemKind(Items[j]) == kSwitch && SameTile(Items[j].TilePt, item.TilePt)) {
      RunTileEffect(j);
      break;
    }
    if (ItemKind(Items[j]) == kSwitchPressed) ReleaseSwitches(j);
  }
}
