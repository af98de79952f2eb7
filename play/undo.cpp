#include "play/undo.h"

#include <deque>
#include <string>

#include "play/movement.h"
#include "play/stage_state.h"
#include "play/world_state.h"

namespace {

// Each entry is a packed world (a few hundred bytes at most).
std::deque<std::string> History;
// The world at rest after the last action; empty until the first frame at rest of a stage.
std::string LastRest;
// Frames the undo key has been held: 0 when up.
int UndoHeldFrames = 0;

}  // namespace

void ClearUndo() {
  History.clear();
  LastRest.clear();
  // The first action may come in the stage's first frame, before any state is noted.
  if (WorldAtRest()) LastRest = PackWorld();
}

void NoteRestState() {
  if (StageClear != 0 || !WorldAtRest()) return;
  std::string now = PackWorld();
  if (LastRest.empty()) {
    LastRest = std::move(now);
    return;
  }
  if (now == LastRest) return;
  History.push_back(std::move(LastRest));
  if (History.size() > kUndoLimit) History.pop_front();
  LastRest = std::move(now);
}

bool UndoLastAction() {
  if (StageClear != 0 || !WorldAtRest()) return false;
  NoteRestState();
  if (History.empty()) return false;
  const int keyRepeat = KeyRepeat;
  UnpackWorld(History.back());
  KeyRepeat = keyRepeat;
  LastRest = std::move(History.back());
  History.pop_back();
  return true;
}

size_t UndoDepth() {
  return History.size();
}

bool UndoKeyFires(bool down) {
  if (!down) {
    UndoHeldFrames = 0;
    return false;
  }
  const int held = UndoHeldFrames++;
  if (held == 0) return true;
  return held >= kUndoFirstRepeat && (held - kUndoFirstRepeat) % 3 == 0;
}
