#include "play/actors.h"

#include <utility>

#include "platform/random.h"
#include "play/movement.h"
#include "world/world.h"

__thread int StageClear = 0;

namespace {

// Pits name their exit and switches their gate by index; both must follow a re-sort.
bool Linked(const ItemRec& item) {
  const int kind = ItemKind(item);
  return kind == kPit || kind == kSwitch || kind == kSwitchPressed;
}

// Sorts and, when tracked is given, keeps it on the same record through the swaps.
void SortItemsTracking(int* tracked) {
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (int j = 1; j < BMAX; j++) {
      if (ItemKind(Items[j - 1]) <= ItemKind(Items[j])) continue;
      std::swap(Items[j - 1], Items[j]);
      swapped = true;
      if (tracked == nullptr) continue;
      if (*tracked == j) {
        *tracked = j - 1;
      } else if (*tracked == j - 1) {
        *tracked = j;
      }
    }
  }
  // No still holds each record's index from before the sort.
  for (int i = 0; i < BMAX; i++) {
    if (!Linked(Items[i])) continue;
    for (int k = 0; k < BMAX; k++) {
      if (Items[k].No == Items[i].Act) {
        Items[i].Act = k;
        break;
      }
    }
  }
  for (int i = 0; i < BMAX; i++) Items[i].No = i;
}

void AddActorTracking(int code, int x, int y, int shown, int* tracked) {
  if (!InMap(x, y)) return;
  if (BMAX < ITEM_CAPACITY && code / 100 <= 1) {
    ItemRec& item = Items[BMAX];
    item.No = BMAX;
    item.TilePt = TilePoint{x, y};
    item.OldPt = TilePoint{x, y};
    item.Item = code;
    item.Act = -1;
    item.F = shown;
    item.Move = 0;
    item.Pos = TilePosition(x, y);
    BMAX++;
    SortItemsTracking(tracked);
  } else if (VMAX < VILL_CAPACITY && code / 200 == 1) {
    VillRec& vill = Vills[VMAX];
    vill.No = VMAX;
    vill.TilePt = TilePoint{x, y};
    vill.Kind = code;
    vill.State = shown;
    vill.AnimeCnt = Rand() % 24;
    vill.Pos = TilePosition(x, y);
    VMAX++;
  }
}

TilePoint Ahead(TilePoint tile, int turn) {
  switch (turn) {
    case kFaceUp:
      return TilePoint{tile.x, tile.y - 1};
    case kFaceDown:
      return TilePoint{tile.x, tile.y + 1};
    case kFaceLeft:
      return TilePoint{tile.x - 1, tile.y};
    case kFaceRight:
      return TilePoint{tile.x + 1, tile.y};
    default:
      return tile;
  }
}

}  // namespace

void UseFacing() {
  const TilePoint front = Ahead(Chara.TilePt, Chara.Turn);
  // On the last stage the goal is to catch the figure, from below only.
  if (StageNo == LAST_STAGE) {
    if (Chara.Turn == kFaceUp && VMAX > 0 && SameTile(Vills[0].TilePt, front)) StageClear = 1;
    return;
  }
  int found = -1;
  for (int i = 0; i < BMAX && found < 0; i++) {
    if (!SameTile(Items[i].TilePt, front)) continue;
    const int kind = ItemKind(Items[i]);
    if (kind == kBox || (Chara.Turn == kFaceUp && kind == kChest)) found = i;
  }
  if (found < 0) return;
  if (Items[found].Act != -1) {
    const TilePoint tile = Items[found].TilePt;
    AddActorTracking(Items[found].Act, tile.x, tile.y, 1, &found);
    StageClear = 1;
  }
  RemoveItem(100 + Items[found].No);
}

void AddActor(int code, int x, int y, int shown) {
  AddActorTracking(code, x, y, shown, nullptr);
}

void RemoveItem(int code) {
  const int r = code - 100;
  if (r < 0 || r >= BMAX) return;
  for (int m = r; m < BMAX - 1; m++) Items[m] = Items[m + 1];
  BMAX--;
  SortItems();
}

void SortItems() {
  SortItemsTracking(nullptr);
}
