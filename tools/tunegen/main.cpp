// kobako-tunegen OUTFILE: composes the game's tune and writes it as a Standard MIDI File.
#include <cstdio>
#include <fstream>

#include "tools/tunegen/composition.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kobako-tunegen OUTFILE.mid\n");
    return 2;
  }
  std::vector<uint8_t> bytes = MidiFile(ArrangeTune(TuneScore()), kTicksPerQuarter);
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
