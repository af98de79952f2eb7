#include "tools/tunegen/composition.h"

namespace {

Bar B(std::vector<std::string> chords, std::string melody) {
  Bar bar;
  bar.chords = std::move(chords);
  bar.melody = std::move(melody);
  return bar;
}

void Append(std::vector<Bar>& score, std::vector<Bar> section, bool fillAtEnd,
            bool strings = false) {
  section.front().crash = true;
  section.back().fill = fillAtEnd;
  for (Bar& bar : section) bar.strings = strings;
  score.insert(score.end(), section.begin(), section.end());
}

}  // namespace

std::vector<Bar> TuneScore() {
  std::vector<Bar> score;
  // Intro: a rising fanfare over I - IV - V.
  Append(score,
         {B({"C"}, "G4:1 C5:1 E5:1 G5:1 C6:4"), B({"F"}, "A5:1 G5:1 F5:1 A5:1 C6:4"),
          B({"G"}, "B5:1 A5:1 G5:1 B5:1 D6:4"), B({"G7"}, "D6:2 B5:2 G5:2 F5:2")},
         true);
  // The tune.
  Append(score,
         {B({"C"}, "E5:2 G5:2 C6:2 G5:2"), B({"Am"}, "A5:3 G5:1 E5:2 C5:2"),
          B({"F"}, "F5:2 A5:2 C6:2 A5:2"), B({"G"}, "G5:4 D5:2 G5:2"),
          B({"C"}, "E5:2 G5:2 C6:2 E6:2"), B({"Am"}, "D6:3 C6:1 A5:2 E5:2"),
          B({"Dm", "G"}, "F5:2 A5:2 G5:2 B4:2"), B({"C"}, "C5:6 r:2")},
         false);
  // The tune, answered an octave's reach higher.
  Append(score,
         {B({"C"}, "C6:2 B5:1 A5:1 G5:2 E5:2"), B({"Am"}, "A5:2 C6:2 E6:2 C6:2"),
          B({"F"}, "D6:2 C6:2 A5:2 F5:2"), B({"G"}, "G5:2 B5:2 D6:2 B5:2"),
          B({"C"}, "C6:2 G5:2 E5:2 G5:2"), B({"Am"}, "A5:2 E5:2 A5:2 C6:2"),
          B({"Dm", "G"}, "D6:2 C6:2 B5:2 D6:2"), B({"C"}, "C6:8")},
         true, true);
  // Middle part: IV - V - iii - vi, then back through ii and V.
  Append(score,
         {B({"F"}, "A5:2 A5:1 B5:1 C6:4"), B({"G"}, "B5:2 B5:1 C6:1 D6:4"),
          B({"Em"}, "G5:2 B5:2 E6:4"), B({"Am"}, "C6:2 B5:1 A5:1 E5:4"),
          B({"Dm"}, "F5:2 A5:2 D6:2 C6:2"), B({"G"}, "B5:2 A5:2 G5:2 D5:2"),
          B({"F"}, "A5:2 C6:2 F5:2 A5:2"), B({"G7"}, "G5:2 F5:2 D5:2 B4:2")},
         true, true);
  // The tune once more.
  Append(score,
         {B({"C"}, "E5:2 G5:2 C6:2 G5:2"), B({"Am"}, "A5:3 G5:1 E5:2 C5:2"),
          B({"F"}, "F5:2 A5:2 C6:2 A5:2"), B({"G"}, "G5:4 D5:2 G5:2"),
          B({"C"}, "E5:2 G5:2 C6:2 E6:2"), B({"Am"}, "D6:3 C6:1 A5:2 E5:2"),
          B({"Dm", "G"}, "F5:2 A5:2 G5:2 B4:2"), B({"C"}, "C5:4 E5:2 G5:2")},
         false, true);
  // Turnaround: it stops on G7, which the intro's C answers when the tune starts again.
  Append(score,
         {B({"F"}, "A5:2 C6:2 A5:2 F5:2"), B({"G"}, "G5:2 B5:2 D6:2 B5:2"),
          B({"Dm", "G"}, "A5:2 F5:2 B5:2 G5:2"), B({"G7"}, "D5:1 E5:1 F5:1 G5:1 A5:1 B5:1 D6:2")},
         true);
  return score;
}
