#include "tools/playthrough/compose.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "world/stage_map.h"

const int kPlayOrder[11] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

namespace {

// The map's links as the cursor walks them, with node 0's up link to node 10 that the stage
// select adds once nodes 0 to 9 are cleared; -1 for none.
int LinkFrom(int node, int direction) {
  if (node == 0 && direction == kMapUp) return 10;
  return NODE_LINKS[node][direction];
}

// The script's name of the arrow key that moves the map cursor in direction.
const char* ArrowName(int direction) {
  switch (direction) {
    case kMapUp:
      return "Up";
    case kMapRight:
      return "Right";
    case kMapDown:
      return "Down";
    default:
      return "Left";
  }
}

// Frames the solution scripts run on after the win (kobako-solve keeps the rescue on screen).
constexpr int kSolutionFramesAfterWin = 30;
// After the win frame: Space closes the rescue, the clear sequence takes 99 frames, and Space
// closes the message that follows it.
constexpr int kRescueOpenFrames = 59;
constexpr int kClearFrames = 99;
constexpr int kMessageOpenFrames = 30;
// The first stage's message stays longer: its picture shows the text written out.
constexpr int kReviewedMessageFrames = 200;
// With the repeat counter at 1 an arrow acts in its third frame instead of its first.
constexpr int kLateArrowHold = 2;
// Frames between arrow presses on the map, and before the first one (the pop-in settles).
constexpr int kMapSettle = 30;
constexpr int kMapStep = 4;

std::string StageName(const char* what, int stage) {
  char name[64];
  std::snprintf(name, sizeof name, "%s_%02d", what, stage);
  return name;
}

// A key pressed after frame at and let go one frame later.
void Press(std::ostream& out, int at, const std::string& key) {
  out << "at " << at << " keys " << key << "\n";
  out << "at " << at + 1 << " keys -\n";
}

void Checkpoint(std::ostream& out, int at, const std::string& name, bool picture) {
  out << "at " << at << " state " << name << ".json\n";
  if (picture) out << "at " << at << " shot " << name << ".png\n";
}

// The solution's key lines, and the frame of the win (from its end line). The solutions start
// from a fresh program, where the arrows' shared repeat counter is 0 and the first arrow acts at
// once; the counter carries over from stage to stage, and every arrow leaves it at 1, so in a
// later stage the first arrow must be held lateHold frames more: it and every line after it move
// on by that much.
bool ReadSolution(const std::string& path, int lateHold, std::string* keys, int* win,
                  std::string* error) {
  std::ifstream in(path);
  if (!in) {
    *error = "cannot read " + path;
    return false;
  }
  std::ostringstream lines;
  int shift = 0;
  bool arrowSeen = false;
  *win = -1;
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string verb, action, list;
    int frame = 0;
    words >> verb >> frame;
    if (!words) continue;
    if (verb == "end") {
      *win = frame - kSolutionFramesAfterWin + shift;
    } else if (verb == "at" && words >> action >> list && action == "keys") {
      lines << "at " << frame + shift << " keys " << list << "\n";
      const bool arrow = list.find_first_of("UDLR") != std::string::npos;
      if (!arrowSeen && arrow) {
        arrowSeen = true;
        shift = lateHold;
      }
    }
  }
  if (*win <= 0) {
    *error = path + " has no end line";
    return false;
  }
  *keys = lines.str();
  return true;
}

void FrontEnd(std::ostream& out, const char* round) {
  const std::string prefix = round;
  out << "when TitleScene\n";
  Checkpoint(out, 1, prefix + "title", true);
  Press(out, 5, "Space");
  out << "when OpeningScene\n";
  Checkpoint(out, 1, prefix + "opening", true);
  for (int page = 0; page < 3; page++) Press(out, 5 + 5 * page, "Space");
  out << "when SelectScene\n";
  Checkpoint(out, 1, prefix + "select", true);
}

}  // namespace

std::vector<std::string> CursorPath(int from, int to) {
  // Breadth-first over the links: the shortest walk, first found in up/right/down/left order.
  int previous[NODE_COUNT], arrow[NODE_COUNT];
  for (int i = 0; i < NODE_COUNT; i++) previous[i] = -2;
  previous[from] = -1;
  std::vector<int> queue = {from};
  for (size_t head = 0; head < queue.size(); head++) {
    int node = queue[head];
    for (int d = 0; d < 4; d++) {
      int next = LinkFrom(node, d);
      if (next < 0 || previous[next] != -2) continue;
      previous[next] = node;
      arrow[next] = d;
      queue.push_back(next);
    }
  }
  std::vector<std::string> path;
  if (previous[to] == -2) return path;
  for (int node = to; node != from; node = previous[node])
    path.insert(path.begin(), ArrowName(arrow[node]));
  return path;
}

bool ComposePlaythrough(const std::string& solutionDir, std::string* script, std::string* error,
                        bool skipLogo) {
  std::ostringstream out;
  out << "# The whole game: composed by kobako-playthrough from the stage solutions.\n";
  Checkpoint(out, 1, "logo", true);
  if (skipLogo) Press(out, 5, "Space");
  FrontEnd(out, "");

  int cursor = 0;
  bool first = true;
  for (int stage : kPlayOrder) {
    if (!first) {
      out << "when SelectScene\n";
      Checkpoint(out, 1, StageName("select_after", cursor), stage == 1);
    }
    int at = kMapSettle;
    for (const std::string& key : CursorPath(cursor, stage)) {
      Press(out, at, key);
      at += kMapStep;
    }
    cursor = stage;
    Checkpoint(out, at, StageName("select_on", stage), false);
    Press(out, at + 2, "Space");

    std::string keys;
    int win = 0;
    char name[32];
    std::snprintf(name, sizeof name, "/solution_%02d.txt", stage);
    const int lateHold = first ? 0 : kLateArrowHold;
    if (!ReadSolution(solutionDir + name, lateHold, &keys, &win, error)) return false;
    out << "when StageStartScene\n" << keys;
    Checkpoint(out, 60, StageName("play", stage), first);
    const int rescueClosed = win + kRescueOpenFrames;
    const int lastClear = rescueClosed + kClearFrames;
    Checkpoint(out, win + 20, StageName("rescue", stage), first);
    Press(out, rescueClosed, "Space");
    const int messageOpen = first ? kReviewedMessageFrames : kMessageOpenFrames;
    Checkpoint(out, lastClear + messageOpen - 10, StageName("message", stage), first);
    Press(out, lastClear + messageOpen, "Space");
    first = false;
  }

  out << "when EndingScene\n";
  Checkpoint(out, 1, "ending_start", false);
  Checkpoint(out, 120, "ending", true);
  Press(out, 150, "Space");
  out << "when LogoScene\n";
  Checkpoint(out, 1, "logo_again", false);
  Press(out, 5, "Space");
  FrontEnd(out, "again_");
  out << "at 5 escape\n";
  // Escape ends the game before this frame: the file must never appear.
  out << "at 10 state after_escape.json\n";
  *script = out.str();
  return true;
}
