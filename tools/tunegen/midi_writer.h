// Standard MIDI Files (format 1): tracks of timed events, written with running times as
// variable-length quantities.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct MidiEvent {
  uint32_t tick;
  int order;  // among events of the same tick: note-offs (0) before everything else (1)
  std::vector<uint8_t> bytes;
};

class MidiTrack {
 public:
  void Name(const std::string& name);
  void Tempo(uint32_t microsPerQuarter);
  void TimeSignature(int numerator, int denominatorPower);
  void Program(int channel, int program);
  void Controller(int channel, int controller, int value);
  // A note from tick for length ticks.
  void Note(int channel, uint32_t tick, uint32_t length, int pitch, int velocity);
  // The end-of-track mark; the track's length.
  void End(uint32_t tick) { end_ = tick; }

  // The track chunk: "MTrk", its length, and the events in time order.
  std::vector<uint8_t> Chunk() const;
  const std::vector<MidiEvent>& Events() const { return events_; }

 private:
  void Meta(uint8_t type, const std::vector<uint8_t>& data);
  std::vector<MidiEvent> events_;
  uint32_t end_ = 0;
};

// Appends value as a variable-length quantity (seven bits a byte, high bit on all but the last).
void AppendVarLen(std::vector<uint8_t>& out, uint32_t value);

// The whole file: header chunk (format 1, the track count, ticks per quarter) and the tracks.
std::vector<uint8_t> MidiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter);
