// The game's state as one JSON object: the shell's members here, then those of the world and
// of the front-end scenes (state_world.h, state_scenes.h).
#pragma once
#include <string>

// Appends "scene" (the name of the function in CurrentScene), "presents", the held-key flags
// and "released" as comma-separated members, without braces.
void AppendShellState(std::string& json, int presents);
// The whole object.
std::string StateJson(int presents);
bool WriteStateFile(const std::string& path, int presents);
