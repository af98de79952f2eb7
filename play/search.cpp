#include "play/search.h"

#include <algorithm>
#include <memory>

#include "play/movement.h"
#include "play/stage_state.h"
#include "play/world_state.h"
#include "world/world.h"

namespace {

void Frame(const PlayKeys& keys, int& spaceHeld, std::vector<PlayKeys>* frames) {
  int shiftHeld = 0;
  PlayFrameUpdate(keys, spaceHeld, shiftHeld);
  if (frames) frames->push_back(keys);
}

// The states seen, each kept as its difference from the first: a varint length, then for every
// byte that differs the count of equal bytes before it (255 skips 255 bytes and says no more) and
// the byte xor the first state's. Most states differ in a few bytes, so a state costs some tens
// of bytes here and 13 more in the tables. The arena grows in chunks, never copied.
class StateStore {
 public:
  explicit StateStore(std::string root) : root_(std::move(root)), table_(1u << 12, -1) {}

  // The index of packed, or -1 when it has not been seen; leaves its encoding ready for Add.
  int32_t Find(const std::string& packed) {
    Encode(packed);
    const size_t mask = table_.size() - 1;
    for (size_t slot = Hash() & mask;; slot = (slot + 1) & mask) {
      const int32_t index = table_[slot];
      if (index < 0) {
        freeSlot_ = slot;
        return -1;
      }
      if (Equal(index)) return index;
    }
  }

  // Keeps the state last passed to Find, which was not there.
  void Add(int32_t parent, uint8_t via) {
    if (chunks_.empty() || used_ + scratch_.size() > kChunk) {
      chunks_.emplace_back(new uint8_t[kChunk]);
      used_ = 0;
    }
    const uint64_t at = (chunks_.size() - 1) * kChunk + used_;
    std::copy(scratch_.begin(), scratch_.end(), chunks_.back().get() + used_);
    used_ += scratch_.size();
    const int32_t index = static_cast<int32_t>(starts_.size());
    starts_.push_back(static_cast<uint32_t>(at));
    sizes_.push_back(static_cast<uint16_t>(scratch_.size()));
    parent_.push_back(parent);
    via_.push_back(via);
    table_[freeSlot_] = index;
    if (starts_.size() * 2 > table_.size()) Grow();
  }

  std::string Decode(int32_t index) const {
    const uint8_t* p = Record(index);
    const uint8_t* end = p + sizes_[index];
    size_t length = 0;
    for (int shift = 0;; shift += 7) {
      length |= static_cast<size_t>(*p & 0x7F) << shift;
      if ((*p++ & 0x80) == 0) break;
    }
    std::string out = root_;
    out.resize(length, '\0');
    size_t pos = 0;
    while (p < end) {
      const uint8_t gap = *p++;
      pos += gap;
      if (gap == 255) continue;
      out[pos] =
          static_cast<char>(static_cast<uint8_t>(pos < root_.size() ? root_[pos] : 0) ^ *p++);
      pos++;
    }
    return out;
  }

  size_t Count() const { return starts_.size(); }
  int32_t Parent(int32_t index) const { return parent_[index]; }
  int Via(int32_t index) const { return via_[index]; }
  // What the store may hold while it next grows: the new table beside the old one, or a list's
  // new block beside its old one.
  size_t PeakBytes() const { return Bytes() + table_.size() * 8 + kChunk + starts_.capacity() * 4; }
  size_t Bytes() const {
    return chunks_.size() * kChunk + starts_.capacity() * 4 + sizes_.capacity() * 2 +
           parent_.capacity() * 4 + via_.capacity() + table_.capacity() * 4 + root_.size();
  }

 private:
  static constexpr size_t kChunk = 1u << 20;

  void Encode(const std::string& packed) {
    scratch_.clear();
    for (size_t n = packed.size();; n >>= 7) {
      scratch_.push_back(static_cast<uint8_t>((n & 0x7F) | (n >= 0x80 ? 0x80 : 0)));
      if (n < 0x80) break;
    }
    size_t gap = 0;
    for (size_t i = 0; i < packed.size(); i++) {
      const uint8_t base = i < root_.size() ? static_cast<uint8_t>(root_[i]) : 0;
      const uint8_t diff = static_cast<uint8_t>(packed[i]) ^ base;
      if (diff == 0) {
        gap++;
        continue;
      }
      for (; gap >= 255; gap -= 255) scratch_.push_back(255);
      scratch_.push_back(static_cast<uint8_t>(gap));
      scratch_.push_back(diff);
      gap = 0;
    }
  }

  uint64_t Hash() const { return HashOf(scratch_.data(), scratch_.size()); }
  static uint64_t HashOf(const uint8_t* p, size_t n) {
    uint64_t h = 1469598103934665603ull;
    for (size_t i = 0; i < n; i++) h = (h ^ p[i]) * 1099511628211ull;
    return h ^ (h >> 29);
  }

  const uint8_t* Record(int32_t index) const {
    const uint64_t at = starts_[index];
    return chunks_[at / kChunk].get() + at % kChunk;
  }

