// The hero's and the villagers' sprite sheets.
#include "tools/assetgen/figures.h"
#include "tools/assetgen/pictures.h"

namespace assetgen {

Canvas DrawHeroSheet() {
  Canvas sheet(640, 480);
  for (int facing = 0; facing < 4; ++facing)
    for (int frame = 0; frame < 3; ++frame)
      sheet.Paste(DrawFigure(Who::kHero, facing, frame), 64 * frame, 64 * facing);
  return sheet;
}

Canvas DrawVillagerSheet() {
  // Slot s = Kind % 200 of the stage files.
  static const Who kSlots[] = {Who::kSister,       Who::kGrandfather, Who::kAngel,
                               Who::kGirl,         Who::kDemonLord,   Who::kVillageMan,
                               Who::kVillageWoman, Who::kDog,         Who::kMonster};
  Canvas sheet(576, 1000);
  for (int s = 0; s < 9; ++s)
    for (int frame = 0; frame < 3; ++frame)
      sheet.Paste(DrawFigure(kSlots[s], kFaceDown, frame), 192 * (s % 3) + 64 * frame,
                  64 * (s / 3));
  return sheet;
}

}  // namespace assetgen
