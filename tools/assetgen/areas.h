// The ten areas of the stages: each has its own palette for floors, items and background.
#pragma once
#include "tools/assetgen/raster.h"

namespace assetgen {

enum class Floor { kGrass, kMoss, kSand, kSnow, kDune, kRock, kSlab, kBasalt, kCloud, kChecker };
enum class Tree {
  kRound,
  kConifer,
  kPalm,
  kSnowPine,
  kCactus,
  kStalagmite,
  kPillar,
  kDead,
  kCloud,
  kTorch
};

struct AreaLook {
  Floor floor;
  Tree tree;
  Rgb ground, ground2, speck;  // top face, its texture, small details
  Rgb soil, soilDark;          // the tile's sides
  Rgb hedge, flower;
  Rgb rock;
  Rgb foliage, trunk;
  Rgb block;
  bool pot;  // clay pots instead of barrels
};

// 0 meadow, 1 forest, 2 beach, 3 snowfield, 4 desert, 5 cave, 6 castle, 7 volcano, 8 sky,
// 9 the demon lord's castle.
const AreaLook& AreaOf(int area);

}  // namespace assetgen
