#include "tools/solve/script.h"

#include <fstream>

#include "play/play_frame.h"
#include "play/stage_state.h"
#include "tools/solve/actions.h"
#include "tools/solve/search.h"

namespace {

// Frames the script keeps running after the win, so that the rescue window is on screen.
constexpr int kFramesAfterWin = 30;

std::string KeyList(const PlayKeys& keys) {
  std::string list;
  auto add = [&list](bool down, const char* name) {
    if (!down) return;
    if (!list.empty()) list += ",";
    list += name;
  };
  add(keys.up, "Up");
  add(keys.down, "Down");
  add(keys.left, "Left");
  add(keys.right, "Right");
  add(keys.space, "Space");
  return list.empty() ? "-" : list;
}

bool SameKeys(const PlayKeys& a, const PlayKeys& b) {
  return a.up == b.up && a.down == b.down && a.left == b.left && a.right == b.right &&
         a.space == b.space;
}

}  // namespace

int FirstPlayFramePresent(int stage) {
  return stage == 10 ? 41 : 40;
}

int ReplayPlayFrames(int stage, const std::vector<int>& actions) {
  int spaceHeld = 0;
  std::vector<PlayKeys> frames;
  StartStage(stage, spaceHeld, &frames);
  for (int action : actions) {
    if (StageClear != 0 || !RunAction(action, spaceHeld, &frames)) return -1;
  }
  return StageClear != 0 ? static_cast<int>(frames.size()) : -1;
}

bool WriteSolutionScript(int stage, const std::vector<int>& actions, const std::string& path) {
  int spaceHeld = 0;
  std::vector<PlayKeys> frames;
  StartStage(stage, spaceHeld, &frames);
  size_t leadIn = frames.size();
  for (size_t i = 0; i < actions.size(); i++) {
    if (StageClear != 0) return false;
    if (!RunAction(actions[i], spaceHeld, &frames)) return false;
  }
  if (StageClear == 0) return false;

  std::ofstream out(path);
  int base = FirstPlayFramePresent(stage);
  out << "# stage " << stage << ": " << actions.size() << " actions, " << frames.size() - leadIn
      << " play frames\n";
  // Play frame k (from 1) reads the keys set at present base + k - 1.
  PlayKeys current{};
  if (stage == 10) {
    // The opening message takes a fresh press of Space after its first picture.
    out << "at " << base << " keys Space\n";
    current.space = true;
  }
  for (size_t k = 0; k < frames.size(); k++) {
    if (SameKeys(frames[k], current)) continue;
    current = frames[k];
    out << "at " << base + static_cast<int>(k) << " keys " << KeyList(current) << "\n";
  }
  int end = base + static_cast<int>(frames.size());
  if (!SameKeys(current, PlayKeys{})) out << "at " << end << " keys -\n";
  out << "end " << end + kFramesAfterWin << "\n";
  return static_cast<bool>(out);
}
