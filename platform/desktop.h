// What the program needs from the desktop before the game starts: its backend and its folder.
#pragma once
#include <memory>

#include "platform/backend.h"

// The SDL backend (window, keyboard, audio).
std::unique_ptr<Backend> CreateDesktopBackend();
// Makes the game's data folder the working directory: $KOBAKO_DATA when set, else the folder
// "game" beside the executable, else the installed "../share/kobako". Without one, or when it
// cannot be entered, one line on standard error says so, the game's files are found nowhere
// (as if missing) and the result is false.
bool EnterDataDirectory(const char* argv0);
