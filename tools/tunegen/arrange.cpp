#include <cctype>
#include <cstdint>
#include <sstream>

#include "tools/tunegen/composition.h"

namespace {

constexpr uint32_t kEighth = kTicksPerQuarter / 2;
constexpr uint32_t kBar = kEighth * kEighthsPerBar;

// General MIDI programs (numbered from 0) and drum keys.
constexpr int kFlute = 73;
constexpr int kPiano = 0;
constexpr int kFingerBass = 33;
constexpr int kStrings = 48;
constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kCrash = 49;
constexpr int kLowTom = 45, kMidTom = 47, kHighTom = 50;

void Setup(MidiTrack& track, const char* name, int channel, int program, int volume, int pan) {
  track.Name(name);
  if (program >= 0) track.Program(channel, program);
  track.Controller(channel, 7, volume);
  track.Controller(channel, 10, pan);
  track.Controller(channel, 91, 40);  // a little reverb
}

void Melody(MidiTrack& track, const Bar& bar, uint32_t start) {
  std::istringstream notes(bar.melody);
  std::string item;
  uint32_t at = start;
  while (notes >> item) {
    size_t colon = item.find(':');
    uint32_t length = static_cast<uint32_t>(std::stoi(item.substr(colon + 1))) * kEighth;
    int pitch = NotePitch(item.substr(0, colon));
    // Slightly detached, as a flute tongues a march.
    if (pitch >= 0) track.Note(MELODY_CHANNEL, at, length - kEighth / 4, pitch, 100);
    at += length;
  }
}

// Off-beat piano chords, one on the "and" of every beat.
void Chords(MidiTrack& track, const Bar& bar, uint32_t start) {
  for (int beat = 0; beat < 4; beat++) {
    const std::string& symbol = bar.chords[bar.chords.size() == 1 ? 0 : beat / 2];
    for (int pitch : ChordPitches(symbol)) {
      track.Note(CHORD_CHANNEL, start + beat * 2 * kEighth + kEighth, kEighth - 20, pitch, 68);
    }
  }
}

// Root and fifth on the beats, the octave on the third beat of a whole-bar chord.
void Bass(MidiTrack& track, const Bar& bar, uint32_t start) {
  for (int beat = 0; beat < 4; beat++) {
    bool split = bar.chords.size() > 1;
    int root = ChordRoot(bar.chords[split ? beat / 2 : 0]);
    if (root < 0) continue;
    int pitch = root;
    if (beat % 2 == 1) pitch = root + 7;
    if (!split && beat == 2) pitch = root + 12;
    track.Note(BASS_CHANNEL, start + beat * 2 * kEighth, 2 * kEighth - 30, pitch, 92);
  }
}

// Held chords under the repeats, one per chord of the bar.
void Strings(MidiTrack& track, const Bar& bar, uint32_t start) {
  if (!bar.strings) return;
  uint32_t length = kBar / static_cast<uint32_t>(bar.chords.size());
  for (size_t i = 0; i < bar.chords.size(); i++) {
    for (int pitch : ChordPitches(bar.chords[i])) {
      track.Note(PAD_CHANNEL, start + static_cast<uint32_t>(i) * length, length - 10, pitch, 52);
    }
  }
}

void Drums(MidiTrack& track, const Bar& bar, uint32_t start) {
  if (bar.crash) track.Note(DRUM_CHANNEL, start, kEighth, kCrash, 96);
  if (bar.fill) {
    // First half as usual, then toms and snare down to the next downbeat.
    track.Note(DRUM_CHANNEL, start, kEighth, kKick, 100);
    track.Note(DRUM_CHANNEL, start + 2 * kEighth, kEighth, kSnare, 90);
    const int toms[8] = {kSnare, kSnare, kHighTom, kHighTom, kMidTom, kMidTom, kLowTom, kLowTom};
    for (int i = 0; i < 8; i++) {
      track.Note(DRUM_CHANNEL, start + kBar / 2 + i * kEighth / 2, kEighth / 2, toms[i],
                 70 + i * 4);
    }
    return;
  }
  for (int eighth = 0; eighth < kEighthsPerBar; eighth++) {
    uint32_t at = start + eighth * kEighth;
    track.Note(DRUM_CHANNEL, at, kEighth / 2, kClosedHat, eighth % 2 == 0 ? 64 : 48);
    if (eighth == 0 || eighth == 4 || eighth == 5)
      track.Note(DRUM_CHANNEL, at, kEighth, kKick, 100);
    if (eighth == 2 || eighth == 6) track.Note(DRUM_CHANNEL, at, kEighth, kSnare, 88);
  }
}

}  // namespace

int NotePitch(const std::string& name) {
  static const int kSteps[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.size() < 2) return -1;
  char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  if (letter < 'A' || letter > 'G') return -1;
  int pitch = kSteps[letter - 'A'];
  size_t pos = 1;
  if (name[pos] == '#')
    pitch++, pos++;
  else if (name[pos] == 'b')
    pitch--, pos++;
  if (pos + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[pos]))) return -1;
  return pitch + 12 * (name[pos] - '0' + 1);
}

std::vector<int> ChordPitches(const std::string& symbol) {
  // Close voicings around middle C, so that changes move by small steps.
  struct Voicing {
    const char* symbol;
    std::vector<int> pitches;
  };
  static const Voicing kVoicings[] = {
      {"C", {60, 64, 67}}, {"Dm", {57, 62, 65}},     {"Em", {59, 64, 67}}, {"F", {57, 60, 65}},
      {"G", {59, 62, 67}}, {"G7", {59, 62, 65, 67}}, {"Am", {57, 60, 64}},
  };
  for (const Voicing& voicing : kVoicings) {
    if (symbol == voicing.symbol) return voicing.pitches;
  }
  return {};
}

int ChordRoot(const std::string& symbol) {
  if (ChordPitches(symbol).empty()) return -1;
  // The letter names the root; the bass plays it from C2 up to B2.
  return NotePitch(symbol.substr(0, 1) + "2");
}

std::vector<MidiTrack> ArrangeTune(const std::vector<Bar>& score) {
  std::vector<MidiTrack> tracks(6);
  uint32_t length = static_cast<uint32_t>(score.size()) * kBar;
  tracks[0].Name("kobako");
  tracks[0].Tempo(60000000u / kBeatsPerMinute);
  tracks[0].TimeSignature(4, 2);
  Setup(tracks[1], "flute", MELODY_CHANNEL, kFlute, 104, 64);
  Setup(tracks[2], "piano", CHORD_CHANNEL, kPiano, 80, 44);
  Setup(tracks[3], "bass", BASS_CHANNEL, kFingerBass, 100, 64);
  Setup(tracks[4], "strings", PAD_CHANNEL, kStrings, 70, 84);
  Setup(tracks[5], "drums", DRUM_CHANNEL, -1, 90, 72);
  for (size_t i = 0; i < score.size(); i++) {
    uint32_t start = static_cast<uint32_t>(i) * kBar;
    Melody(tracks[1], score[i], start);
    Chords(tracks[2], score[i], start);
    Bass(tracks[3], score[i], start);
    Strings(tracks[4], score[i], start);
    Drums(tracks[5], score[i], start);
  }
  for (MidiTrack& track : tracks) track.End(length);
  return tracks;
}
