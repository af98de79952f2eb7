#include "tools/solve/actions.h"

#include "play/movement.h"
#include "play/stage_state.h"
#include "play/world_state.h"

namespace {

void Frame(const PlayKeys& keys, int& spaceHeld, std::vector<PlayKeys>* frames) {
  int shiftHeld = 0;
  PlayFrameUpdate(keys, spaceHeld, shiftHeld);
  if (frames) frames->push_back(keys);
}

}  // namespace

const char* ActionName(int action) {
  static const char* const kNames[ACTION_COUNT] = {"Up", "Down", "Left", "Right", "Space"};
  return kNames[action];
}

bool RunAction(int action, int& spaceHeld, std::vector<PlayKeys>* frames) {
  PlayKeys keys{};
  int holdFrames = 1;
  switch (action) {
    case ACTION_UP:
      keys.up = true;
      break;
    case ACTION_DOWN:
      keys.down = true;
      break;
    case ACTION_LEFT:
      keys.left = true;
      break;
    case ACTION_RIGHT:
      keys.right = true;
      break;
    default:
      keys.space = true;
      break;
  }
  // A held arrow acts on the frame in which the repeat counter reaches a multiple of three.
  if (action != ACTION_SPACE) holdFrames = (3 - KeyRepeat % 3) % 3 + 1;
  for (int i = 0; i < holdFrames; i++) Frame(keys, spaceHeld, frames);
  if (StageClear != 0) return true;
  const PlayKeys none{};
  for (int i = 0; i < kMaxFramesPerAction; i++) {
    Frame(none, spaceHeld, frames);
    if (StageClear != 0) return true;
    if (WorldAtRest()) return true;
  }
  return false;
}

void RunLeadIn(int stage, int& spaceHeld, std::vector<PlayKeys>* frames) {
  spaceHeld = 0;
  if (stage != 10) return;
  PlayKeys space{};
  space.space = true;
  spaceHeld = 1;  // left set by the message window that the press closed
  Frame(space, spaceHeld, frames);
  Frame(space, spaceHeld, frames);
  Frame(PlayKeys{}, spaceHeld, frames);
}
