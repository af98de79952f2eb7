// Taking actions back: the stage at rest before each action that changed it, back to its start.
#pragma once
#include <cstddef>

// The most actions kept; beyond it the oldest go first.
constexpr size_t kUndoLimit = 10000;

// Starts the history afresh: the stage as it stands is its start.
void ClearUndo();
// Runs after every play frame: once the world is at rest and differs from the last state at rest,
// that earlier state goes into the history. Reads no clock.
void NoteRestState();
// Brings the world back to the state at rest before the last action that changed it; false, with
// nothing done, at the stage's start or while something moves. The key repeat is left alone.
bool UndoLastAction();
// How many actions can be taken back.
size_t UndoDepth();

// The undo key in this frame, down being whether it is held: true on the press, then, held on,
// after a pause of kUndoFirstRepeat frames on every third frame, as the arrows repeat.
bool UndoKeyFires(bool down);
constexpr int kUndoFirstRepeat = 9;
