// The pause menu over the frozen stage: go on, restart, stage select, title, quit.
#pragma once
#include <cstdint>

constexpr int PAUSE_ENTRY_COUNT = 5;

extern int32_t PauseCursor;
extern int32_t PauseLevel;  // blend level of the panel, 0..200
// The entries in Japanese, each drawn in the language in use.
extern const char* const PauseTexts[PAUSE_ENTRY_COUNT];

void PauseSetupScene();
void PauseScene();
