// The record parser: walks DataBuf from DataPos and fills the world and the message texts.
#include <cstring>
#include <string>

#include "world/datafile.h"
#include "world/world.h"

namespace {

char ByteAt(int pos) {
  return pos >= 0 && pos < DataSize ? DataBuf[pos] : 0;
}

bool AtEnd() {
  return DataPos < 0 || DataPos >= DataSize;
}

int NextNumber() {
  NextToken(Token, TOKEN_SIZE);
  return ReadNumber(Token);
}

// Values sit on the mark's own line, after one separator byte: "@DA,3".
void ReadArea() {
  DataPos += 4;
  const int area = NextNumber();
  // Only areas with a picture name of their own; anything else is area 0.
  Area = area >= 0 && area < AREA_COUNT ? area : 0;
}

void ReadHeroStart() {
  DataPos += 4;
  const int x = NextNumber();
  const int y = NextNumber();
  // A start off the map would put the hero outside every table: keep the old tile.
  if (InMap(x, y)) Chara.TilePt = TilePoint{x, y};
}

// What a slot holds when no record of the list filled it: nothing shown, nothing in the way.
ItemRec EmptyItem() {
  ItemRec item = {};
  item.Act = -1;
  return item;
}

void ClearItems() {
  for (ItemRec& item : Items) item = EmptyItem();
}

// Set-up gives no villager its picture: until the first animation step, each slot shows the one
// it last had, so emptying the table leaves it.
void ClearVillagers() {
  for (VillRec& vill : Vills) {
    const int anime = vill.Anime;
    vill = VillRec{};
    vill.Anime = anime;
  }
}

// A record ignored whole still empties the slot it names, so nothing of an earlier stage acts.
void StoreItem(int j, const int* f) {
  const int k = f[0];
  if (j >= ITEM_CAPACITY || k < 0 || k >= ITEM_CAPACITY) return;
  if (!InMap(f[1], f[2])) {
    Items[k] = EmptyItem();
    return;
  }
  Items[j].No = k;
  Items[k].TilePt = TilePoint{f[1], f[2]};
  Items[k].Item = f[3];
  Items[k].Act = f[4];
  Items[k].F = f[5];
}

void StoreVillager(int j, const int* f) {
  const int k = f[0];
  if (j >= VILL_CAPACITY || k < 0 || k >= VILL_CAPACITY) return;
  if (!InMap(f[1], f[2])) {
    Vills[k] = VillRec{};
    return;
  }
  Vills[j].No = k;
  Vills[k].TilePt = TilePoint{f[1], f[2]};
  Vills[k].Kind = f[3];
  Vills[k].State = f[4];
}

// One record per line: its last field ends at the CR, and the byte skipped before each record
// is the LF. The list ends at an "@" written right after the last field's comma. It starts from
// an empty table: a slot it counts holds what this list wrote there, or nothing (a villager slot
// keeping only its picture).
int ReadList(int fieldCount, void (*store)(int, const int*), int capacity, void (*clear)()) {
  clear();
  DataPos += 4;
  int j = 0;
  for (;;) {
    DataPos++;
    if (AtEnd()) break;
    int fields[6] = {};
    for (int f = 0; f < fieldCount; f++) fields[f] = NextNumber();
    store(j, fields);
    if (j < capacity) j++;
    if (AtEnd() || DataBuf[DataPos] == '@') break;
  }
  DataPos++;
  return j;
}

// The picture a record names; the stage set-up decides whether and how to load it.
void ReadPicture(bool hero) {
  DataPos += 4;
  NextToken(Token, TOKEN_SIZE);
  PictureRecords.push_back(PictureRecord{hero, Token});
}

void AppendMessage(int n, const char* text) {
  char* dst = MesText[n];
  size_t used = std::strlen(dst);
  for (const char* p = text; *p != 0 && used < MES_SIZE - 1; p++) dst[used++] = *p;
  dst[used] = 0;
}

// Each token is one line of text; the "@" that ends the message is consumed with the record.
void ReadMessage() {
  DataPos += 2;
  const int n = NextNumber();
  const bool kept = n >= 0 && n < MES_COUNT;
  while (!AtEnd()) {
    NextToken(Token, TOKEN_SIZE);
    if (kept) {
      AppendMessage(n, Token);
      AppendMessage(n, "\r\n");
    }
    if (AtEnd() || DataBuf[DataPos] == '@') break;
  }
}

}  // namespace

void ParseRecords() {
  PictureRecords.clear();
  while (!AtEnd()) {
    if (DataBuf[DataPos] != '@') {
      DataPos++;
      continue;
    }
    const char a = ByteAt(DataPos + 1);
    const char b = ByteAt(DataPos + 2);
    if (a == 'E') return;
    if (a == 'D' && b == 'A') {
      ReadArea();
    } else if (a == 'D' && b == 'H') {
      ReadHeroStart();
    } else if (a == 'D' && b == 'B') {
      BMAX = ReadList(6, StoreItem, ITEM_CAPACITY, ClearItems);
    } else if (a == 'D' && b == 'V') {
      VMAX = ReadList(5, StoreVillager, VILL_CAPACITY, ClearVillagers);
    } else if (a == 'G' && b == 'B') {
      ReadPicture(false);
    } else if (a == 'G' && b == 'H') {
      ReadPicture(true);
    } else if (a == 'M') {
      ReadMessage();
    }
    DataPos++;
  }
}
