// The three opening pages between the title and the stage select.
#pragma once
#include <cstdint>

extern int32_t OpeningPage;

void OpeningSetupScene();
void OpeningScene();
void OpeningEndScene();
