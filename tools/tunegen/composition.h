// The game's tune: a bright march in C major for flute, piano, bass and drums. Intro, a tune
// played twice, a middle part, the tune again, and a turnaround that ends on the dominant
// seventh so that the restart from the beginning resolves it.
#pragma once
#include <string>
#include <vector>

#include "tools/tunegen/midi_writer.h"

constexpr int kTicksPerQuarter = 480;
constexpr int kBeatsPerMinute = 132;
constexpr int kEighthsPerBar = 8;

// Channels: flute melody, piano chords, bass, strings, and the General MIDI drum channel (10).
enum TuneChannel {
  MELODY_CHANNEL = 0,
  CHORD_CHANNEL = 1,
  BASS_CHANNEL = 2,
  PAD_CHANNEL = 3,
  DRUM_CHANNEL = 9
};

struct Bar {
  std::vector<std::string> chords;  // one per half bar, or one for the whole bar
  std::string melody;               // "E5:2 G5:2 r:1 ...": pitch and length in eighths
  bool crash = false;               // a section starts here
  bool fill = false;                // a drum fill leads into the next section
  bool strings = false;             // held string chords join in (the repeats build up)
};

// MIDI note number of a name such as "C4" (60), "F#3" or "Bb5"; -1 for anything else.
int NotePitch(const std::string& name);
// Pitches of a chord symbol ("C", "Am", "G7", ...), low to high; empty when unknown.
std::vector<int> ChordPitches(const std::string& symbol);
// The bass note of a chord symbol, from C2 (36) to B2; -1 when unknown.
int ChordRoot(const std::string& symbol);

std::vector<Bar> TuneScore();
// Track 0 holds the tempo and metre; then melody, chords, bass, strings and drums, a track each.
std::vector<MidiTrack> ArrangeTune(const std::vector<Bar>& score);
