// The player's moves as the search sees them: an arrow or Space pressed from rest, then no keys
// until everything has come to rest again.
#pragma once
#include <vector>

#include "play/play_frame.h"

enum SolveAction { ACTION_UP, ACTION_DOWN, ACTION_LEFT, ACTION_RIGHT, ACTION_SPACE, ACTION_COUNT };

// Frames after which a move that has not come to rest counts as stuck (a snare takes 100).
constexpr int kMaxFramesPerAction = 400;

const char* ActionName(int action);

// Runs one move through the real play frame. The key is held until the frame in which it acts
// (an arrow acts when the shared repeat counter allows, Space at once) and released afterwards.
// Appends every frame's keys to frames when given. Returns false when the world does not come to
// rest; stops early, returning true, in the frame the stage is won.
bool RunAction(int action, int& spaceHeld, std::vector<PlayKeys>* frames);

// Plays the frames before the first move of a stage started directly: on the last stage the
// opening message is closed with Space, which stays held for two play frames.
void RunLeadIn(int stage, int& spaceHeld, std::vector<PlayKeys>* frames);
