// Solutions as kobako-headless scripts that start at the stage (`--stage N`).
#pragma once
#include <string>
#include <vector>

// Plays the actions from a fresh set-up through the real play frames and turns the keys of
// every frame into "at N keys ..." lines. Returns false (and writes nothing) when the replay
// does not win the stage in the last action's frames.
bool WriteSolutionScript(int stage, const std::vector<int>& actions, const std::string& path);

// Replays the actions from a fresh set-up; the number of play frames they take, or -1 when they
// do not win the stage.
int ReplayPlayFrames(int stage, const std::vector<int>& actions);

// The present count after which the keys of play frame 1 are read: the wipe presents 40
// pictures; on the last stage the opening message presents one more before Space closes it.
int FirstPlayFramePresent(int stage);
