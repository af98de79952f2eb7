// The tune as a file a sequencer plays: structure, length, channels, and the loop back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <sstream>

#include "tools/tunegen/composition.h"
#include "tools/tunegen/midi_writer.h"

namespace {

struct ParsedNote {
  int channel, pitch;
  uint32_t on, off;
};

struct ParsedFile {
  int format = -1, tracks = 0, division = 0;
  uint32_t tempo = 500000;
  uint32_t lastTick = 0;  // latest end-of-track
  std::vector<ParsedNote> notes;
  std::map<int, int> programs;  // channel -> program
};

uint32_t ReadVarLen(const std::vector<uint8_t>& d, size_t& p) {
  uint32_t value = 0;
  uint8_t byte;
  do {
    byte = d.at(p++);
    value = (value << 7) | (byte & 0x7F);
  } while (byte & 0x80);
  return value;
}

uint32_t Read32(const std::vector<uint8_t>& d, size_t p) {
  return (d.at(p) << 24) | (d.at(p + 1) << 16) | (d.at(p + 2) << 8) | d.at(p + 3);
}

// Reads back what the writer wrote (every event carries its status byte).
ParsedFile Parse(const std::vector<uint8_t>& d) {
  ParsedFile f;
  EXPECT_EQ(std::string(d.begin(), d.begin() + 4), "MThd");
  f.format = (d[8] << 8) | d[9];
  f.tracks = (d[10] << 8) | d[11];
  f.division = (d[12] << 8) | d[13];
  size_t p = 14;
  for (int t = 0; t < f.tracks; t++) {
    EXPECT_EQ(std::string(d.begin() + p, d.begin() + p + 4), "MTrk");
    size_t end = p + 8 + Read32(d, p + 4);
    p += 8;
    uint32_t tick = 0;
    std::map<std::pair<int, int>, uint32_t> sounding;
    while (p < end) {
      tick += ReadVarLen(d, p);
      uint8_t status = d.at(p++);
      if (status == 0xFF) {
        uint8_t type = d.at(p++);
        uint32_t len = ReadVarLen(d, p);
        if (type == 0x51) f.tempo = (d[p] << 16) | (d[p + 1] << 8) | d[p + 2];
        if (type == 0x2F) f.lastTick = std::max(f.lastTick, tick);
        p += len;
      } else if ((status & 0xF0) == 0xC0) {
        f.programs[status & 0x0F] = d.at(p++);
      } else if ((status & 0xF0) == 0xB0) {
        p += 2;
      } else if ((status & 0xF0) == 0x90) {
        sounding[{status & 0x0F, d.at(p)}] = tick;
        p += 2;
      } else if ((status & 0xF0) == 0x80) {
        auto key = std::make_pair(status & 0x0F, static_cast<int>(d.at(p)));
        EXPECT_TRUE(sounding.count(key)) << "note-off without note-on";
        f.notes.push_back({key.first, key.second, sounding[key], tick});
        sounding.erase(key);
        p += 2;
      } else {
        ADD_FAILURE() << "unexpected status " << int(status);
        break;
      }
    }
    EXPECT_EQ(p, end);
    EXPECT_TRUE(sounding.empty()) << "notes left sounding in track " << t;
  }
  EXPECT_EQ(p, d.size());
  return f;
}

const ParsedFile& Tune() {
  static ParsedFile file = Parse(MidiFile(ArrangeTune(TuneScore()), kTicksPerQuarter));
  return file;
}

std::set<int> PitchClasses(const std::string& chord) {
  std::set<int> classes;
  for (int pitch : ChordPitches(chord)) classes.insert(pitch % 12);
  return classes;
}

}  // namespace

TEST(MidiWriter, VariableLengthQuantitiesMatchTheFileFormat) {
  const std::pair<uint32_t, std::vector<uint8_t>> cases[] = {
      {0, {0x00}},
      {0x7F, {0x7F}},
      {0x80, {0x81, 0x00}},
      {0x3FFF, {0xFF, 0x7F}},
      {0x100000, {0xC0, 0x80, 0x00}},
      {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}}};
  for (const auto& c : cases) {
    std::vector<uint8_t> out;
    AppendVarLen(out, c.first);
    EXPECT_EQ(out, c.second) << c.first;
  }
}

TEST(MidiWriter, NoteNamesGiveMidiNumbers) {
  EXPECT_EQ(NotePitch("C4"), 60);
  EXPECT_EQ(NotePitch("A4"), 69);
  EXPECT_EQ(NotePitch("F#3"), 54);
  EXPECT_EQ(NotePitch("Bb5"), 82);
  EXPECT_EQ(NotePitch("H4"), -1);
  EXPECT_EQ(NotePitch("C"), -1);
  EXPECT_EQ(NotePitch("C44"), -1);
}

