// img/trap.bmp: for each area a 67-pixel column of two floor tiles (plain, under the hero)
// and twelve item pictures 84 pixels high.
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/trap.h"

namespace assetgen {

Canvas DrawTrapSheet() {
  Canvas sheet(700, 1100);
  for (int area = 0; area < kAreas; ++area) {
    const int left = 67 * area;
    for (int row = 0; row < 2; ++row) {
      Canvas tile(67, 42);
      DrawFloor(tile, area, row == 1);
      sheet.Paste(tile, left, 42 * row);
    }
    for (int kind = 0; kind < kItemKinds; ++kind) {
      Canvas item(67, 84);
      DrawItem(item, area, kind);
      if (kind != kPit) item.OutlineOpaque(kInk);
      sheet.Paste(item, left, 84 + 84 * kind);
    }
  }
  return sheet;
}

}  // namespace assetgen
