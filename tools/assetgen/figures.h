// The people (and the dog and the monster) of the game as 64 x 64 sprites: standing with their
// feet near y 50..58 and centred near x 34, in four facings and three walking frames.
#pragma once
#include "tools/assetgen/raster.h"
#include "world/kinds.h"

namespace assetgen {

enum class Who {
  kHero,
  kSister,
  kGrandfather,
  kAngel,
  kGirl,
  kDemonLord,
  kVillageMan,
  kVillageWoman,
  kDog,
  kMonster,
  kDemonCaptured,  // the demon lord tied up, for the pictures after the capture
};

// frame: 0 standing, 1 and 2 the two steps.
Canvas DrawFigure(Who who, int facing, int frame);

// Pieces shared by the figure painters.
namespace figure {
constexpr int kCx = 34;
Canvas DrawPerson(Who who, int facing, int frame);
Canvas DrawDog(int facing, int frame);
}  // namespace figure

}  // namespace assetgen
