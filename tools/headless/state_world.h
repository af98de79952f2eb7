// The world of the running stage as JSON members, for the headless runner's state dumps.
#pragma once
#include <string>

// Appends "stageNo", "stageClear", "bmax", "vmax", "hero", "items" and "villagers" as
// comma-separated object members, without braces; the caller writes any separator before them.
// Tiles are [x, y]; positions are [x, y] numbers with their fraction.
void AppendWorldState(std::string& json);