TEST(Tune, IsAFormatOneFileWithMelodyChordsBassStringsAndDrums) {
  const ParsedFile& f = Tune();
  EXPECT_EQ(f.format, 1);
  EXPECT_EQ(f.tracks, 6);
  EXPECT_EQ(f.division, kTicksPerQuarter);
  std::set<int> channels;
  for (const ParsedNote& n : f.notes) channels.insert(n.channel);
  EXPECT_EQ(channels, (std::set<int>{MELODY_CHANNEL, CHORD_CHANNEL, BASS_CHANNEL, PAD_CHANNEL,
                                     DRUM_CHANNEL}));
  EXPECT_EQ(f.programs.size(), 4u) << "the drum channel needs no program";
  EXPECT_FALSE(f.programs.count(DRUM_CHANNEL));
}

TEST(Tune, LastsBetweenOneAndTwoMinutes) {
  const ParsedFile& f = Tune();
  double seconds = f.lastTick / static_cast<double>(f.division) * f.tempo / 1e6;
  EXPECT_GE(seconds, 60.0);
  EXPECT_LE(seconds, 120.0);
}

TEST(Tune, EndsExactlyOnABarLineWithNothingSoundingPastIt) {
  const ParsedFile& f = Tune();
  uint32_t bar = kTicksPerQuarter * 4;
  EXPECT_EQ(f.lastTick % bar, 0u);
  EXPECT_EQ(f.lastTick / bar, TuneScore().size());
  for (const ParsedNote& n : f.notes) EXPECT_LE(n.off, f.lastTick);
}

TEST(Tune, EveryBarIsFullAndEveryNameIsKnown) {
  for (const Bar& bar : TuneScore()) {
    ASSERT_FALSE(bar.chords.empty());
    for (const std::string& chord : bar.chords) EXPECT_FALSE(ChordPitches(chord).empty()) << chord;
    std::istringstream notes(bar.melody);
    std::string item;
    int eighths = 0;
    while (notes >> item) {
      size_t colon = item.find(':');
      ASSERT_NE(colon, std::string::npos) << item;
      std::string name = item.substr(0, colon);
      if (name != "r") {
        EXPECT_GE(NotePitch(name), 0) << item;
      }
      eighths += std::stoi(item.substr(colon + 1));
    }
    EXPECT_EQ(eighths, kEighthsPerBar) << bar.melody;
  }
}

TEST(Tune, RestartResolvesTheClosingDominantToTheOpeningTonic) {
  std::vector<Bar> score = TuneScore();
  EXPECT_EQ(score.front().chords, std::vector<std::string>{"C"});
  EXPECT_EQ(score.back().chords, std::vector<std::string>{"G7"});
  // The melody's last note belongs to G7 and its first to C.
  std::istringstream first(score.front().melody), last(score.back().melody);
  std::string item, lastItem;
  first >> item;
  EXPECT_TRUE(PitchClasses("C").count(NotePitch(item.substr(0, item.find(':'))) % 12));
  while (last >> item) lastItem = item;
  EXPECT_TRUE(PitchClasses("G7").count(NotePitch(lastItem.substr(0, lastItem.find(':'))) % 12));
}

TEST(Tune, StringsJoinOnlyTheRepeats) {
  std::vector<Bar> score = TuneScore();
  uint32_t bar = kTicksPerQuarter * 4;
  uint32_t firstString = UINT32_MAX;
  for (const ParsedNote& n : Tune().notes) {
    if (n.channel == PAD_CHANNEL) firstString = std::min(firstString, n.on);
  }
  // Intro and the first statement of the tune go without them.
  EXPECT_EQ(firstString, 12 * bar);
  EXPECT_FALSE(score.front().strings);
  EXPECT_FALSE(score.back().strings) << "the turnaround thins out before the restart";
}

TEST(Tune, MelodyNotesOnTheBeatBelongToTheirChord) {
  // Passing notes fall between beats; a note struck on a beat sounds with its chord.
  int outsideChord = 0, onBeat = 0;
  for (const Bar& bar : TuneScore()) {
    std::istringstream notes(bar.melody);
    std::string item;
    int at = 0;
    while (notes >> item) {
      size_t colon = item.find(':');
      int pitch = NotePitch(item.substr(0, colon));
      if (pitch >= 0 && at % 2 == 0) {
        const std::string& chord = bar.chords[bar.chords.size() == 1 ? 0 : at / 4];
        onBeat++;
        if (!PitchClasses(chord).count(pitch % 12)) outsideChord++;
      }
      at += std::stoi(item.substr(colon + 1));
    }
  }
  EXPECT_GT(onBeat, 100);
  EXPECT_LE(outsideChord * 10, onBeat) << "at most one struck note in ten outside its chord";
}
