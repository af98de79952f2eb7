// The game's own rand(): the same sequence for a seed on every machine, so a seed is one game.
#include <chrono>

#include "platform/win.h"

namespace {

uint32_t randState = 1;

const std::chrono::steady_clock::time_point& ProgramStart() {
  static const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
  return start;
}

// Starts the clock when the program loads, not at the first call.
[[maybe_unused]] const bool startNoted = (ProgramStart(), true);

}  // namespace

void Srand(unsigned seed) {
  randState = seed;
}

int Rand() {
  randState = randState * 214013u + 2531011u;
  return static_cast<int>((randState >> 16) & 0x7FFF);
}

long ProgramClock() {
  const auto elapsed = std::chrono::steady_clock::now() - ProgramStart();
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}
