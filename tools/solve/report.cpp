#include "tools/solve/report.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <queue>
#include <set>
#include <tuple>

#include "play/movement.h"
#include "play/search.h"
#include "play/world_state.h"
#include "tools/solve/search.h"
#include "world/kinds.h"
#include "world/stage_map.h"

namespace {

const char* const kKindNames[kItemKinds] = {"hedge", "rock", "tree",   "barrel", "box",   "chest",
                                            "snare", "pit",  "switch", "switch", "block", "gate"};

std::string KindName(int kind) {
  return kind >= 0 && kind < kItemKinds ? kKindNames[kind] : "item " + std::to_string(kind);
}

bool IsGate(int index) {
  for (int i = 0; i < BMAX; i++) {
    const int kind = ItemKind(Items[i]);
    if ((kind == kSwitch || kind == kSwitchPressed) && Items[i].Act == index) return true;
  }
  return false;
}

bool IsEmptyBox(const ItemRec& item) {
  const int kind = ItemKind(item);
  return (kind == kBox || kind == kChest) && item.Act == -1;
}

// The mechanics and item kinds of the stage as set up.
void Survey(StageFigures& figures) {
  std::set<std::string> kinds;
  for (int i = 0; i < BMAX; i++) {
    const ItemRec& item = Items[i];
    if (item.Item == 0) continue;
    const int kind = ItemKind(item);
    kinds.insert(IsGate(i) ? "gate" : KindName(kind));
    if (kind == kMovable) figures.mechanics |= 1u << MECH_BLOCK;
    if (kind == kSnare) figures.mechanics |= 1u << MECH_SNARE;
    if (kind == kPit) figures.mechanics |= 1u << MECH_PIT;
    if (kind == kSwitch || kind == kSwitchPressed) figures.mechanics |= 1u << MECH_SWITCH;
    if (IsEmptyBox(item)) figures.mechanics |= 1u << MECH_EMPTY_BOX;
    if (kind == kChest) figures.mechanics |= 1u << MECH_CHEST;
  }
  for (const std::string& kind : kinds) figures.kinds += (figures.kinds.empty() ? "" : " ") + kind;
}

// Takes item index away: it stays in the list as nothing, and pits and switches that named it
// name nothing.
void TakeAway(int index) {
  Items[index].Item = 0;
  Items[index].F = 0;
  Items[index].Act = -1;
  for (int i = 0; i < BMAX; i++) {
    const int kind = ItemKind(Items[i]);
    if ((kind == kPit || kind == kSwitch || kind == kSwitchPressed) && Items[i].Act == index) {
      Items[i].Act = -1;
    }
  }
}

// Keeps the empty box at index shut for good: a hedge stands in its place.
void KeepShut(int index) {
  Items[index].Item = Items[index].Item / 100 * 100 + kHedge;
  Items[index].Act = -1;
}

void Measure(const StateGraph& graph, StageFigures& figures) {
  const size_t n = graph.States();
  figures.complete = graph.complete;
  figures.states = n;
  // A state is live when a win can be reached from it: backwards from the winning moves.
  std::vector<std::vector<int32_t>> from(n);
  std::vector<char> live(n, 0);
  std::queue<int32_t> open;
  for (size_t s = 0; s < n; s++) {
    for (int a = 0; a < ACTION_COUNT; a++) {
      const Move& move = graph.moves[s * ACTION_COUNT + a];
      if (move.to >= 0) from[move.to].push_back(static_cast<int32_t>(s));
      if (move.to == kMoveWins && !live[s]) {
        live[s] = 1;
        open.push(static_cast<int32_t>(s));
      }
    }
  }
  while (!open.empty()) {
    const int32_t s = open.front();
    open.pop();
    for (int32_t p : from[s]) {
      if (!live[p]) {
        live[p] = 1;
        open.push(p);
      }
    }
  }
  std::set<std::string> fatal;
  for (size_t s = 0; s < n; s++) {
    if (!live[s]) {
      figures.deadEnds++;
      if (figures.firstDeadEnd < 0 || graph.depth[s] < figures.firstDeadEnd) {
        figures.firstDeadEnd = graph.depth[s];
      }
      continue;
    }
    for (int a = 0; a < ACTION_COUNT; a++) {
      const Move& move = graph.moves[s * ACTION_COUNT + a];
      if (move.to < 0 || live[move.to]) continue;
      if (move.kind == MOVE_WALK) fatal.insert("walk");
      if (move.kind == MOVE_OPEN) fatal.insert("open");
      if (move.kind == MOVE_PUSH) {
        fatal.insert(move.onto < 0 ? "push" : "push onto " + KindName(move.onto));
      }
    }
  }
  figures.fatal.assign(fatal.begin(), fatal.end());
  figures.solvable = n > 0 && live[0];
  if (!figures.solvable) return;
  // The fewest moves and the fewest frames to a win.
  std::vector<int> frames(n, -1);
  using Entry = std::pair<int, int32_t>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
  frames[0] = 0;
  queue.push({0, 0});
  while (!queue.empty()) {
    const auto [at, s] = queue.top();
    queue.pop();
    if (at != frames[s]) continue;
    for (int a = 0; a < ACTION_COUNT; a++) {
      const Move& move = graph.moves[s * ACTION_COUNT + a];
      const int arrive = at + move.frames;
      if (move.to == kMoveWins) {
        if (figures.frames < 0 || arrive < figures.frames) figures.frames = arrive;
        const int actions = graph.depth[s] + 1;
        if (figures.actions < 0 || actions < figures.actions) figures.actions = actions;
      } else if (move.to >= 0 && (frames[move.to] < 0 || arrive < frames[move.to])) {
        frames[move.to] = arrive;
        queue.push({arrive, move.to});
      }
    }
  }
}

bool DeadEndsDiffer(const StageFigures& a, const StageFigures& b) {
  return (a.deadEnds > 0) != (b.deadEnds > 0) || a.firstDeadEnd != b.firstDeadEnd ||
         std::abs(a.DeadShare() - b.DeadShare()) >= 0.05;
}

std::string Percent(double share) {
  char text[16];
  std::snprintf(text, sizeof text, "%.0f %%", share * 100);
  return text;
}

// "3 shorter (12 %)" when other differs from whole by at least a fifth, else "".
std::string Difference(int whole, int other, const char* unit, bool& matters) {
  if (other == whole || whole <= 0) return "";
  const int by = std::abs(whole - other);
  char text[64];
  std::snprintf(text, sizeof text, "%d %s %s (%.0f %%)", by, unit,
                other < whole ? "shorter" : "longer", 100.0 * by / whole);
  if (by * 5 >= whole) matters = true;
  return text;
}

// How other differs from whole, "" for no difference that counts; matters is set when it is
// unsolvable, a fifth shorter or longer, or has other dead ends.
std::string Compared(const StageFigures& whole, const StageFigures& other, bool& matters) {
  std::vector<std::string> notes;
  if (whole.solvable && !other.solvable) {
    notes.push_back("unsolvable");
    matters = true;
  } else if (other.solvable) {
    const std::string actions = Difference(whole.actions, other.actions, "moves", matters);
    if (!actions.empty()) notes.push_back(actions);
    const std::string frames = Difference(whole.frames, other.frames, "frames", matters);
    if (!frames.empty()) notes.push_back(frames);
  }
  if (DeadEndsDiffer(whole, other)) {
    notes.push_back("dead ends " + Percent(whole.DeadShare()) + " -> " +
                    Percent(other.DeadShare()) + ", first at " +
                    std::to_string(whole.firstDeadEnd) + " -> " +
                    std::to_string(other.firstDeadEnd));
    matters = true;
  }
  std::string verdict;
  for (const std::string& note : notes) verdict += (verdict.empty() ? "" : "; ") + note;
  return verdict;
}

}  // namespace

