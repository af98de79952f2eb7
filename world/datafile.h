// Stage and message files: read whole, line breaks turned into commas, walked by a record parser.
#pragma once
#include <string>
#include <vector>

constexpr int MES_COUNT = 12;
constexpr int MES_SIZE = 1024;        // bytes per message, terminating zero included
constexpr int TOKEN_SIZE = MES_SIZE;  // a message line fits whole

extern std::vector<char> DataBuf;
extern int DataSize;
extern int DataPos;
extern char MesText[MES_COUNT][MES_SIZE];
extern char Token[TOKEN_SIZE];

// A picture the data asks for: "@GB" the stage's background, "@GH" the hero's pictures.
struct PictureRecord {
  bool hero;
  std::string name;
};
// The picture records of the last ParseRecords, in the order of the file; the stage set-up loads
// them.
extern std::vector<PictureRecord> PictureRecords;

// Reads the file into DataBuf; a missing file falls back to stage 1 and sets StageNo to 1.
void ReadDataFile(const char* name);
// Takes bytes held in memory as the content of a file just read (line breaks become commas).
void LoadDataBuffer(const char* bytes, int size);
// Reads a number the way atoi does (white space, a sign, digits; none gives 0), stopping at
// plus or minus 1,000,000,000 instead of overflowing.
int ReadNumber(const char* text);
// Copies the bytes up to the next comma into dst (at most dstSize - 1 of them).
void NextToken(char* dst, int dstSize);
// Parses from DataPos until "@E" or the end of the data.
void ParseRecords();
