// The pause menu over the frozen stage: go on, restart, stage select, title, quit.
#pragma once
#include <cstdint>

constexpr int PAUSE_ENTRY_COUNT = 5;
constexpr int PAUSE_TEXT_SIZE = 50;

extern int32_t PauseCursor;
extern int32_t PauseLevel;  // blend level of the panel, 0..200
// Shift-JIS, zero-terminated.
extern char PauseTexts[PAUSE_ENTRY_COUNT][PAUSE_TEXT_SIZE];

void PauseSetupScene();
void PauseScene();
