// Where the game's data folder (data/, img/, sound/) is, wherever the program was started from.
#pragma once
#include <string>

// The first of: the folder named by dataOverride (KOBAKO_DATA) when it is set and not empty;
// "game" beside the executable (the build tree); "../share/kobako" from the executable's folder
// (an installed copy). Empty when none of them is a folder, so the current folder stays.
std::string FindDataFolder(const std::string& executable, const char* dataOverride);