const char* MechanicName(int mechanic) {
  static const char* const kNames[MECH_COUNT] = {"block",  "snare",     "pit",
                                                 "switch", "empty box", "chest"};
  return kNames[mechanic];
}

std::string MechanicNames(unsigned mechanics) {
  std::string out;
  for (int m = 0; m < MECH_COUNT; m++) {
    if (mechanics & (1u << m)) out += (out.empty() ? "" : ", ") + std::string(MechanicName(m));
  }
  return out.empty() ? "nothing" : out;
}

StageFigures MeasureStage(int stage, int without, int keptShut) {
  StageFigures figures;
  int spaceHeld = 0;
  StartStage(stage, spaceHeld);
  if (StageNo != stage) {
    figures.missing = true;
    return figures;
  }
  if (without >= 0 && without < BMAX) TakeAway(without);
  if (keptShut >= 0 && keptShut < BMAX) KeepShut(keptShut);
  Survey(figures);
  Measure(ExploreFrom(PackWorld(), SearchLimits{}), figures);
  return figures;
}

std::vector<Necessity> MeasureNecessity(int stage, const StageFigures& whole) {
  std::vector<Necessity> out;
  int spaceHeld = 0;
  StartStage(stage, spaceHeld);
  if (StageNo != stage) return out;
  std::vector<Necessity> elements;
  std::vector<bool> doors;
  for (int i = 0; i < BMAX; i++) {
    const int kind = ItemKind(Items[i]);
    const bool gate = IsGate(i);
    if (!gate && !IsEmptyBox(Items[i]) && kind != kSwitch && kind != kSwitchPressed &&
        kind != kPit && kind != kMovable && kind != kSnare) {
      continue;
    }
    Necessity element;
    element.item = i;
    element.what = (gate                   ? "gate"
                    : IsEmptyBox(Items[i]) ? "empty " + KindName(kind)
                                           : KindName(kind)) +
                   " (" + std::to_string(Items[i].TilePt.x) + "," +
                   std::to_string(Items[i].TilePt.y) + ")";
    elements.push_back(element);
    doors.push_back(IsEmptyBox(Items[i]));
  }
  for (size_t e = 0; e < elements.size(); e++) {
    Necessity& element = elements[e];
    element.verdict = Compared(whole, MeasureStage(stage, element.item), element.matters);
    // What a door is for is being opened: it matters when the stage needs it open, though taking
    // it away saves no more than the Space that opens it.
    if (doors[e]) {
      const std::string shut =
          Compared(whole, MeasureStage(stage, -1, element.item), element.matters);
      element.verdict =
          "taken away: " + (element.verdict.empty() ? "no different" : element.verdict) +
          "; kept shut: " + (shut.empty() ? "no different" : shut);
    }
    if (element.verdict.empty()) element.verdict = "no different";
    out.push_back(element);
  }
  return out;
}

