#include "tools/assetgen/areas.h"

namespace assetgen {

const AreaLook& AreaOf(int area) {
  static const AreaLook kAreas[] = {
      {Floor::kGrass, Tree::kRound, MakeRgb(108, 188, 72), MakeRgb(84, 160, 56),
       MakeRgb(248, 240, 120), MakeRgb(160, 112, 64), MakeRgb(112, 76, 44), MakeRgb(64, 150, 60),
       MakeRgb(240, 100, 120), MakeRgb(150, 150, 140), MakeRgb(72, 168, 64), MakeRgb(132, 90, 50),
       MakeRgb(190, 140, 80), false},
      {Floor::kMoss, Tree::kConifer, MakeRgb(70, 130, 60), MakeRgb(52, 104, 48),
       MakeRgb(180, 120, 70), MakeRgb(110, 80, 50), MakeRgb(70, 50, 36), MakeRgb(40, 110, 56),
       MakeRgb(250, 230, 250), MakeRgb(120, 130, 110), MakeRgb(40, 120, 64), MakeRgb(104, 70, 44),
       MakeRgb(160, 120, 80), false},
      {Floor::kSand, Tree::kPalm, MakeRgb(240, 220, 160), MakeRgb(224, 200, 140),
       MakeRgb(250, 170, 170), MakeRgb(200, 170, 110), MakeRgb(150, 120, 80), MakeRgb(90, 170, 80),
       MakeRgb(250, 120, 80), MakeRgb(180, 170, 150), MakeRgb(90, 180, 80), MakeRgb(170, 120, 70),
       MakeRgb(200, 170, 120), false},
      {Floor::kSnow, Tree::kSnowPine, MakeRgb(236, 242, 252), MakeRgb(208, 222, 244),
       MakeRgb(160, 200, 250), MakeRgb(150, 190, 230), MakeRgb(100, 140, 190),
       MakeRgb(70, 120, 100), MakeRgb(200, 60, 60), MakeRgb(170, 180, 200), MakeRgb(50, 110, 90),
       MakeRgb(110, 80, 60), MakeRgb(170, 200, 230), false},
      {Floor::kDune, Tree::kCactus, MakeRgb(232, 176, 96), MakeRgb(212, 150, 80),
       MakeRgb(250, 210, 140), MakeRgb(190, 110, 60), MakeRgb(140, 76, 44), MakeRgb(120, 150, 70),
       MakeRgb(250, 90, 160), MakeRgb(200, 140, 90), MakeRgb(90, 160, 80), MakeRgb(150, 100, 60),
       MakeRgb(210, 160, 100), true},
      {Floor::kRock, Tree::kStalagmite, MakeRgb(140, 124, 110), MakeRgb(116, 102, 92),
       MakeRgb(110, 220, 220), MakeRgb(96, 84, 76), MakeRgb(64, 56, 52), MakeRgb(80, 130, 110),
       MakeRgb(120, 240, 230), MakeRgb(130, 116, 104), MakeRgb(150, 136, 120), MakeRgb(110, 96, 84),
       MakeRgb(150, 140, 130), true},
      {Floor::kSlab, Tree::kPillar, MakeRgb(176, 176, 184), MakeRgb(150, 150, 160),
       MakeRgb(200, 60, 60), MakeRgb(130, 126, 136), MakeRgb(90, 88, 100), MakeRgb(60, 130, 70),
       MakeRgb(230, 60, 70), MakeRgb(140, 140, 150), MakeRgb(196, 196, 204), MakeRgb(150, 150, 160),
       MakeRgb(160, 160, 172), false},
      {Floor::kBasalt, Tree::kDead, MakeRgb(84, 68, 72), MakeRgb(64, 52, 56), MakeRgb(250, 120, 40),
       MakeRgb(60, 44, 44), MakeRgb(40, 28, 32), MakeRgb(110, 90, 70), MakeRgb(250, 160, 40),
       MakeRgb(100, 80, 84), MakeRgb(90, 70, 60), MakeRgb(70, 54, 50), MakeRgb(110, 90, 90), true},
      {Floor::kCloud, Tree::kCloud, MakeRgb(250, 244, 252), MakeRgb(228, 220, 246),
       MakeRgb(255, 220, 120), MakeRgb(200, 196, 236), MakeRgb(150, 150, 210),
       MakeRgb(200, 230, 250), MakeRgb(255, 200, 90), MakeRgb(200, 200, 230),
       MakeRgb(250, 200, 230), MakeRgb(200, 170, 210), MakeRgb(230, 220, 250), false},
      {Floor::kChecker, Tree::kTorch, MakeRgb(120, 80, 150), MakeRgb(80, 50, 110),
       MakeRgb(230, 60, 90), MakeRgb(80, 56, 100), MakeRgb(50, 34, 70), MakeRgb(90, 60, 100),
       MakeRgb(230, 60, 90), MakeRgb(110, 90, 130), MakeRgb(120, 96, 150), MakeRgb(90, 70, 110),
       MakeRgb(130, 100, 160), false},
  };
  return kAreas[area < 0 || area > 9 ? 0 : area];
}

}  // namespace assetgen
