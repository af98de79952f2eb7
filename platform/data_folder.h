// Where the game's data folder (data/, img/, sound/) is, wherever the program was started from.
#pragma once
#include <string>

// The first of: the folder named by dataOverride (KOBAKO_DATA) when it is set and not empty;
// "game" beside the executable (the build tree); "../share/kobako" from the executable's folder
// (an installed copy); "../share/games/kobako" (the Debian package's /usr/games). Empty when none
// of them is a folder.
std::string FindDataFolder(const std::string& executable, const char* dataOverride);
// The folders FindDataFolder looks in beside the executable, for telling the player.
std::string DataFolderPlaces(const std::string& executable);
// From now on the game's files (relative names) are found nowhere: the program has no data
// folder, and reading whatever lies in the folder it was started from would be a guess.
void ForgetDataFolder();
