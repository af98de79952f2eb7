#include "tests/support/midi_writer.h"

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

// Variable-length quantity as MIDI delta times are written.
void PutDelta(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t bytes[4];
  int n = 0;
  do {
    bytes[n++] = v & 0x7F;
    v >>= 7;
  } while (v != 0);
  while (n > 1) out.push_back(static_cast<uint8_t>(bytes[--n] | 0x80));
  out.push_back(bytes[0]);
}

}  // namespace

std::vector<uint8_t> MakeOneNoteMidi(int milliseconds) {
  // 1000 ticks per quarter at the default 500,000 us per quarter: one tick is half a ms.
  std::vector<uint8_t> track;
  PutDelta(track, 0);
  track.insert(track.end(), {0x90, 60, 100});
  PutDelta(track, static_cast<uint32_t>(milliseconds) * 2);
  track.insert(track.end(), {0x80, 60, 0});
  PutDelta(track, 0);
  track.insert(track.end(), {0xFF, 0x2F, 0x00});

  std::vector<uint8_t> file = {'M', 'T', 'h', 'd'};
  Put32(file, 6);
  file.insert(file.end(), {0, 0, 0, 1, 0x03, 0xE8});
  file.insert(file.end(), {'M', 'T', 'r', 'k'});
  Put32(file, static_cast<uint32_t>(track.size()));
  file.insert(file.end(), track.begin(), track.end());
  return file;
}
