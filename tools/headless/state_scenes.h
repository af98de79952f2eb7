// Where the player stands on the front-end scenes, as JSON members for the headless runner.
#pragma once
#include <string>

// Appends "nodes" (per stage: "open", "cleared"), "selectCursor", "stageMapReady",
// "stageIntro" and "pauseCursor" as comma-separated object members, without braces; the caller
// writes any separator before them.
void AppendSceneState(std::string& json);
