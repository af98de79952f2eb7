#include "tools/tunegen/midi_writer.h"

#include <algorithm>

namespace {

void Append32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

void AppendVarLen(std::vector<uint8_t>& out, uint32_t value) {
  uint8_t groups[5];
  int count = 0;
  do {
    groups[count++] = value & 0x7F;
    value >>= 7;
  } while (value != 0);
  while (count > 1) out.push_back(static_cast<uint8_t>(groups[--count] | 0x80));
  out.push_back(groups[0]);
}

void MidiTrack::Meta(uint8_t type, const std::vector<uint8_t>& data) {
  MidiEvent event{0, 1, {0xFF, type}};
  AppendVarLen(event.bytes, static_cast<uint32_t>(data.size()));
  event.bytes.insert(event.bytes.end(), data.begin(), data.end());
  events_.push_back(event);
}

void MidiTrack::Name(const std::string& name) {
  Meta(0x03, {name.begin(), name.end()});
}

void MidiTrack::Tempo(uint32_t micros) {
  Meta(0x51, {static_cast<uint8_t>(micros >> 16), static_cast<uint8_t>(micros >> 8),
              static_cast<uint8_t>(micros)});
}

void MidiTrack::TimeSignature(int numerator, int denominatorPower) {
  Meta(0x58, {static_cast<uint8_t>(numerator), static_cast<uint8_t>(denominatorPower), 24, 8});
}

void MidiTrack::Program(int channel, int program) {
  events_.push_back({0, 1, {static_cast<uint8_t>(0xC0 | channel), static_cast<uint8_t>(program)}});
}

void MidiTrack::Controller(int channel, int controller, int value) {
  events_.push_back({0,
                     1,
                     {static_cast<uint8_t>(0xB0 | channel), static_cast<uint8_t>(controller),
                      static_cast<uint8_t>(value)}});
}

void MidiTrack::Note(int channel, uint32_t tick, uint32_t length, int pitch, int velocity) {
  uint8_t status = static_cast<uint8_t>(channel);
  events_.push_back({tick,
                     1,
                     {static_cast<uint8_t>(0x90 | status), static_cast<uint8_t>(pitch),
                      static_cast<uint8_t>(velocity)}});
  events_.push_back(
      {tick + length, 0, {static_cast<uint8_t>(0x80 | status), static_cast<uint8_t>(pitch), 64}});
}

std::vector<uint8_t> MidiTrack::Chunk() const {
  std::vector<MidiEvent> sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const MidiEvent& a, const MidiEvent& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<uint8_t> body;
  uint32_t now = 0;
  for (const MidiEvent& event : sorted) {
    AppendVarLen(body, event.tick - now);
    now = event.tick;
    body.insert(body.end(), event.bytes.begin(), event.bytes.end());
  }
  AppendVarLen(body, end_ > now ? end_ - now : 0);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});

  std::vector<uint8_t> chunk = {'M', 'T', 'r', 'k'};
  Append32(chunk, static_cast<uint32_t>(body.size()));
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

std::vector<uint8_t> MidiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter) {
  std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  out.push_back(static_cast<uint8_t>(tracks.size() >> 8));
  out.push_back(static_cast<uint8_t>(tracks.size()));
  out.push_back(static_cast<uint8_t>(ticksPerQuarter >> 8));
  out.push_back(static_cast<uint8_t>(ticksPerQuarter));
  for (const MidiTrack& track : tracks) {
    std::vector<uint8_t> chunk = track.Chunk();
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}
