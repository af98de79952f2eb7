// The moves a solution is made of (play/search.h), and the frames before a stage's first move.
#pragma once
#include <vector>

#include "play/play_frame.h"
#include "play/search.h"

// Plays the frames before the first move of a stage started directly: on the last stage the
// opening message is closed with Space, which stays held for two play frames.
void RunLeadIn(int stage, int& spaceHeld, std::vector<PlayKeys>* frames);
