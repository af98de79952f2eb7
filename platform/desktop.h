// What the program needs from the desktop before the game starts: its backend and its folder.
#pragma once
#include <memory>

#include "platform/backend.h"

// The SDL backend (window, keyboard, audio).
std::unique_ptr<Backend> CreateDesktopBackend();
// Makes the game's data folder the working directory: $KOBAKO_DATA when set, else the folder
// "game" beside the executable, else the installed "../share/kobako"; with none of them the
// current folder stays. False (after one line on standard error) when the change failed.
bool EnterDataDirectory(const char* argv0);