std::vector<std::vector<int>> OrdersOfPlay() {
  std::vector<std::vector<int>> orders;
  std::vector<int> order;
  std::function<void(unsigned, unsigned)> extend = [&](unsigned open, unsigned cleared) {
    if (order.size() == static_cast<size_t>(LAST_STAGE)) {
      orders.push_back(order);
      orders.back().push_back(LAST_STAGE);
      return;
    }
    for (int stage = 0; stage < LAST_STAGE; stage++) {
      if (!(open & (1u << stage)) || (cleared & (1u << stage))) continue;
      unsigned opened = open;
      for (int d = 0; d < 4; d++) {
        if (NODE_LINKS[stage][d] >= 0) opened |= 1u << NODE_LINKS[stage][d];
      }
      order.push_back(stage);
      extend(opened, cleared | (1u << stage));
      order.pop_back();
    }
  };
  extend(1u, 0u);
  return orders;
}

std::vector<FirstMeeting> FirstMeetings(const unsigned (&mechanics)[StMAX]) {
  std::map<std::tuple<int, int, unsigned, unsigned>, int> counts;
  for (const std::vector<int>& order : OrdersOfPlay()) {
    unsigned known = 0;
    for (int stage : order) {
      const unsigned fresh = mechanics[stage] & ~known;
      for (int m = 0; m < MECH_COUNT; m++) {
        const unsigned bit = 1u << m;
        if (fresh & bit) counts[{m, stage, mechanics[stage] & ~bit, fresh & ~bit}]++;
      }
      known |= mechanics[stage];
    }
  }
  std::vector<FirstMeeting> out;
  for (const auto& [key, orders] : counts) {
    FirstMeeting meeting;
    std::tie(meeting.mechanic, meeting.stage, meeting.alsoAsks, meeting.alsoNew) = key;
    meeting.orders = orders;
    out.push_back(meeting);
  }
  return out;
}

