// The rescue and message windows: modal, each with its own frame loop, redrawing the stage under
// it and revealing its text one character every five frames until Space is pressed.
#pragma once

// Announces the rescue (or the capture) of the current stage over a fading-in background.
void ShowRescue();
// Shows the stage's message beside its portrait; after the capture on the last stage, the
// closing message.
void ShowMessage();
