// The program entry: bring-up of window, display, font and shared objects, then the main loop.
#pragma once
#include <cstdint>

// Brings everything up and runs the game; returns the exit code (0 after ReleaseAll, 1 when
// there is no display to run on).
int WinMain();

// The steps of WinMain, for the headless runner, which starts the game the same way.
// Returns 0, or the exit code when the game cannot start.
int BringUp();
// Message text, display object with its two pictures, sound object.
void StartSharedObjects();
// Runs until the quit message; returns its exit code.
int MainLoop();
intptr_t WindowProc(unsigned message, intptr_t wParam);
