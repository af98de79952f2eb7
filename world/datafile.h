// Stage and message files: read whole, line breaks turned into commas, walked by a record parser.
#pragma once
#include <vector>

constexpr int MES_COUNT = 12;
constexpr int MES_SIZE = 1024;  // bytes per message, terminating zero included

extern std::vector<char> DataBuf;
extern int DataSize;
extern int DataPos;
extern char MesText[MES_COUNT][MES_SIZE];

// Reads the file into DataBuf; a missing file falls back to stage 1 and sets StageNo to 1.
void ReadDataFile(const char* name);
// Copies the bytes up to the next comma into dst (at most dstSize - 1 of them).
void NextToken(char* dst, int dstSize);
// Parses from DataPos until "@E" or the end of the data.
void ParseRecords();