std::vector<std::string> RuleBreaks(int stage, const StageFigures& figures,
                                    const std::vector<Necessity>& necessity,
                                    const std::vector<FirstMeeting>& meetings) {
  // The mechanics a stage combines; chests and empty boxes come first, alone, on every order.
  constexpr unsigned kCombined =
      (1u << MECH_BLOCK) | (1u << MECH_SNARE) | (1u << MECH_PIT) | (1u << MECH_SWITCH);
  std::vector<std::string> breaks;
  auto range = [&](const char* role, int low, int high) {
    if (figures.actions < low || figures.actions > high) {
      breaks.push_back(std::string(role) + " of " + std::to_string(figures.actions) +
                       " moves, not " + std::to_string(low) + " to " + std::to_string(high));
    }
  };
  if (!figures.solvable) return {"cannot be won"};
  bool lesson = false;
  for (const FirstMeeting& meeting : meetings) {
    if (meeting.stage != stage) continue;
    lesson = true;
    if (meeting.alsoNew != 0) {
      breaks.push_back(std::string(MechanicName(meeting.mechanic)) + " met beside " +
                       MechanicNames(meeting.alsoNew) + " on " + std::to_string(meeting.orders) +
                       " orders");
    }
    if ((meeting.alsoAsks & kCombined) != 0) {
      breaks.push_back(std::string(MechanicName(meeting.mechanic)) + " met asking also for " +
                       MechanicNames(meeting.alsoAsks & kCombined) + " on " +
                       std::to_string(meeting.orders) + " orders");
    }
  }
  const unsigned combined = figures.mechanics & kCombined;
  if (lesson) {
    range("a lesson", 10, 30);
    if (figures.fatal.size() > 1)
      breaks.push_back("a lesson with more than one kind of fatal move");
  }
  if (stage == LAST_STAGE) {
    range("the last stage", 40, 60);
  } else if ((combined & (combined - 1)) != 0) {
    range("a combination", 25, 40);
    if (figures.DeadShare() > 0.6) breaks.push_back("more than 60 % dead ends");
    if (figures.firstDeadEnd >= 0 && figures.firstDeadEnd < 7) {
      breaks.push_back("a dead end at move " + std::to_string(figures.firstDeadEnd));
    }
  }
  for (const std::string& kind : figures.fatal) {
    if (kind.compare(0, 4, "push") != 0) breaks.push_back("lost by a " + kind);
  }
  for (const Necessity& element : necessity) {
    if (!element.matters) breaks.push_back(element.what + " is not needed");
  }
  return breaks;
}

std::string StageReport(int only) {
  std::string out;
  char line[512];
  StageFigures figures[StMAX];
  std::vector<Necessity> necessity[StMAX];
  unsigned mechanics[StMAX] = {};
  out += "stage moves frames   states dead  first fatal moves / item kinds\n";
  for (int stage = 0; stage < StMAX; stage++) {
    if (only >= 0 && stage != only) {
      int spaceHeld = 0;
      StartStage(stage, spaceHeld);
      if (StageNo == stage) Survey(figures[stage]);
      mechanics[stage] = figures[stage].mechanics;
      figures[stage].missing = true;
      continue;
    }
    figures[stage] = MeasureStage(stage);
    const StageFigures& f = figures[stage];
    if (f.missing) {
      std::snprintf(line, sizeof line, "%02d    no data file\n", stage);
      out += line;
      continue;
    }
    mechanics[stage] = f.mechanics;
    necessity[stage] = MeasureNecessity(stage, f);
    std::string fatal;
    for (const std::string& kind : f.fatal) fatal += (fatal.empty() ? "" : ", ") + kind;
    std::snprintf(line, sizeof line, "%02d   %6d %6d %8zu %4s %6d %s / %s%s\n", stage, f.actions,
                  f.frames, f.states, Percent(f.DeadShare()).c_str(), f.firstDeadEnd,
                  fatal.empty() ? "none" : fatal.c_str(), f.kinds.c_str(),
                  f.complete ? "" : " (search cut short)");
    out += line;
  }
  out += "\nnecessity (each element taken away; an empty box also kept shut):\n";
  for (int stage = 0; stage < StMAX; stage++) {
    for (const Necessity& element : necessity[stage]) {
      std::snprintf(line, sizeof line, "%02d  %-18s %s\n", stage, element.what.c_str(),
                    element.verdict.c_str());
      out += line;
    }
  }
  const std::vector<FirstMeeting> meetings = FirstMeetings(mechanics);
  std::snprintf(line, sizeof line, "\nfirst meetings over the %zu orders of play:\n",
                OrdersOfPlay().size());
  out += line;
  for (const FirstMeeting& m : meetings) {
    std::snprintf(line, sizeof line, "%-9s stage %02d on %2d orders, asks also %s, new also %s\n",
                  MechanicName(m.mechanic), m.stage, m.orders, MechanicNames(m.alsoAsks).c_str(),
                  MechanicNames(m.alsoNew).c_str());
    out += line;
  }
  out += "\nrules:\n";
  for (int stage = 0; stage < StMAX; stage++) {
    if (figures[stage].missing) continue;
    const std::vector<std::string> breaks =
        RuleBreaks(stage, figures[stage], necessity[stage], meetings);
    std::string text;
    for (const std::string& b : breaks) text += (text.empty() ? "" : "; ") + b;
    std::snprintf(line, sizeof line, "%02d  %s\n", stage, text.empty() ? "met" : text.c_str());
    out += line;
  }
  return out;
}
