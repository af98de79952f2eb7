#include "platform/random.h"

#include <cstdint>

namespace {

// Each thread draws its own sequence: the hint's search never moves the game's on.
__thread uint32_t randState = 1;

}  // namespace

void Srand(unsigned seed) {
  randState = seed;
}

int Rand() {
  randState = randState * 214013u + 2531011u;
  return static_cast<int>((randState >> 16) & 0x7FFF);
}
