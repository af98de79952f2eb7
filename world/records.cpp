// The record parser: walks DataBuf from DataPos and fills the world and the message texts.
#include <cstring>

#include "app/shell.h"
#include "gfx/mydraw.h"
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
  Area = NextNumber();
}

void ReadHeroStart() {
  DataPos += 4;
  const int x = NextNumber();
  const int y = NextNumber();
  // A start off the map would put the hero outside every table: keep the old tile.
  if (InMap(x, y)) Chara.TilePt = TilePoint{x, y};
}

void StoreItem(int j, const int* f) {
  const int k = f[0];
  if (j >= ITEM_CAPACITY || k < 0 || k >= ITEM_CAPACITY || !InMap(f[1], f[2])) return;
  Items[j].No = k;
  Items[k].TilePt = TilePoint{f[1], f[2]};
  Items[k].Item = f[3];
  Items[k].Act = f[4];
  Items[k].F = f[5];
}

void StoreVillager(int j, const int* f) {
  const int k = f[0];
  if (j >= VILL_CAPACITY || k < 0 || k >= VILL_CAPACITY || !InMap(f[1], f[2])) return;
  Vills[j].No = k;
  Vills[k].TilePt = TilePoint{f[1], f[2]};
  Vills[k].Kind = f[3];
  Vills[k].State = f[4];
}

// One record per line: its last field ends at the CR, and the byte skipped before each record
// is the LF. The list ends at an "@" written right after the last field's comma.
int ReadList(int fieldCount, void (*store)(int, const int*), int capacity) {
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

void LoadInto(LPDIRECTDRAWSURFACE surface) {
  DataPos += 4;
  NextToken(Token, TOKEN_SIZE);
  // The message file is read before any stage surface exists.
  if (surface != nullptr) LoadBitmapSurface(surface, Token);
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
      BMAX = ReadList(6, StoreItem, ITEM_CAPACITY);
    } else if (a == 'D' && b == 'V') {
      VMAX = ReadList(5, StoreVillager, VILL_CAPACITY);
    } else if (a == 'G' && b == 'B') {
      LoadInto(lpBack);
    } else if (a == 'G' && b == 'H') {
      LoadInto(lpChar);
    } else if (a == 'M') {
      ReadMessage();
    }
    DataPos++;
  }
}
