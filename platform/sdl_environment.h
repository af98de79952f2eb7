// What the desktop backend takes from its surroundings: the video drivers worth trying and the
// sound font to play the tune with.
#pragma once
#include <string>
#include <vector>

// The entries of a list such as "a,b" or "x;y", empty ones left out.
std::vector<std::string> SplitList(const char* text, char separator);

// Without SDL_VIDEODRIVER, SDL would fall back to its invisible drivers when there is no screen
// and the game would run unseen; those must be asked for by name. False when no driver is left.
bool ChooseVideoDrivers();

// The sound font to play the tune with: the first that exists of SDL_SOUNDFONTS (the player's
// choice, paths separated by ';'), or else of Debian's. Empty when there is none: the synthesiser
// would then play silence that never ends.
std::string FindSoundFont();
