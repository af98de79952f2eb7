// The stage map: one node per stage, the player's progress for the whole run.
#pragma once
#include <cstdint>
#include <string>

#include "platform/geometry.h"

constexpr int NODE_COUNT = 11;

// The map's directions, in the order of a node's Links; opposite directions lie two apart.
enum MapDirection { kMapUp = 0, kMapRight = 1, kMapDown = 2, kMapLeft = 3 };

// Each node's neighbours by MapDirection on the map of a first visit; -1 for none. Node 0's up
// link stays empty here: the stage select joins node 10 above it once nodes 0 to 9 are cleared.
inline constexpr int8_t NODE_LINKS[NODE_COUNT][4] = {
    {-1, 1, -1, -1}, {2, -1, -1, 0},  {3, 4, 1, -1},   {-1, -1, 2, -1},
    {5, -1, 7, 2},   {-1, 6, 4, -1},  {-1, -1, -1, 5}, {4, 8, -1, -1},
    {9, -1, -1, 7},  {-1, -1, 8, -1}, {-1, -1, 0, -1},
};

struct StageNode {
  int32_t Id;
  int32_t X, Y;
  Rect Sprite;
  int32_t PopW;
  int32_t PopH;
  int32_t PopPhase;
  int32_t PopTick;
  uint8_t Open;
  uint8_t Pending;
  uint8_t Cleared;
  StageNode* Links[4];  // by MapDirection
};

extern StageNode StageNodes[NODE_COUNT];
extern int StageMapReady;
extern int32_t SelectCursor;

// Zeroes every node and fills in the map of a first visit (only node 0 open).
void InitStageMap();

// The progress kept between runs in the progress file (platform/progress_file.h): the nodes' Open
// and Cleared flags and the cursor, nothing else.
struct StageProgress {
  uint8_t Open[NODE_COUNT];
  uint8_t Cleared[NODE_COUNT];
  int32_t Cursor;
};

// The progress file's text for the map as it stands.
std::string ProgressText();
// Reads the progress file's text into *progress; false with why in *why when it is damaged,
// holds a progress no play can make, or is from a newer version.
bool ParseProgress(const std::string& text, StageProgress* progress, std::string* why);
// At start-up: reads the progress file and keeps what it holds for the first map of the run.
void ReadProgress();
// Lays the progress read at start-up over the map just laid out, once; a run without one keeps
// the map of a first visit.
void RestoreProgress();
// After a clear: writes the map's progress to the file. The map itself stays as it is.
void SaveProgress();
// After the ending: forgets the progress, so the next map and the next run start afresh.
void ResetProgress();
