// Whether the running stage has been won.
#pragma once

// Set to 1 when the goal is reached; the play scene then runs the clear sequence, which puts it
// back to 0 when it ends.
extern __thread int StageClear;
