// The progress file's text, five lines:
//   kobako progress 1     the format's version
//   open 0 1 2            the open stages, in order
//   cleared 0             the cleared stages (none: the word alone)
//   cursor 2              the stage the cursor stands on
//   end                   so that a file cut short is seen to be
#include <string>
#include <vector>

#include "platform/progress_file.h"
#include "world/stage_map.h"

namespace {

constexpr int kVersion = 1;
constexpr char kHeader[] = "kobako progress ";

StageProgress Kept;
bool HasKept = false;
// Everything this run has read from the file or written to it: what its reset may remove.
StageProgress Known;

std::vector<std::string> Split(const std::string& text, char at) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(at, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

// Digits only, no leading zero, and not too many for an int.
bool Number(const std::string& word, int* value) {
  if (word.empty() || word.size() > 9 || (word.size() > 1 && word[0] == '0')) return false;
  for (char c : word) {
    if (c < '0' || c > '9') return false;
  }
  *value = std::stoi(word);
  return true;
}

bool Node(const std::string& word, int* node) {
  return Number(word, node) && *node < NODE_COUNT;
}

// "word n n ...": sets the flags of the nodes named; false on another word, a number that is no
// node, or a node named twice.
bool NodeLine(const std::string& line, const char* word, uint8_t flags[NODE_COUNT]) {
  const std::vector<std::string> words = Split(line, ' ');
  if (words[0] != word) return false;
  for (size_t i = 1; i < words.size(); i++) {
    int node = 0;
    if (!Node(words[i], &node) || flags[node]) return false;
    flags[node] = 1;
  }
  return true;
}

bool CursorLine(const std::string& line, int32_t* cursor) {
  const std::vector<std::string> words = Split(line, ' ');
  int node = 0;
  if (words.size() != 2 || words[0] != "cursor" || !Node(words[1], &node)) return false;
  *cursor = node;
  return true;
}

// Flags no play can make: every run has stage 0 open, and only an open stage can be cleared or
// have the cursor on it.
bool Possible(const StageProgress& progress, std::string* why) {
  if (!progress.Open[0]) {
    *why = "damaged: stage 0 is not open";
    return false;
  }
  for (int i = 0; i < NODE_COUNT; i++) {
    if (progress.Cleared[i] && !progress.Open[i]) {
      *why = "damaged: stage " + std::to_string(i) + " is cleared but not open";
      return false;
    }
  }
  if (!progress.Open[progress.Cursor]) {
    *why = "damaged: the cursor stands on a stage that is not open";
    return false;
  }
  return true;
}

enum class Verdict { kRead, kNewer, kDamaged };

Verdict Parse(const std::string& text, StageProgress* progress, std::string* why) {
  const std::vector<std::string> lines = Split(text, '\n');
  const size_t headerSize = sizeof kHeader - 1;
  if (lines[0].compare(0, headerSize, kHeader) != 0) {
    *why = "not a kobako progress file";
    return Verdict::kDamaged;
  }
  int version = 0;
  const bool versioned = Number(lines[0].substr(headerSize), &version) && version > 0;
  if (versioned && version > kVersion) {
    *why = "from a newer kobako (progress version " + std::to_string(version) + ")";
    return Verdict::kNewer;
  }
  StageProgress read = {};
  int bad = 0;  // the first line that is not as written, or 0
  if (!versioned) {
    bad = 1;
  } else if (lines.size() < 2 || !NodeLine(lines[1], "open", read.Open)) {
    bad = 2;
  } else if (lines.size() < 3 || !NodeLine(lines[2], "cleared", read.Cleared)) {
    bad = 3;
  } else if (lines.size() < 4 || !CursorLine(lines[3], &read.Cursor)) {
    bad = 4;
  } else if (lines.size() < 6 || lines[4] != "end") {
    bad = 5;
  } else if (lines.size() > 6 || !lines[5].empty()) {
    bad = 6;  // anything after the end line's line end
  }
  if (bad != 0) {
    *why = "damaged at line " + std::to_string(bad);
    return Verdict::kDamaged;
  }
  if (!Possible(read, why)) return Verdict::kDamaged;
  *progress = read;
  return Verdict::kRead;
}

// The map as it stands.
StageProgress Current() {
  StageProgress progress = {};
  for (int i = 0; i < NODE_COUNT; i++) {
    // A stage played straight from kobako-headless --stage need not be open; cleared, it is.
    progress.Open[i] = StageNodes[i].Open || StageNodes[i].Cleared;
    progress.Cleared[i] = StageNodes[i].Cleared;
  }
  progress.Cursor = SelectCursor;
  return progress;
}

std::string Text(const StageProgress& progress) {
  std::string open = "open", cleared = "cleared";
  for (int i = 0; i < NODE_COUNT; i++) {
    const std::string number = " " + std::to_string(i);
    if (progress.Open[i]) open += number;
    if (progress.Cleared[i]) cleared += number;
  }
  return kHeader + std::to_string(kVersion) + "\n" + open + "\n" + cleared + "\ncursor " +
         std::to_string(progress.Cursor) + "\nend\n";
}

// Adds the opens and clears of `more` to *progress.
void Merge(StageProgress* progress, const StageProgress& more) {
  for (int i = 0; i < NODE_COUNT; i++) {
    progress->Open[i] |= more.Open[i];
    progress->Cleared[i] |= more.Cleared[i];
  }
}

// True when `part` opens and clears nothing that `whole` does not.
bool Within(const StageProgress& part, const StageProgress& whole) {
  for (int i = 0; i < NODE_COUNT; i++) {
    if ((part.Open[i] && !whole.Open[i]) || (part.Cleared[i] && !whole.Cleared[i])) return false;
  }
  return true;
}

}  // namespace

std::string ProgressText() {
  return Text(Current());
}

bool ParseProgress(const std::string& text, StageProgress* progress, std::string* why) {
  return Parse(text, progress, why) == Verdict::kRead;
}

void ReadProgress() {
  HasKept = false;
  Known = {};
  std::string text, why;
  if (!ReadProgressFile(&text)) return;
  if (!ParseProgress(text, &Kept, &why)) {
    ReportProgressFile(why + "; starting afresh");
    return;
  }
  HasKept = true;
  Known = Kept;
}

void RestoreProgress() {
  if (!HasKept) return;
  HasKept = false;
  for (int i = 0; i < NODE_COUNT; i++) {
    StageNodes[i].Open = Kept.Open[i];
    StageNodes[i].Cleared = Kept.Cleared[i];
  }
  SelectCursor = Kept.Cursor;
}

void SaveProgress() {
  SaveProgressFile([](const std::string* kept, ProgressAside* aside) {
    StageProgress saved = Current();
    StageProgress onDisk;
    std::string why;
    const Verdict verdict = kept == nullptr ? Verdict::kRead : Parse(*kept, &onDisk, &why);
    if (verdict != Verdict::kRead) {
      *aside = {verdict == Verdict::kNewer ? "newer" : "damaged", why};
    } else if (kept != nullptr) {
      // Another copy of the game may have saved since: its clears stay, the cursor is ours.
      Merge(&saved, onDisk);
    }
    Merge(&Known, saved);
    return Text(saved);
  });
}

void ResetProgress() {
  HasKept = false;
  // Only a file of this version that holds nothing this run has not read, written or played:
  // another copy's clears since then stay.
  StageProgress ours = Current();
  Merge(&ours, Known);
  RemoveProgressFile([&ours](const std::string& kept) {
    StageProgress onDisk;
    std::string why;
    return Parse(kept, &onDisk, &why) == Verdict::kRead && Within(onDisk, ours);
  });
  Known = {};
}
