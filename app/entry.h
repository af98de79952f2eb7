// The program entry: bring-up of window, display, font and shared objects, then the main loop.
#pragma once
#include "platform/events.h"

// Brings everything up and runs the game; returns the exit code (0 after ReleaseAll, 1 when
// there is no display to run on).
int RunGame();

// The steps of RunGame, for the headless runner, which starts the game the same way.
// Returns 0, or the exit code when the game cannot start.
int BringUp();
// Message text, picture slots with their two pictures, sound device.
void StartSharedObjects();
// Runs until the game ends; returns its exit code.
int MainLoop();
// What the game does with an event: Escape and the close request end it.
void HandleEvent(GameEvent event);