  bool Equal(int32_t index) const {
    return sizes_[index] == scratch_.size() &&
           std::equal(scratch_.begin(), scratch_.end(), Record(index));
  }

  void Grow() {
    std::vector<int32_t> bigger(table_.size() * 2, -1);
    const size_t mask = bigger.size() - 1;
    for (int32_t index = 0; index < static_cast<int32_t>(starts_.size()); index++) {
      size_t slot = HashOf(Record(index), sizes_[index]) & mask;
      while (bigger[slot] >= 0) slot = (slot + 1) & mask;
      bigger[slot] = index;
    }
    table_.swap(bigger);
  }

  std::string root_;
  std::vector<std::unique_ptr<uint8_t[]>> chunks_;
  size_t used_ = 0;
  std::vector<uint32_t> starts_;
  std::vector<uint16_t> sizes_;
  std::vector<int32_t> parent_;
  std::vector<uint8_t> via_;
  std::vector<int32_t> table_;
  std::vector<uint8_t> scratch_;
  size_t freeSlot_ = 0;
};

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

SearchResult SearchFrom(const std::string& start, const SearchLimits& limits) {
  SearchResult result;
  StateStore store(start);
  store.Find(start);
  store.Add(-1, 0);

  int32_t goalParent = -1;
  int goalAction = 0;
  bool dropped = false;
  bool stopped = false;
  for (int32_t head = 0; head < static_cast<int32_t>(store.Count()) && goalParent < 0; head++) {
    if ((limits.cancel && limits.cancel->load(std::memory_order_relaxed)) ||
        store.PeakBytes() > limits.maxBytes) {
      stopped = true;
      break;
    }
    const std::string from = store.Decode(head);
    for (int action = 0; action < ACTION_COUNT; action++) {
      UnpackWorld(from);
      int held = 0;
      if (!RunAction(action, held, nullptr)) continue;
      if (StageClear != 0) {
        goalParent = head;
        goalAction = action;
        break;
      }
      if (store.Find(PackWorld()) >= 0) continue;
      if (store.Count() >= limits.maxStates) {
        dropped = true;
        continue;
      }
      store.Add(head, static_cast<uint8_t>(action));
      if (store.PeakBytes() > limits.maxBytes) {
        stopped = true;
        break;
      }
    }
    if (stopped) break;
  }

  if (goalParent >= 0) {
    result.solvable = true;
    result.actions.push_back(goalAction);
    result.path.push_back(store.Decode(goalParent));
    for (int32_t n = goalParent; store.Parent(n) >= 0; n = store.Parent(n)) {
      result.actions.push_back(store.Via(n));
      result.path.push_back(store.Decode(store.Parent(n)));
    }
    std::reverse(result.actions.begin(), result.actions.end());
    std::reverse(result.path.begin(), result.path.end());
  }
  result.complete = goalParent >= 0 || (!dropped && !stopped);
  result.states = store.Count();
  result.bytes = store.Bytes();
  return result;
}

StateGraph ExploreFrom(const std::string& start, const SearchLimits& limits) {
  StateGraph graph;
  StateStore store(start);
  store.Find(start);
  store.Add(-1, 0);
  graph.depth.push_back(0);
  bool dropped = false;
  std::vector<PlayKeys> frames;
  TilePoint before[ITEM_CAPACITY];
  for (int32_t head = 0; head < static_cast<int32_t>(store.Count()); head++) {
    const std::string from = store.Decode(head);
    for (int action = 0; action < ACTION_COUNT; action++) {
      UnpackWorld(from);
      const int items = BMAX;
      for (int i = 0; i < items; i++) before[i] = Items[i].TilePt;
      Move move;
      move.kind = action == ACTION_SPACE ? MOVE_OPEN : MOVE_WALK;
      frames.clear();
      int held = 0;
      const bool rests = RunAction(action, held, &frames);
      move.frames = static_cast<uint16_t>(std::min<size_t>(frames.size(), UINT16_MAX));
      if (rests && StageClear != 0) {
        move.to = kMoveWins;
      } else if (rests) {
        for (int i = 0; action != ACTION_SPACE && i < items && i < BMAX; i++) {
          if (ItemKind(Items[i]) != kMovable ||
              (Items[i].TilePt.x == before[i].x && Items[i].TilePt.y == before[i].y)) {
            continue;
          }
          move.kind = MOVE_PUSH;
          for (int j = 0; j < BMAX; j++) {
            if (j != i && Items[j].Item != 0 && Items[j].TilePt.x == Items[i].TilePt.x &&
                Items[j].TilePt.y == Items[i].TilePt.y) {
              move.onto = static_cast<int8_t>(ItemKind(Items[j]));
            }
          }
        }
        const std::string packed = PackWorld();
        int32_t to = store.Find(packed);
        if (to < 0 && store.Count() < limits.maxStates) {
          to = static_cast<int32_t>(store.Count());
          store.Add(head, static_cast<uint8_t>(action));
          graph.depth.push_back(graph.depth[head] + 1);
        } else if (to < 0) {
          dropped = true;
        }
        move.to = to == head ? kMoveIdle : to;
      }
      graph.moves.push_back(move);
    }
  }
  graph.complete = !dropped;
  return graph;
}
