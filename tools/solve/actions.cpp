#include "tools/solve/actions.h"

namespace {

void Frame(const PlayKeys& keys, int& spaceHeld, std::vector<PlayKeys>* frames) {
  int shiftHeld = 0;
  PlayFrameUpdate(keys, spaceHeld, shiftHeld);
  if (frames) frames->push_back(keys);
}

}  // namespace

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
