// Reading a data file whole and cutting it into comma-separated tokens.
#include "world/datafile.h"

#include <cstdio>
#include <string>

#include "platform/file_lookup.h"
#include "platform/file_read.h"
#include "world/world.h"

std::vector<char> DataBuf;
int DataSize = 0;
int DataPos = 0;
char MesText[MES_COUNT][MES_SIZE];
char Token[TOKEN_SIZE];
std::vector<PictureRecord> PictureRecords;

namespace {

// Numbers this large mean nothing to a stage; stopping here keeps the gate arithmetic (+-100 per
// switch) far away from overflow.
constexpr int NUMBER_LIMIT = 1000000000;
// Fifty times the game's largest stage file: more is no stage, and parsing it stays quick.
constexpr int DATA_LIMIT = 64 * 1024;

// The exact name first; a data directory copied from elsewhere may differ in letter case. A file
// that is missing, not a regular file, too large or failing to read counts as missing.
bool OpenData(const char* name, std::vector<char>& out) {
  const std::string found = FindFileNoCase(name);
  return !found.empty() && ReadRegularFile(found, DATA_LIMIT, &out);
}

void TurnLineBreaksIntoCommas() {
  for (char& byte : DataBuf) {
    if (byte == 13 || byte == 10) byte = 44;
  }
}

}  // namespace

void ReadDataFile(const char* name) {
  std::vector<char> bytes;
  if (!OpenData(name, bytes)) {
    StageNo = 1;
    char fallback[32];
    std::snprintf(fallback, sizeof fallback, "data/data%02d.txt", StageNo);
    if (!OpenData(fallback, bytes)) bytes.clear();
  }
  DataBuf.swap(bytes);
  DataSize = static_cast<int>(DataBuf.size());
  TurnLineBreaksIntoCommas();
}

void LoadDataBuffer(const char* bytes, int size) {
  if (size < 0) size = 0;
  if (size > DATA_LIMIT) size = DATA_LIMIT;
  DataBuf.assign(bytes, bytes + size);
  DataSize = size;
  TurnLineBreaksIntoCommas();
}

int ReadNumber(const char* text) {
  const char* p = text;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) p++;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  int value = 0;
  for (; *p >= '0' && *p <= '9'; p++) {
    const int digit = *p - '0';
    value = value > (NUMBER_LIMIT - digit) / 10 ? NUMBER_LIMIT : value * 10 + digit;
  }
  return negative ? -value : value;
}

void NextToken(char* dst, int dstSize) {
  int pos = DataPos;
  int length = 0;
  while (pos >= 0 && pos < DataSize && DataBuf[pos] != ',') {
    if (length < dstSize - 1) dst[length++] = DataBuf[pos];
    pos++;
  }
  if (dstSize > 0) dst[length] = 0;
  // A token without its comma ends at the end of the data.
  if (pos >= 0 && pos < DataSize) pos++;
  DataPos = pos;
}
