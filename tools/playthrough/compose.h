// The whole game as one kobako-headless script: logo, title, opening, every stage in an order
// the stage map allows (played with the solver's solutions), the ending, and round again to a
// fresh map before Escape. Checkpoints write state files and pictures into the working folder.
#pragma once
#include <string>
#include <vector>

// Stages in the order they are played: along the map's links, the last one above node 0.
extern const int kPlayOrder[11];

// Arrow keys ("Up", ...) that take the map cursor from one stage to the next along the links.
std::vector<std::string> CursorPath(int from, int to);

// The script, from the solution scripts solution_NN.txt in solutionDir (written by
// kobako-solve for stages started directly). On a missing or unreadable solution returns false
// with why in error. With skipLogo the logo is left with Space at its fifth frame instead of
// running its course, whose length depends on the random numbers: the script then fits any seed.
bool ComposePlaythrough(const std::string& solutionDir, std::string* script, std::string* error,
                        bool skipLogo = false);
