// What the tile the hero lands on does to him: snares hold, pits drop, switches open gates.
#include "play/movement.h"

namespace {

// Shown as soon as it bites; holds the hero for 100 frames.
void Snare(ItemRec& snare) {
  if (Chara.Trap == 1) {
    snare.F = 1;
    Chara.Trap = 2;
    Chara.TCnt = 100;
  }
  if (Chara.Trap == 2) {
    Chara.TCnt--;
    if (Chara.TCnt <= 0) {
      Chara.TCnt = 0;
      Chara.Trap = 10;
    }
  }
}

// The hero sinks 5 pixels a frame here and rises at the linked pit.
void Pit(int i) {
  const int link = Items[i].Act;
  if (!LinkValid(link)) {
    // A pit leading nowhere behaves like one whose exit is covered.
    if (Chara.Trap % 10 != 0) Chara.Trap = 10;
    return;
  }
  ItemRec& exit = Items[link];
  if (Chara.Trap == 1) {
    for (int j = 0; j < BMAX; j++) {
      if (j != i && SameTile(Items[j].TilePt, exit.TilePt) && ItemBlocks(Items[j])) {
        Chara.Trap = 10;
        break;
      }
    }
  }
  if (Chara.Trap == 1) {
    Items[i].F = 1;
    Chara.TCnt = 10;
    Chara.Trap = 2;
  }
  if (Chara.Trap == 2) {
    Chara.TCnt--;
    const DPoint rest = TilePosition(Chara.TilePt.x, Chara.TilePt.y);
    Chara.Pos = DPoint{rest.x, rest.y + (10 - Chara.TCnt) * 5};
    if (Chara.TCnt <= 0) {
      TileMark[Chara.TilePt.x][Chara.TilePt.y] = 0;
      Chara.TilePt = exit.TilePt;
      Chara.OldPt = exit.TilePt;
      TileMark[Chara.TilePt.x][Chara.TilePt.y] = 1;
      Chara.Trap = 3;
    }
  }
  if (Chara.Trap == 3) {
    exit.F = 1;
    Chara.TCnt = 10;
    Chara.Trap = 4;
  }
  if (Chara.Trap == 4) {
    Chara.TCnt--;
    const DPoint rest = TilePosition(Chara.TilePt.x, Chara.TilePt.y);
    Chara.Pos = DPoint{rest.x, rest.y + Chara.TCnt * 5};
    if (Chara.TCnt <= 0) {
      Chara.Pos = rest;
      Chara.TCnt = 0;
      Chara.Trap = 10;
    }
  }
}

// A gate is open while its switch is down: it loses its hundreds (no longer blocks) and hides.
void PressSwitch(ItemRec& sw) {
  sw.Item = kSwitchPressed;
  if (LinkValid(sw.Act)) {
    Items[sw.Act].F = 0;
    Items[sw.Act].Item -= 100;
  }
  Chara.Trap = 10;
}

}  // namespace

void RunTileEffect(int i) {
  if (i < 0 || i >= BMAX) return;
  switch (ItemKind(Items[i])) {
    case kSnare:
      Snare(Items[i]);
      break;
    case kPit:
      Pit(i);
      break;
    case kSwitch:
      PressSwitch(Items[i]);
      break;
    default:
      Chara.Trap = 10;
      break;
  }
}

void ReleaseSwitches(int s) {
  if (s < 0 || s >= BMAX) return;
  ItemRec& sw = Items[s];
  for (int j = 0; j < BMAX; j++) {
    if (j != s && SameTile(Items[j].TilePt, sw.TilePt)) return;
  }
  if (SameTile(Chara.TilePt, sw.TilePt)) return;
  if (LinkValid(sw.Act)) {
    Items[sw.Act].Item += 100;
    Items[sw.Act].F = 1;
  }
  sw.Item = kSwitch;
}
