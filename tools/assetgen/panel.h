// Framed panels for windows, text boxes and labels.
#pragma once
#include "tools/assetgen/raster.h"

namespace assetgen {

struct PanelStyle {
  Rgb fillTop = MakeRgb(252, 246, 226);
  Rgb fillBottom = MakeRgb(240, 226, 196);
  Rgb border = MakeRgb(170, 110, 60);  // the frame; lit and shaded from it
  int borderWidth = 4;
  int radius = 10;
  bool studs = true;  // small round ornaments in the corners
};

Mask RoundedRect(int canvasW, int canvasH, int x, int y, int w, int h, int radius);
void DrawPanel(Canvas& c, int x, int y, int w, int h, const PanelStyle& style);

}  // namespace assetgen
