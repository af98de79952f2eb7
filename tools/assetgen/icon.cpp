// The desktop icon: the game's little red box, enlarged pixel for pixel at the bigger sizes.
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/trap.h"

namespace assetgen {

Canvas DrawIcon(int size) {
  Canvas item(67, 84);
  DrawItem(item, 0, kBox);
  item.OutlineOpaque(kInk);
  Canvas small(64, 64);
  small.PasteRect(item, 1, 24, 64, 56, 0, 4);
  const int factor = size / 64;
  if (factor <= 1) return small;
  Canvas big(size, size);
  big.PasteScaled(small, (size - 64 * factor) / 2, (size - 64 * factor) / 2, factor);
  return big;
}

}  // namespace assetgen
