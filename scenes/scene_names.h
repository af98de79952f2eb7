// Names of the scene functions, for the headless runner's report of where the player stands.
#pragma once
#include "app/shell.h"

// The function's own name, or "unknown" for a function that is not a scene.
const char* SceneName(SceneFunction f);
