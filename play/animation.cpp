#include "play/animation.h"

#include "world/world.h"

namespace {

// The picture column shown in each quarter of the cycle.
constexpr int AnimeTable[4] = {0, 1, 0, 2};

// Six frames per picture, 24 frames per cycle.
void Step(int& anime, int& counter) {
  if (counter < 0 || counter > 23) counter = 0;  // never outside the table
  anime = AnimeTable[counter / 6];
  counter++;
  if (counter > 23) counter -= 24;
}

}  // namespace

void StepAnimation() {
  Step(Chara.Anime, Chara.AnimeCnt);
  for (int i = 0; i < VMAX; i++) {
    if (Vills[i].State == 1) Step(Vills[i].Anime, Vills[i].AnimeCnt);
  }
}
